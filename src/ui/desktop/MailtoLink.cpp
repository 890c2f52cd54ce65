#include "ui/desktop/MailtoLink.h"

#include <QByteArray>

namespace {

QString decode(QStringView part)
{
    // Percent-escapes stand for UTF-8 bytes; "+" is a plus in a mailto link, not a space.
    return QString::fromUtf8(QByteArray::fromPercentEncoding(part.toUtf8()));
}

void addAddresses(QStringList &into, const QString &text)
{
    for (const QString &piece : text.split(u',', Qt::SkipEmptyParts)) {
        const QString address = piece.trimmed();
        if (!address.isEmpty())
            into << address;
    }
}

// Text for a header: line breaks become spaces, and every other control
// character but the tab goes, since a header takes them as they are.
QString oneLine(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    text.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return (u < 0x20 && u != u'\t') || (u >= 0x7F && u <= 0x9F);
    });
    return text;
}

} // namespace

bool MailtoLink::looksLike(const QString &text)
{
    return text.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive);
}

std::optional<MailtoLink> MailtoLink::parse(const QString &text)
{
    if (!looksLike(text))
        return std::nullopt;
    MailtoLink link;
    const QStringView rest = QStringView(text).mid(7);
    const qsizetype question = rest.indexOf(u'?');
    // A fragment is no part of the mail.
    QStringView query = question < 0 ? QStringView() : rest.mid(question + 1);
    if (const qsizetype hash = query.indexOf(u'#'); hash >= 0)
        query = query.left(hash);
    QStringView path = question < 0 ? rest : rest.left(question);
    if (const qsizetype hash = path.indexOf(u'#'); hash >= 0)
        path = path.left(hash);

    // Line breaks within header values never reach a header.
    addAddresses(link.recipients, oneLine(decode(path)));
    QStringList bodies;
    for (const QStringView field : query.split(u'&', Qt::SkipEmptyParts)) {
        const qsizetype equals = field.indexOf(u'=');
        const QString name = decode(equals < 0 ? field : field.left(equals)).trimmed().toLower();
        const QString value = equals < 0 ? QString() : decode(field.mid(equals + 1));
        if (name == QLatin1String("to") || name == QLatin1String("cc")) {
            addAddresses(link.recipients, oneLine(value));
        } else if (name == QLatin1String("subject")) {
            link.subject = oneLine(value);
        } else if (name == QLatin1String("body")) {
            QString body = value;
            body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            body.replace(u'\r', u'\n');
            bodies << body;
        } else if (!name.isEmpty() && !link.ignored.contains(name)) {
            link.ignored << name;
        }
    }
    link.body = bodies.join(u'\n');
    return link;
}

QString MailtoLink::ignoredNote() const
{
    if (ignored.isEmpty())
        return {};
    return QStringLiteral("リンクの次の項目は使いませんでした: %1").arg(ignored.join(QStringLiteral("、")));
}
