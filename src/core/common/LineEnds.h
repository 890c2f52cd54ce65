#pragma once

#include <QString>

// Records, files and mail end their lines with CR LF; text widgets hold "\n".
namespace LineEnds {

// CR LF, and a lone CR, become "\n".
QString toWidget(const QString &text);
// Every "\n" becomes CR LF.
QString toCrLf(const QString &text);
// Every line end (CR LF, a lone CR or a lone LF) becomes CR LF: toCrLf(toWidget(text)),
// with text that already ends every line with CR LF handed back as it is.
QString anyToCrLf(const QString &text);

} // namespace LineEnds
