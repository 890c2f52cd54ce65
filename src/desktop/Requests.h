#pragma once

#include <QStringList>

// What a later start of the program asks of the running one.
namespace Requests {

// Brings the launcher to the front; a mailto link among the arguments opens
// the compose window filled from it, in front.
void handle(const QStringList &arguments);
// Only the link, for the program's own first start; false when there was none.
bool openLinks(const QStringList &arguments);

} // namespace Requests
