// Structured header fields (Content-Type, Content-Disposition) and their
// parameters, read the way senders really write them.
#include "core/mail/mime/Charsets.h"

#include "core/mail/mime/CharsetGuess.h"

#include <QRegularExpression>

namespace Charsets {

namespace {

int percentDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

QByteArray percentDecode(const QByteArray &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && percentDigit(text[i + 1]) >= 0
            && percentDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(percentDigit(text[i + 1]) * 16 + percentDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

// Unfolds the field. A fold inside a Q word's text was put there by the
// sender's line breaking, so it goes with its white space; every other fold
// leaves its white space, which may be a raw space of the sender's.
QByteArray unfoldField(const QByteArray &raw)
{
    static const QRegularExpression qWord(QStringLiteral("=\\?[^?\\s]+\\?[Qq]\\?[^?]*\\?="));
    static const QRegularExpression fold(QStringLiteral("\\r?\\n[ \\t]"));
    QString text = QString::fromLatin1(raw);
    if (text.contains(u'\n')) {
        QString out;
        qsizetype pos = 0;
        auto it = qWord.globalMatch(text);
        while (it.hasNext()) {
            const auto m = it.next();
            out += QStringView(text).mid(pos, m.capturedStart() - pos);
            out += m.captured().remove(fold);
            pos = m.capturedEnd();
        }
        out += QStringView(text).mid(pos);
        text = out;
    }
    text.remove(u'\r').remove(u'\n');
    return text.toLatin1();
}

bool isTokenChar(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return b > 0x20 && b < 0x7F && !QByteArray("()<>@,;:\\\"/[]?=").contains(c);
}

// Whether a parameter plainly starts after the ';' at i: "; token=".
bool newParameterAt(const QByteArray &text, qsizetype i)
{
    const qsizetype n = text.size();
    if (i >= n || text[i] != ';')
        return false;
    ++i;
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    const qsizetype start = i;
    while (i < n && isTokenChar(text[i]))
        ++i;
    if (i == start)
        return false;
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    return i < n && text[i] == '=';
}

qsizetype nextNewParameter(const QByteArray &text, qsizetype from)
{
    for (qsizetype i = text.indexOf(';', from); i >= 0; i = text.indexOf(';', i + 1))
        if (newParameterAt(text, i))
            return i;
    return text.size();
}

// Whether an encoded-word opened in the value is still waiting for its "?=".
bool insideEncodedWord(const QByteArray &value)
{
    const qsizetype open = value.lastIndexOf("=?");
    if (open < 0)
        return false;
    // =?charset?X?text?= : the closing "?=" comes after the third question mark.
    qsizetype mark = open + 1;
    for (int k = 0; k < 2; ++k) {
        mark = value.indexOf('?', mark + 1);
        if (mark < 0)
            return true;
    }
    return value.indexOf("?=", mark + 1) < 0;
}

// Reads the value starting at i and leaves i at the ';' (or end) after it. A
// broken value, an unclosed quote or an encoded-word cut by a ';', runs to the
// next parameter that plainly starts and never takes it along.
QByteArray readValue(const QByteArray &text, qsizetype &i)
{
    const qsizetype n = text.size();
    if (i < n && text[i] == '"') {
        const qsizetype open = i + 1;
        qsizetype j = open;
        QByteArray value;
        while (j < n && text[j] != '"') {
            if (text[j] == '\\' && j + 1 < n)
                ++j;
            value += text[j++];
        }
        qsizetype after = j + 1;
        while (after < n && (text[after] == ' ' || text[after] == '\t'))
            ++after;
        // A closing quote that is in truth the opening one of a later parameter.
        const bool tookParameter = j < n && after < n && text[after] != ';'
            && nextNewParameter(text, open) < j;
        if (j < n && !tookParameter) {
            i = after;
            return value;
        }
        i = nextNewParameter(text, open);
        value = text.mid(open, i - open).trimmed();
        if (value.endsWith('"'))
            value.chop(1);
        return value;
    }
    const qsizetype start = i;
    qsizetype end = text.indexOf(';', start);
    if (end < 0)
        end = n;
    if (end < n && !newParameterAt(text, end) && insideEncodedWord(text.mid(start, end - start)))
        end = nextNewParameter(text, end);
    i = end;
    QByteArray value = text.mid(start, end - start).trimmed();
    // A closing quote whose opening one the sender forgot.
    if (value.endsWith('"') && value.count('"') == 1)
        value.chop(1);
    return value;
}

// ISO-2022-JP with a few eight-bit bytes among its escapes: each such byte is
// one replacement character and the rest reads as JIS.
QString jisWithStrayBytes(const QByteArray &bytes)
{
    constexpr char kMark = '\x1A';  // passes through the JIS conversion untouched
    QByteArray marked = bytes;
    marked.replace(kMark, QByteArray());
    for (char &c : marked)
        if (static_cast<unsigned char>(c) >= 0x80)
            c = kMark;
    QString text = shiftJisText(jisToShiftJis(marked));
    text.replace(QChar(kMark), QChar(QChar::ReplacementCharacter));
    return text;
}

QString decodeRfc2231(const QByteArray &bytes, const QByteArray &charset)
{
    const QByteArray label = charset.trimmed().toLower();
    if ((label.startsWith("iso-2022-jp") || label == "csiso2022jp") && CharsetGuess::hasJisEscapes(bytes)
        && !CharsetGuess::onlyPictographBytes(bytes))
        return jisWithStrayBytes(bytes);
    QString value = decode(bytes, charset);
    if (charset.isEmpty() && value.contains(QStringLiteral("=?")))
        value = decodeValueWords(bytes);
    return value;
}

// "charset'language'" at the start of a piece; a raw quote is not allowed in
// an encoded piece otherwise, so two of them can only be this.
bool takeCharsetPrefix(QByteArray &piece, QByteArray *charset)
{
    const qsizetype q1 = piece.indexOf('\'');
    const qsizetype q2 = q1 >= 0 ? piece.indexOf('\'', q1 + 1) : -1;
    if (q2 < 0)
        return false;
    *charset = piece.left(q1);
    piece = piece.mid(q2 + 1);
    return true;
}

} // namespace

Field parseField(const QByteArray &raw)
{
    const QByteArray text = unfoldField(raw);
    Field field;
    const qsizetype n = text.size();
    const qsizetype firstSemicolon = text.indexOf(';');
    field.value = text.left(firstSemicolon < 0 ? n : firstSemicolon).trimmed().toLower();
    // A quoted value may hold a semicolon of its own; values are read with quotes in mind.
    if (field.value.startsWith('"') && field.value.endsWith('"') && field.value.size() >= 2)
        field.value = field.value.mid(1, field.value.size() - 2);
    if (firstSemicolon < 0)
        return field;
    qsizetype i = firstSemicolon + 1;

    struct Segment {
        bool encoded;
        QByteArray value;
    };
    QMap<QByteArray, QMap<int, Segment>> extended;
    QMap<QByteArray, QByteArray> plain;

    while (i < n) {
        while (i < n && (text[i] == ' ' || text[i] == '\t' || text[i] == ';'))
            ++i;
        const qsizetype nameStart = i;
        while (i < n && text[i] != '=' && text[i] != ';')
            ++i;
        QByteArray name = text.mid(nameStart, i - nameStart).trimmed().toLower();
        if (i >= n || text[i] == ';')
            continue;  // a parameter without a value
        ++i;  // '='
        while (i < n && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        const QByteArray value = readValue(text, i);
        while (i < n && text[i] != ';')
            ++i;
        if (name.isEmpty())
            continue;

        const bool encoded = name.endsWith('*');
        const QByteArray base = encoded ? name.left(name.size() - 1) : name;
        const qsizetype star = base.indexOf('*');
        if (star >= 0) {
            bool ok = false;
            const int index = base.mid(star + 1).toInt(&ok);
            if (ok && index >= 0 && index < 1000)
                extended[base.left(star)].insert(index, {encoded, value});
        } else if (encoded) {
            extended[base].insert(0, {true, value});
        } else if (!plain.contains(base)) {
            plain.insert(base, value);
        }
    }

    for (auto it = plain.cbegin(); it != plain.cend(); ++it) {
        const QByteArray &value = it.value();
        field.params.insert(it.key(), value.contains("=?") ? decodeValueWords(value) : decodeUnlabelled(value));
    }
    for (auto it = extended.cbegin(); it != extended.cend(); ++it) {
        // Pieces in one charset are joined before decoding, as a character may
        // be split between them; a piece naming another charset starts anew.
        QString value;
        QByteArray charset;
        QByteArray bytes;
        int expected = it.value().firstKey();
        for (auto seg = it.value().cbegin(); seg != it.value().cend(); ++seg) {
            if (seg.key() != expected)
                break;  // a gap ends the value, as a missing piece cannot be guessed
            ++expected;
            QByteArray piece = seg.value().value;
            if (seg.value().encoded) {
                QByteArray named;
                if (takeCharsetPrefix(piece, &named) && (seg == it.value().cbegin()
                                                         || named.compare(charset, Qt::CaseInsensitive) != 0)) {
                    if (!bytes.isEmpty())
                        value += decodeRfc2231(bytes, charset);
                    bytes.clear();
                    charset = named;
                }
                bytes += percentDecode(piece);
            } else {
                bytes += piece;
            }
        }
        value += decodeRfc2231(bytes, charset);
        field.params.insert(it.key(), value);
    }
    return field;
}

} // namespace Charsets
