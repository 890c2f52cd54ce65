#include "core/common/FileOwner.h"

#include "core/common/SafeFile.h"

#include <QFileInfo>
#include <QHash>

#include <memory>

namespace FileOwner {

std::recursive_mutex &lockFor(const QString &path)
{
    static std::mutex registryLock;
    static QHash<QString, std::shared_ptr<std::recursive_mutex>> locks;
    const QString key = QFileInfo(SafeFile::resolveLinks(path)).absoluteFilePath();
    std::lock_guard guard(registryLock);
    auto &slot = locks[key];
    if (!slot)
        slot = std::make_shared<std::recursive_mutex>();
    return *slot;
}

} // namespace FileOwner
