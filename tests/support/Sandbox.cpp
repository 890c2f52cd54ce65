#include "support/Sandbox.h"

#include "core/common/AppPaths.h"
#include "core/common/ClockText.h"
#include "ui/shell/Forms.h"
#include "core/settings/RuntimeSettings.h"

#include <QDir>
#include <QFile>

Sandbox::Sandbox(bool withFolders) : m_oldCwd(QDir::currentPath())
{
    AppPaths::setAppDir(m_app.path());
    if (withFolders)
        AppPaths::ensureInstallationFolders();
    QDir::setCurrent(m_work.path());
    runtimeSettings() = {};
}

Sandbox::~Sandbox()
{
    Forms::discardAll();
    QDir::setCurrent(m_oldCwd);
    AppPaths::setAppDir({});
    ClockText::setSource({});
    runtimeSettings() = {};
}

QString Sandbox::dataPath(const QString &relative) const
{
    return AppPaths::resolve(relative);
}

void Sandbox::writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray Sandbox::readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
