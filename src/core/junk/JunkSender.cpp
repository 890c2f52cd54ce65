#include "core/junk/JunkMail.h"

#include <QRegularExpression>

// Apart from the rest of JunkMail, so the token readers build without the mail library.
namespace {

const QRegularExpression &bareAddress()
{
    static const QRegularExpression bare(QStringLiteral("[^\\s<>\"'(),;:]+@[A-Za-z0-9.-]+"));
    return bare;
}

} // namespace

QString JunkMail::senderAddress() const
{
    static const QRegularExpression bracketed(QStringLiteral("<\\s*([^<>\\s]+@[^<>\\s]+)\\s*>"));
    const QRegularExpression &bare = bareAddress();
    auto match = bracketed.match(from);
    if (match.hasMatch())
        return match.captured(1).toLower();
    match = bare.match(from);
    return match.hasMatch() ? match.captured().toLower() : QString();
}

QStringList JunkMail::addressesIn(const QString &recipients)
{
    QStringList addresses;
    for (auto it = bareAddress().globalMatch(recipients); it.hasNext();)
        addresses << it.next().captured().toLower();
    return addresses;
}
