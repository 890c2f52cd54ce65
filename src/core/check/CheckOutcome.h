#pragma once

#include "core/auth/OAuthAccess.h"

#include <QString>
#include <QStringList>

// A check the user started may ask; a timed one (or one from the command line)
// opens no box: failures and questions that need the user go into its outcome.
enum class CheckMode { User, Timed };

// What a check reads from the settings once, when it starts.
struct CheckSettings {
    QString server;
    bool apop = false;
    bool keep = false;  // mails are left on the server
    int days = 0;       // then deleted this many days after they were first stored; 0 never
    bool sync = false;  // deleted from the server once deleted in the history
    QStringList authIds;  // authserv-ids whose Authentication-Results are believed
    CheckMode mode = CheckMode::User;
    SignInPolicy policy = SignInPolicy::MayOpenBrowser;

    // From the running program's settings.
    static CheckSettings current(CheckMode mode, SignInPolicy policy);
};

struct CheckOutcome {
    int waiting = 0;     // what the server said, negative after a failed login
    int stored = 0;      // records appended
    int junk = 0;        // of those, the ones that went to the junk history
    bool attachment = false;
    bool failed = false;     // the check ended early on an error shown to the user
    bool cancelled = false;  // the user stopped it
    bool encrypted = false;  // the connection was encrypted
    int deletedFromServer = 0;  // mails left on the server earlier and deleted now
    bool needsSignIn = false;  // the OAuth 2.0 sign-in is gone; the user was told
    bool needsUser = false;    // a quiet check met a question only the user can answer
    QStringList newMail;     // "差出人: 件名" of each mail stored in the received history, in order
    QString failure;         // a quiet check: what went wrong, in words
    QString status;          // the last line the check showed
};
