#pragma once

#include <QString>

// Records, files and mail end their lines with CR LF; text widgets hold "\n".
namespace LineEnds {

// CR LF, and a lone CR, become "\n".
QString toWidget(const QString &text);
// Every "\n" becomes CR LF.
QString toCrLf(const QString &text);

} // namespace LineEnds
