#pragma once

#include "support/Sandbox.h"

#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

// The built program copied into a sandbox's folder, so that the sandbox is its
// installation (the program's folder is the one its executable lies in).
inline QString installProgram(const Sandbox &sandbox)
{
    const QString target = sandbox.appDir() + QStringLiteral("/pintora");
    QFile::remove(target);
    QFile::copy(QStringLiteral(PINTORA_BINARY), target);
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::ExeOwner);
    return target;
}

// A start of the program in the sandbox's working directory, without a display.
inline void startProgram(QProcess &process, const Sandbox &sandbox, const QStringList &arguments,
                         const QProcessEnvironment &base = QProcessEnvironment::systemEnvironment())
{
    QProcessEnvironment environment = base;
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(sandbox.workDir());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(sandbox.appDir() + QStringLiteral("/pintora"), arguments);
}

// Ends a process this test started, by its own id.
inline void endProgram(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(5000);
    }
}
