// The program's start up to its first window, in a process of its own, so a
// test can record the system calls it makes:
//   recovery_child APP_DIR
// Ends with 0 when it took the installation and nothing had to be said.
#include "core/common/AppPaths.h"
#include "ui/common/Prompt.h"
#include "ui/shell/Startup.h"

#include <QApplication>

#include <cstdio>

namespace {

class TellingPrompt : public Prompt {
public:
    bool told = false;
    Answer ask(const Box &box, QWidget *) override
    {
        told = true;
        std::fprintf(stderr, "%s\n", qPrintable(box.text));
        return Answer::Ok;
    }
    std::optional<QString> openFileName(const FileQuestion &, QWidget *) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileQuestion &, QWidget *) override { return std::nullopt; }
    bool setUpPrinter(QPrinter &, bool, QWidget *) override { return false; }
};

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2)
        return 2;
    AppPaths::setAppDir(args[1]);
    TellingPrompt prompt;
    Prompt::install(&prompt);
    SingleInstance instance;
    const SingleInstance::Claim claim = Startup::claimInstallation(instance, {});
    Prompt::install(nullptr);
    return claim == SingleInstance::Claim::First && !prompt.told ? 0 : 1;
}
