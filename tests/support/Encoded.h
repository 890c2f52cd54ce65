#pragma once

#include <QByteArray>
#include <QString>

#include <iconv.h>

// Text in a charset mail comes in ("ISO-2022-JP", "Shift_JIS", "UTF-8"), through
// the same iconv the program reads it with; a character the charset cannot hold stops the run.
inline QByteArray encodedIn(const QString &text, const char *charset)
{
    const QByteArray in = text.toUtf8();
    iconv_t cd = iconv_open(charset, "UTF-8");
    QByteArray out(in.size() * 4 + 16, '\0');
    char *source = const_cast<char *>(in.constData());
    size_t left = size_t(in.size());
    char *target = out.data();
    size_t room = size_t(out.size());
    const size_t converted = iconv(cd, &source, &left, &target, &room);
    iconv(cd, nullptr, nullptr, &target, &room);  // back to ASCII at the end (ISO-2022-JP)
    if (converted == size_t(-1))
        qFatal("%s cannot hold %s", charset, in.constData());
    iconv_close(cd);
    out.resize(out.size() - qsizetype(room));
    return out;
}
