#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QString>

#include <optional>

// The mbox family of mail folder files: each message follows a "From " line,
// and lines of the message that begin with "From " after any number of ">"
// carry one more ">" (mboxrd), so every reader finds the same messages.
namespace Mbox {

// "From sender Mon Dec  7 08:30:00 2026\n", the moment in UTC.
QByteArray separator(const QByteArray &sender, const QDateTime &moment);

// Quotes a message for mboxrd as it streams through, chunk after chunk.
class Quoter {
public:
    // The quoted form of the next piece of the message.
    QByteArray feed(const char *data, qsizetype size);
    QByteArray feed(const QByteArray &bytes) { return feed(bytes.constData(), bytes.size()); }
    // The same, appended to out.
    void feedInto(QByteArray &out, const char *data, qsizetype size);
    // What is still held back at the end of the message, and whether the
    // message (as fed) ended with a line break.
    QByteArray finish();
    bool endedWithLineBreak() const { return m_lastByte == '\n'; }

private:
    QByteArray m_pending;  // the start of a line that may still turn into ">*From "
    bool m_lineStart = true;
    char m_lastByte = '\n';
};

// The whole mboxrd entry of one message: separator, quoted message, a line
// break when the message lacks its own, and the blank line between messages.
QByteArray entry(const QByteArray &separatorLine, const QByteArray &message);
void appendEntry(QByteArray &out, const QByteArray &separatorLine, const QByteArray &message);

// Reads the messages of an mbox (mboxo or mboxrd) one at a time, never more
// than one message in memory, and that one no larger than a received mail
// may be (see ImportFile). A line "From " at the start of the file or
// after a blank line begins a message; ">From " lines lose one ">".
class Reader {
public:
    explicit Reader(const QString &path);

    // False with error() set when the file cannot be read or is no mbox (a
    // pipe or a device included).
    bool open();
    // The next message, or nothing at the end (or on a read failure or a
    // message beyond the bounds: error()).
    std::optional<QByteArray> next();

    qint64 position() const { return m_file.pos(); }
    qint64 size() const { return m_file.size(); }
    const QString &error() const { return m_error; }

    // Whether the first bytes of a file look like an mbox.
    static bool looksLikeMbox(const QByteArray &head);

private:
    static bool isSeparator(const QByteArray &line);
    // The next line, cut after ImportFile::kMaxLineBytes + 1 bytes.
    QByteArray readLine();
    QString m_path;
    QFile m_file;
    QByteArray m_line;
    QByteArray m_nextLine;  // a separator already read, or empty
    bool m_atEnd = false;
    int m_number = 0;  // of the message being read
    QString m_error;
};

} // namespace Mbox
