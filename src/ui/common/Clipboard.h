#pragma once

#include <QString>

// The system clipboard, plain text only.
namespace Clipboard {

void clear();
void setText(const QString &text);
QString text();

} // namespace Clipboard
