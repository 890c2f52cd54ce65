#include "ui/desktop/TimedCheck.h"

#include "core/common/BackgroundJob.h"
#include "ui/receive/MailCheck.h"
#include "core/settings/OptionsFile.h"
#include "core/settings/RuntimeSettings.h"

#include <QApplication>

#include <algorithm>

TimedCheck::TimedCheck(QObject *parent) : QObject(parent)
{
    connect(&m_timer, &QTimer::timeout, this, &TimedCheck::tick);
    setMinuteLength(m_minute);
    tick();
}

void TimedCheck::setMinuteLength(std::chrono::milliseconds length)
{
    m_minute = std::max(length, std::chrono::milliseconds(10));
    m_timer.start(std::clamp<qint64>(m_minute.count() / 4, 5, 1000));
    m_minutes = -1;
    tick();
}

qint64 TimedCheck::remainingMs() const
{
    return m_minutes > 0 ? m_due.remainingTime() : -1;
}

bool TimedCheck::mayStartNow() const
{
    return !MailCheck::isRunning() && !RunningWork::instance().busy() && !QApplication::activeModalWidget()
        && !QApplication::activePopupWidget();
}

void TimedCheck::tick()
{
    const RuntimeSettings &settings = runtimeSettings();
    const int minutes = settings.Pop3Server.isEmpty()
        ? 0
        : std::clamp(settings.CheckMinutes, 0, OptionsFile::kMaxCheckMinutes);
    if (minutes != m_minutes) {
        m_minutes = minutes;
        m_due.setRemainingTime(minutes * m_minute.count());
        return;
    }
    if (minutes == 0 || !m_due.hasExpired() || !mayStartNow())
        return;
    m_due.setRemainingTime(minutes * m_minute.count());
    if (MailCheck::start(MailCheck::Mode::Timed))
        emit checkStarted();
}
