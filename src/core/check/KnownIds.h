#pragma once

#include "core/history/ReceivedMailIds.h"

#include <QByteArray>

#include <functional>

class MailLibrary;
struct MailStatus;

// What a check makes of the id file before it fetches anything: marks of
// deletions whose outcome is not known, and a file that was lost or cut.
namespace KnownIds {

struct Server {
    MailLibrary &library;
    int handle = -1;
    int waiting = 0;
    std::function<QByteArray(int)> keyOf;  // the id file's key of mail n, empty without one
    std::function<bool()> stopped;
};

// The key a record's head has, from the headers a server gives for a mail.
QByteArray headKeyOf(const MailStatus &status);

// An id marked at a goodbye without an answer proves a stored mail only if the
// server's mail of that id is the one stored: same size, same head. Otherwise
// the id names a new mail and leaves known; when it cannot be told, a possible
// duplicate is stored rather than a mail skipped. False when the connection is
// lost or the user stopped.
bool confirmLeaving(const Server &server, ReceivedMailIds::Ids &known);

// The id file is gone or cut: the mails waiting are matched to the records of
// the received and the junk history by what a record keeps of their headers,
// read with TOP or, from a server without it, with RETR, and a mail whose head
// matches by its body too (RETR), so a never-stored mail with an old mail's
// head is fetched. False as above.
bool rebuild(const Server &server, ReceivedMailIds::Ids &known);

} // namespace KnownIds
