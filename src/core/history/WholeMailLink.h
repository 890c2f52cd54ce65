#pragma once

#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

struct OutgoingMail;

// A mail that its record cannot hold whole (a field cut, or characters without
// a CP932 form) is kept as an .eml file, and its stored body ends with one line
// naming that file relative to the program's folder:
//   ♪♪♪　全文: 添付フォルダ\件名.eml　♪♪♪
// The record stays plain CP932, so any other reader sees a harmless note.
namespace WholeMailLink {

inline const QString kPrefix = QStringLiteral("♪♪♪　全文: ");
inline const QString kSuffix = QStringLiteral("　♪♪♪");

// The mail as its kept file has it, every character kept.
struct WholeMail {
    QString subject;
    QString correspondent;
    QString date;
    QString body;  // CR LF line ends
};

// Whether each field reads back from its record field exactly as given.
// A body whose last line already reads as a link does not, so a mail cannot
// point the viewer at a file of its choosing.
bool survives(const HistoryRecord &record, bool keepDate = false);

QString lineFor(const QString &relative);
// The relative path the last line of a body names, or empty.
QString find(const QString &body);
// The body followed by CR LF and the link line, the body cut short when
// both would not fit the record's body field.
QString appendTo(const QString &body, const QString &relative);

// The file a link names, only when it is an existing .eml directly inside the
// received or sent mail folder of the program, never anywhere else.
std::optional<QString> resolve(const QString &relative);

// Received mail: keeps raw in the attachment folder, named after the subject,
// and ends the record's body with its link. False with error set on failure.
// beforeWriting is told the file's path before it exists and may refuse it.
bool keepReceived(HistoryRecord &record, const QByteArray &raw, const QString &subject, QString *error,
                  const std::function<bool(const QString &path)> &beforeWriting = {});

// Sent mail: the copy is stored before the mail is built, so its file is
// reserved first (and the record linked to it), then filled with the message
// as it goes out. An empty path means the copy needed no file or none could be made.
QString reserveSent(HistoryRecord &record);
bool fillSent(const QString &path, const OutgoingMail &mail);
// The same with the message exactly as it was sent.
bool fillSent(const QString &path, const QByteArray &message);
// The message bytes the send operation builds for this mail.
std::optional<QByteArray> buildSent(const OutgoingMail &mail, QString *error = nullptr);

// The whole mail a record links to; nothing when it has no link or its file is
// missing, unreadable or empty.
std::optional<WholeMail> read(const HistoryRecord &record, HistoryFile::Kind kind);

// The subject and correspondent read() gives, taken from the header block at the
// start of the linked file only. Nothing where read() gives nothing, and for a
// header block too large to be a mail's.
struct WholeHeader {
    QString subject;
    QString correspondent;
};
std::optional<WholeHeader> readHeader(const HistoryRecord &record, HistoryFile::Kind kind);

// The kept file a record links to, when it exists.
std::optional<QString> linkedFile(const HistoryRecord &record);
// Record n of a history with its body cut to its last line, decoded from the
// line's bytes alone: all that linkedFile() and readHeader() look at, for a
// fraction of the cost of read(). Nothing past the end of the file.
std::optional<HistoryRecord> readLinkPart(HistoryFile::Kind kind, int n);
// The kept files of the first records of a history (-1: every record), in record order.
QStringList linkedFiles(HistoryFile::Kind kind, int records = -1);

} // namespace WholeMailLink
