#pragma once

#include <QString>

struct HistoryRecord;
struct SessionHooks;

// What a check tells the program around it and asks of it. Every call comes
// from the check's own thread; an implementation hands over to its thread as
// it needs. A quiet check (timed, command line) only ever calls status,
// accountRead, signInNeeded and lastStored.
class CheckListener {
public:
    virtual ~CheckListener() = default;

    // Where the check is, and how it ended, in one line.
    virtual void status(const QString &text) = 0;
    // A failure; returns once the user has seen it.
    virtual void failed(const QString &text) = 0;
    // Something the user should know about one mail; returns once seen.
    virtual void notice(const QString &text) = 0;
    // No POP3 server is set: the user is told, and where to set it.
    virtual void noServer() = 0;
    // The account the check signs in with, as the account file has it.
    virtual void accountRead(const QString &id, const QString &password) = 0;
    // No id or password is stored: the user is asked for them.
    virtual void accountMissing() = 0;
    // The OAuth 2.0 sign-in is gone.
    virtual void signInNeeded(const QString &why, bool mayOpenBrowser) = 0;
    // The last mail stored, once, at the end.
    virtual void lastStored(const HistoryRecord &record) = 0;
    // Fills the questions about the server (certificates, passwords in clear).
    virtual void askAboutServer(SessionHooks &hooks) = 0;
};
