#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Which reading of unlabelled (or wrongly labelled) bytes is the likely one.
// Validity decides first; among readings that are equally valid, the one that
// looks most like Japanese text wins, with uchardet's opinion breaking ties.
namespace CharsetGuess {

enum class Reading { Ascii, Utf8, Jis, EucJp, Cp932, Other };

struct Guess {
    Reading reading = Reading::Ascii;
    QByteArray charset;  // for Other: the name iconv knows it by
};

Guess guess(const QByteArray &bytes);

// Malformed sequences in each reading, counted as a decoder would replace them.
qsizetype invalidUtf8(const QByteArray &bytes);
qsizetype invalidEucJp(const QByteArray &bytes);
qsizetype invalidCp932(const QByteArray &bytes);

bool isAscii(const QByteArray &bytes);
// ESC $ @, ESC $ B, ESC $ ( or ESC ( I: bytes that only ISO-2022-JP writes.
bool hasJisEscapes(const QByteArray &bytes);
// Every byte above 0x7F belongs to a Shift_JIS pair in the carriers'
// pictograph area, as docomo and SoftBank phones put them into ISO-2022-JP mail.
bool onlyPictographBytes(const QByteArray &bytes);

// UTF-8 where each malformed sequence (its longest valid beginning) is one
// U+FFFD and never takes the byte that follows it.
QString fromUtf8(const QByteArray &bytes);

// Bytes in a charset glibc iconv knows, one U+FFFD per byte it cannot read;
// nothing when iconv does not know the charset.
std::optional<QString> decodeWith(const QByteArray &bytes, const char *charset);

} // namespace CharsetGuess
