#pragma once

#include "support/Sandbox.h"

#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTimer>

// The real program, copied into a sandbox so it works on the sandbox's installation,
// run without a display. This process's events run while it waits, so it can be the
// running program a later start talks to.
struct ProgramRun {
    int status = -1;  // -1: it crashed or did not end in time
    QString out;
    QString err;

    static ProgramRun of(const Sandbox &sandbox, const QString &executable, const QStringList &arguments,
                         int timeoutMs = 90000)
    {
        const QString copy = sandbox.appDir() + QStringLiteral("/pintora");
        if (!QFile::exists(copy))
            QFile::copy(executable, copy);
        QProcess process;
        process.setWorkingDirectory(sandbox.workDir());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        environment.remove(QStringLiteral("DISPLAY"));
        process.setProcessEnvironment(environment);
        QEventLoop loop;
        QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
        QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        process.start(copy, arguments);
        loop.exec();
        ProgramRun run;
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
            return run;
        }
        run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        run.out = QString::fromUtf8(process.readAllStandardOutput());
        run.err = QString::fromUtf8(process.readAllStandardError());
        return run;
    }
};
