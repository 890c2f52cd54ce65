#include "common/Cp932.h"

#include <cerrno>
#include <iconv.h>

namespace {

// iconv_open is costly next to a short field, so each direction keeps one descriptor.
class Converter {
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (m_cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    iconv_t handle()
    {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        return m_cd;
    }

private:
    iconv_t m_cd;
};

Converter &decoder()
{
    thread_local Converter c("UTF-16LE", "CP932");
    return c;
}

Converter &encoder()
{
    thread_local Converter c("CP932", "UTF-16LE");
    return c;
}

bool isAscii(const char *data, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i)
        if (static_cast<unsigned char>(data[i]) >= 0x80)
            return false;
    return true;
}

} // namespace

namespace Cp932 {

QString decode(const QByteArray &bytes)
{
    return decode(bytes.constData(), bytes.size());
}

QString decode(const char *data, qsizetype size)
{
    if (isAscii(data, size))
        return QString::fromLatin1(data, size);

    QString out(size, Qt::Uninitialized);
    char *in = const_cast<char *>(data);
    size_t inLeft = static_cast<size_t>(size);
    char *outStart = reinterpret_cast<char *>(out.data());
    char *outPtr = outStart;
    size_t outLeft = static_cast<size_t>(size) * 2;
    iconv_t cd = decoder().handle();

    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1))
            break;
        // EILSEQ or EINVAL (a lone lead byte at the end): one replacement per byte.
        const char16_t replacement = 0xFFFD;
        memcpy(outPtr, &replacement, 2);
        outPtr += 2;
        outLeft -= 2;
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize((outPtr - outStart) / 2);
    return out;
}

QByteArray encode(const QString &text)
{
    bool ascii = true;
    for (QChar c : text)
        if (c.unicode() >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return text.toLatin1();

    QByteArray out(text.size() * 2, Qt::Uninitialized);
    char *in = reinterpret_cast<char *>(const_cast<QChar *>(text.constData()));
    size_t inLeft = static_cast<size_t>(text.size()) * 2;
    char *outPtr = out.data();
    size_t outLeft = static_cast<size_t>(out.size());
    iconv_t cd = encoder().handle();

    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<size_t>(-1))
            break;
        // No CP932 form (or a lone surrogate): one '?' per character.
        const char16_t unit = *reinterpret_cast<const char16_t *>(in);
        const bool pair = QChar::isHighSurrogate(unit) && inLeft >= 4
            && QChar::isLowSurrogate(*reinterpret_cast<const char16_t *>(in + 2));
        *outPtr++ = '?';
        --outLeft;
        in += pair ? 4 : 2;
        inLeft -= pair ? 4 : 2;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(outPtr - out.data());
    return out;
}

QByteArray cutAtCharBoundary(const QByteArray &bytes, qsizetype maxBytes)
{
    if (bytes.size() <= maxBytes)
        return bytes;
    // Walk from the start: a trail byte can look like a lead byte (表 = 95 5C).
    qsizetype pos = 0;
    while (pos < maxBytes) {
        const qsizetype step = isLeadByte(static_cast<unsigned char>(bytes[pos])) ? 2 : 1;
        if (pos + step > maxBytes)
            break;
        pos += step;
    }
    return bytes.left(pos);
}

QByteArray fit(const QString &text, qsizetype width)
{
    QByteArray bytes = cutAtCharBoundary(encode(text), width);
    if (bytes.size() < width)
        bytes.append(width - bytes.size(), ' ');
    return bytes;
}

} // namespace Cp932

std::optional<QString> Cp932::firstUnencodable(const QString &text)
{
    if (encode(text).count('?') == text.count(u'?'))
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype width = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, width);
        i += width - 1;
        if (character != QLatin1String("?") && encode(character) == "?")
            return character;
    }
    return std::nullopt;
}
