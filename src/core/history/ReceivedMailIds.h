#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>

// Which mails waiting on a POP3 server are already stored, by their unique id
// (UIDL), one small file per server and account in the data folder, replaced
// whole at the end of a check (a crash in between is the receive journal's to
// settle). One line per id: the id, " kept" when its attachments could not be
// written, " t=<seconds>" when it was first stored, " h=<key>" of its
// record's head, " s=<bytes>" its size on the server and " del" while its
// deletion waits for the server's answer to QUIT; the first line
// "#ids <count>" tells a cut file from a whole one. Files without these (older
// versions) read as ids alone, and older versions pass over the fields they
// do not know.
class ReceivedMailIds {
public:
    struct Entry {
        bool kept = false;    // its attachments exist only on the server: never deleted by the program
        qint64 storedAt = 0;  // seconds since the epoch, 0 when not known
        QByteArray head;      // headKey of its record, empty when not known
        qint64 size = -1;     // octets the server listed for it, -1 when not known
        // Deleted at a QUIT whose outcome is not known: the server may have
        // given the id to a new mail since, so the id alone no longer proves it stored.
        bool leaving = false;

        bool operator==(const Entry &) const = default;
    };
    using Ids = QHash<QByteArray, Entry>;

    ReceivedMailIds(const QString &server, const QString &account);
    // The id file at path, as a crash journal names it.
    static ReceivedMailIds atPath(const QString &path);

    const QString &path() const { return m_path; }

    // whole is false when the file is missing or unreadable, or lost lines.
    Ids load(bool *whole = nullptr) const;
    // Replaces the file with exactly these ids, atomically.
    bool rewrite(const Ids &ids);
    const QString &errorText() const { return m_error; }

    // RFC 1939 ids are 1 to 70 printable ASCII characters; nothing else is trusted as an id.
    static bool isUsable(const QByteArray &id);
    // The key a server's id is kept under: the id itself when usable, a digest
    // of it otherwise, so a mail with an odd id is still stored only once.
    // Empty for an empty id.
    static QByteArray keyOf(const QByteArray &serverId);

    // What finds a stored mail's record again: a digest of the record's head
    // (subject, date and sender as stored).
    static QByteArray headKey(const QByteArray &recordOrHead);

    // The clock of "first stored", replaceable in tests; empty restores the system clock.
    static qint64 now();
    static void setClock(std::function<qint64()> clock);

    // How old a stored mail is for "delete after n days": from its first-stored
    // time, except that a time in the future or more than a year back (stored
    // under a wrong clock) counts from now, and a mail stored during this run
    // is never older than this run's monotonic clock says.
    static qint64 ageOf(const QString &idsPath, const QByteArray &key, qint64 *storedAt);
    // Notes that this run stored the mail under key now, by the monotonic clock.
    static void storedInThisRun(const QString &idsPath, const QByteArray &key);
    // The monotonic clock in seconds, replaceable in tests; by default the
    // replaced wall clock when there is one, else the system's monotonic clock.
    static void setMonotonicClock(std::function<qint64()> clock);

    // Records deleted in the history window whose mails should go from the
    // server at the next check, shared by every account. A mark names a head
    // key until a check finds the mail: it is then bound to that mail's key in
    // one id file ("<head> <id file> <key>", which older versions pass over),
    // so that only that mail goes, even after a goodbye whose answer was lost.
    struct DeletedMark {
        QByteArray head;
        QByteArray idFile;  // the id file's name, empty while the mark is not bound
        QByteArray key;

        bool operator==(const DeletedMark &) const = default;
    };
    static bool noteDeletedHere(const QList<QByteArray> &heads);
    static QList<DeletedMark> deletedHere();
    // Binds a mark of each head to the mail found; on disk when it returns true.
    static bool bindDeletedHere(const QList<DeletedMark> &found);
    static bool forgetDeletedHere(const QList<DeletedMark> &done);

    // Heads of mails kept on the server because their attachments could not be
    // written, shared by every account, so that an id file made again from the
    // heads still never deletes them. On disk when noteKept returns true.
    static bool noteKept(const QList<QByteArray> &heads);
    static QSet<QByteArray> keptHeads();

private:
    ReceivedMailIds() = default;

    QString m_path;
    QString m_error;
};
