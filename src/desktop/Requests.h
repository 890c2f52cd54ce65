#pragma once

#include <QStringList>

// What a later start of the program asks of the running one.
namespace Requests {

// Brings the launcher to the front; a mailto link among the arguments opens
// the compose window filled from it, in front.
void handle(const QStringList &arguments);

} // namespace Requests
