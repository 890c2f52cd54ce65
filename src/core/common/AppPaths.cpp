#include "core/common/AppPaths.h"

#include "core/common/PrivateFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString &overrideDir()
{
    static QString dir;
    return dir;
}

QString matchingEntry(const QString &parent, const QString &name)
{
    if (QFileInfo::exists(parent + u'/' + name))
        return name;
    const QStringList entries =
        QDir(parent).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return name;
}

} // namespace

namespace AppPaths {

QStringList installationFolders()
{
    return {kDataFolder, kAttachmentFolder, kSentMailFolder, kEmoticonFolder, kQuickSaveFolder};
}

QString appDir()
{
    if (!overrideDir().isEmpty())
        return overrideDir();
    return QCoreApplication::applicationDirPath();
}

void setAppDir(const QString &dir)
{
    overrideDir() = dir;
}

QString resolve(const QString &relative)
{
    QString path = appDir();
    const QStringList parts = relative.split(u'\\', Qt::SkipEmptyParts);
    for (const QString &part : parts)
        path += u'/' + matchingEntry(path, part);
    if (relative.endsWith(u'\\'))
        path += u'/';
    return path;
}

QStringList ensureInstallationFolders()
{
    QStringList failed;
    for (const QString &folder : installationFolders()) {
        const QString path = resolve(folder);
        const bool made = PrivateFolders::mailFolders().contains(folder) ? PrivateFolders::make(path)
                                                                          : QDir().mkpath(path);
        if (!made)
            failed << path;
    }
    return failed;
}

} // namespace AppPaths
