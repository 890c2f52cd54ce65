#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

class QObject;

// Where a running job (a check, a send) shows how far it has come and where the
// user can stop it. The window floor shows it in a progress window; the job
// never learns where, so tests and window-less runs can watch it instead.
class JobProgress {
public:
    virtual ~JobProgress() = default;

    virtual void show() = 0;
    virtual void setText(const QString &text) = 0;
    // done of total; a total of 0 while it is not known.
    virtual void setProgress(qint64 done, qint64 total) = 0;
    // cancel runs once when the user asks to stop, for as long as context lives
    // and until stopListening(context).
    virtual void onCancel(QObject *context, std::function<void()> cancel) = 0;
    virtual void stopListening(QObject *context) = 0;
};
