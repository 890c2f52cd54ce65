#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

// Lets the window thread's events run until done() holds or the time is up;
// returns whether it held. For flows that run on workers and report back.
template <class Done>
bool waitUntil(Done done, int milliseconds = 30000)
{
    QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(1);
    }
    return true;
}
