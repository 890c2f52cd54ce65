#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

// Which mails waiting on a POP3 server are already stored, by their unique id
// (UIDL), one small file per server and account in the data folder. Ids are
// added as mails are stored, after their record; the file is rewritten without
// the ids of mails gone from the server at the end of a check.
class ReceivedMailIds {
public:
    ReceivedMailIds(const QString &server, const QString &account);
    // The id file at path, as a crash journal names it.
    static ReceivedMailIds atPath(const QString &path);

    const QString &path() const { return m_path; }

    // id -> whether the mail must stay on the server (its attachments could not be written).
    QHash<QByteArray, bool> load() const;
    // One line, at once in the page cache; a torn last line is ignored by load().
    bool add(const QByteArray &id, bool kept);
    // Replaces the file with exactly these ids, atomically.
    bool rewrite(const QHash<QByteArray, bool> &ids);
    const QString &errorText() const { return m_error; }

    // RFC 1939 ids are 1 to 70 printable ASCII characters; nothing else is trusted as an id.
    static bool isUsable(const QByteArray &id);

private:
    ReceivedMailIds() = default;

    QString m_path;
    QString m_error;
};
