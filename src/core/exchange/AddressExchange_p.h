#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the address book's file formats share inside.
namespace AddressExchange {

inline const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

inline QString oneLine(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    text.remove(QChar(u'\0'));
    return text.trimmed();
}

inline bool isAscii(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

// A name from its parts: family name first in Japanese, last in a western name.
inline QString joinName(const QString &family, const QString &given, const QString &middle = {})
{
    QStringList parts;
    if (isAscii(family + given + middle))
        parts << given << middle << family;
    else
        parts << family << middle << given;
    parts.removeAll(QString());
    return parts.join(u' ');
}

} // namespace AddressExchange
