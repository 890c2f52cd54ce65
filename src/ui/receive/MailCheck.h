#pragma once

#include "core/check/CheckOutcome.h"
#include "core/check/CheckTexts.h"

#include <QObject>

#include <functional>
#include <memory>

class CheckEngine;
class JobProgress;

// The launcher's receive entry: a check on a worker, shown to the user. Its
// progress and outcome go to the launcher's status line, its questions and
// failures into boxes, the last mail into the history window.
class MailCheck : public QObject, public CheckTexts {
    Q_OBJECT
public:
    using Mode = CheckMode;
    using Outcome = CheckOutcome;

    // Starts a check unless one runs, and returns at once; finished() follows.
    // A check that finds its OAuth 2.0 sign-in gone says so and, unless the
    // policy forbids it (a timed check always does), opens the browser sign-in.
    static MailCheck *start(Mode mode = Mode::User, SignInPolicy policy = SignInPolicy::MayOpenBrowser);
    static MailCheck *start(SignInPolicy policy);
    // Starts a check and lets the window thread's events run until it ends.
    static Outcome run(SignInPolicy policy = SignInPolicy::MayOpenBrowser);
    static bool isRunning();
    // The running check, if any.
    static MailCheck *current();
    // Called on the window thread at the end of every check, before finished(),
    // for as long as context lives.
    static void addFinishListener(QObject *context, std::function<void(const Outcome &, Mode)> listener);
    Mode mode() const { return m_mode; }

    void cancel();
    const Outcome &outcome() const { return m_outcome; }

signals:
    void finished();

private:
    MailCheck();
    ~MailCheck() override;
    void end();

    CheckEngine *m_engine = nullptr;
    std::unique_ptr<JobProgress> m_progress;
    Outcome m_outcome;
    Mode m_mode = Mode::User;
};
