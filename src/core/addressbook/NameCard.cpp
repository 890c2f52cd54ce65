#include "core/addressbook/NameCard.h"

#include "core/common/FixedField.h"

#include <algorithm>

namespace NameCard {

QString wrap(const QString &card, const QString &address)
{
    // A comma or quote in the card would split the entry when it is sent.
    static const QString specials = QStringLiteral("()<>[]:;@\\,\"");
    QString name = card;
    if (std::any_of(card.begin(), card.end(), [](QChar c) { return specials.contains(c); })) {
        name = QStringLiteral("\"");
        for (QChar c : card) {
            if (c == u'"' || c == u'\\')
                name += u'\\';
            name += c;
        }
        name += u'"';
    }
    const QString whole = name + u'<' + FixedField::trimSpaces(address) + u'>';
    return whole.left(kMaxLength);
}

} // namespace NameCard
