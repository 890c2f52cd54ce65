#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

// Encodings older mailers use that MIME readers get wrong or do not know.
namespace LegacyDecode {

// Base64 where every chunk may carry its own padding ("…=\r\n…=="): each chunk
// is decoded and the reading goes on to the end. Characters outside the
// alphabet are skipped.
QByteArray base64(const QByteArray &encoded);

// The same reading fed in pieces, so a large part never exists encoded and decoded at once.
class Base64Stream {
public:
    void feed(const char *data, qsizetype size, QByteArray &out);
    void finish(QByteArray &out);

private:
    void flush(QByteArray &out);
    int m_quad[4] = {};
    int m_have = 0;
    int m_padding = 0;
};

// Quoted-printable a sender sent without a Content-Transfer-Encoding: the
// decoded bytes when the text has its shape (every '=' an escape or a soft line
// break, eight-bit escapes in runs) and they read as ISO-2022-JP, Shift_JIS or
// UTF-8 text; nothing otherwise.
std::optional<QByteArray> undeclaredQuotedPrintable(const QByteArray &text);

struct UuFile {
    QByteArray name;  // as written after "begin 644", raw bytes
    QByteArray content;
};

// Takes every "begin <mode> <name>" … "end" block out of a text and returns
// the files they hold; the text keeps everything else.
QList<UuFile> takeUuencoded(QByteArray &text);

} // namespace LegacyDecode
