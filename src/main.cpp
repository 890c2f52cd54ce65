#include "core/check/CheckCommand.h"
#include "core/exchange/CommandLine.h"
#include "core/instance/SingleInstance.h"
#include "core/junk/JunkCommand.h"
#include "core/search/SearchCommand.h"
#include "ui/common/Fonts.h"
#include "ui/desktop/DesktopIntegration.h"
#include "ui/desktop/ProgramIcon.h"
#include "ui/desktop/Requests.h"
#include "ui/desktop/Translations.h"
#include "ui/common/Accessibility.h"
#include "ui/search/SearchStatus.h"
#include "ui/shell/Forms.h"
#include "ui/shell/Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Exports and imports for scripts run without a window.
    if (CommandLine::wanted(argc, argv))
        return CommandLine::main(argc, argv);
    if (CheckCommand::wanted(argc, argv))
        return CheckCommand::main(argc, argv);
    if (SearchCommand::wanted(argc, argv))
        return SearchCommand::main(argc, argv);
    if (JunkCommand::wanted(argc, argv))
        return JunkCommand::main(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pintora"));
    QApplication::setDesktopFileName(QStringLiteral("pintora"));
    // Ending is the launcher's business alone.
    QApplication::setQuitOnLastWindowClosed(false);
    Fonts::install();
    Accessibility::install();
    Translations::install();
    QApplication::setWindowIcon(ProgramIcon::icon());

    SingleInstance instance;
    switch (Startup::claimInstallation(instance, QApplication::arguments().mid(1))) {
    case SingleInstance::Claim::First:
        break;
    case SingleInstance::Claim::HandedOver:
        return 0;
    case SingleInstance::Claim::Failed:
        return 1;
    }
    // A later start may ask before the launcher is up; its link is not lost.
    QObject::connect(&instance, &SingleInstance::requested, &Requests::handle);
    QObject::connect(&instance, &SingleInstance::answerRequested, &Requests::answer);
    Startup::run();
    SearchStatus::start();
    DesktopIntegration desktop;
    Requests::openLinks(QApplication::arguments().mid(1));
    const int code = QApplication::exec();
    SearchStatus::stop();
    Forms::discardAll();
    return code;
}
