#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

#include <chrono>

// Runs the mail check by itself every CheckMinutes minutes (0: never), the
// first that long after the program started. A check that is due waits while a
// check or a send runs or a box waits for an answer. A change of the setting
// counts from the moment it is seen.
class TimedCheck : public QObject {
    Q_OBJECT
public:
    explicit TimedCheck(QObject *parent = nullptr);

    // Tests make the minutes short.
    void setMinuteLength(std::chrono::milliseconds length);
    // Time left until the next check; negative when timed checks are off.
    qint64 remainingMs() const;

signals:
    void checkStarted();

private:
    void tick();
    bool mayStartNow() const;

    QTimer m_timer;
    QDeadlineTimer m_due;
    int m_minutes = -1;  // the setting the schedule was made for
    std::chrono::milliseconds m_minute{60000};
};
