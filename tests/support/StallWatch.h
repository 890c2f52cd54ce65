#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// A timer on the window thread that notes the longest gap between its ticks:
// how long the windows could not repaint or answer.
class StallWatch : public QObject {
public:
    StallWatch()
    {
        m_clock.start();
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 now = m_clock.elapsed();
            m_longest = qMax(m_longest, now - m_last);
            m_last = now;
        });
        m_timer.start();
    }
    qint64 longestMs() const { return m_longest; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};
