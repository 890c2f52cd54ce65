#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One received mail taken apart. GMime finds the structure and undoes the
// transfer encodings; every text is decoded by our own charset layer.
struct MimeContent {
    // The line between the texts of a mail with several text parts.
    static inline const QString kPartSeparator = QStringLiteral("----------------------------------------");

    struct Attachment {
        QString name;  // as the mail names it, decoded, not yet made safe
        QByteArray content;
    };

    QByteArray raw;        // the whole mail, shared with the caller's copy
    QByteArray rawHeader;  // the header block as it came
    QByteArray rawBody;    // everything after the blank line: a view into raw, never a copy
    QString subject;
    QString from;
    QString date;
    QString headerText;  // the header block as text, unfolded lines kept as they came
    QString text;        // every shown text part in order, lines ended by "\n"
    bool multipart = false;
    // A fragment of a mail split with message/partial whose other pieces are elsewhere.
    bool incompletePartial = false;
    // Something of the mail could not be shown or taken apart faithfully.
    bool lossy = false;
    QList<Attachment> attachments;
};

namespace MimeReader {

MimeContent read(const QByteArray &raw);

// Whether the start of a mail holds its whole header block.
bool holdsHeader(const QByteArray &start);
// Only the header block and its subject, from and date, read from the start of a
// mail exactly as read() takes them from the whole; the body fields stay empty.
MimeContent readHeader(const QByteArray &start);

// The first value of a header in a header block, raw (folding kept), or a null array.
QByteArray headerValue(const QByteArray &headerBlock, const QByteArray &name);

// Plain text of an HTML body.
QString htmlToText(const QString &html);

} // namespace MimeReader
