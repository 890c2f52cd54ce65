#include "addressbook/NameCard.h"

#include "common/FixedField.h"

namespace NameCard {

QString wrap(const QString &card, const QString &address)
{
    const QString whole = card + u'<' + FixedField::trimSpaces(address) + u'>';
    return whole.left(kMaxLength);
}

} // namespace NameCard
