#pragma once

#include <QString>

// The name-card form of an address: the card text, then the address between
// "<" and ">", as the recipient's mail program shows it.
namespace NameCard {

// The address box holds at most this many characters, so a long card loses its ">".
constexpr int kMaxLength = 60;

// card as typed + "<" + address without its outer spaces + ">", cut to 60 characters.
QString wrap(const QString &card, const QString &address);

} // namespace NameCard
