#pragma once

#include <QStringList>

class InstanceReply;

// What a later start of the program asks of the running one.
namespace Requests {

// Brings the launcher to the front; a mailto link among the arguments opens
// the compose window filled from it, in front.
void handle(const QStringList &arguments);
// Only the link, for the program's own first start; false when there was none.
bool openLinks(const QStringList &arguments);
// A request that waits for its answer (pintora --check): a quiet check, shown in
// the launcher like a timed one, whose outcome goes back through reply. A check
// already running answers for it.
void answer(const QStringList &arguments, InstanceReply *reply);

} // namespace Requests
