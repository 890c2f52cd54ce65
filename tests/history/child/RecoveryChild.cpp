// The program's start up to its first window, in a process of its own, so a
// test can record the system calls it makes:
//   recovery_child APP_DIR
// Ends with 0 when it took the installation and nothing had to be said.
#include "core/common/AppPaths.h"
#include "ui/common/Prompt.h"
#include "ui/shell/Startup.h"
#include "support/SilentPrompt.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2)
        return 2;
    AppPaths::setAppDir(args[1]);
    SilentPrompt prompt;
    Prompt::install(&prompt);
    SingleInstance instance;
    const SingleInstance::Claim claim = Startup::claimInstallation(instance, {});
    Prompt::install(nullptr);
    for (const QString &text : std::as_const(prompt.texts))
        std::fprintf(stderr, "%s\n", qPrintable(text));
    return claim == SingleInstance::Claim::First && prompt.texts.isEmpty() ? 0 : 1;
}
