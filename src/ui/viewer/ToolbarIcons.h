#pragma once

#include <QIcon>
#include <QString>

// The editor toolbar's pictures: the desktop theme's icons where it has them,
// otherwise small ones drawn here.
namespace ToolbarIcons {

QIcon forKey(const QString &key);

} // namespace ToolbarIcons
