#include "core/junk/JunkMail.h"

#include <QRegularExpression>

// Apart from the rest of JunkMail, so the token readers build without the mail library.
QString JunkMail::senderAddress() const
{
    static const QRegularExpression bracketed(QStringLiteral("<\\s*([^<>\\s]+@[^<>\\s]+)\\s*>"));
    static const QRegularExpression bare(QStringLiteral("[^\\s<>\"'(),;:]+@[A-Za-z0-9.-]+"));
    auto match = bracketed.match(from);
    if (match.hasMatch())
        return match.captured(1).toLower();
    match = bare.match(from);
    return match.hasMatch() ? match.captured().toLower() : QString();
}
