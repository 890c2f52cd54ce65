#pragma once

#include <QStringList>

#include <functional>

class QMimeData;
class QWidget;

// Files dropped anywhere on a window go to one handler; text dropped on a text
// box keeps the box's own behaviour (inserted where it falls).
namespace FileDrops {

// The local files among dropped data, in the order dropped; nothing for plain text.
QStringList localFiles(const QMimeData *data);

// accepts says whether the window takes files now (not, for example, while it sends).
void install(QWidget *window, std::function<void(const QStringList &paths)> handler,
             std::function<bool()> accepts = {});

} // namespace FileDrops
