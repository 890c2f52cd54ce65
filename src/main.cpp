#include "common/Fonts.h"
#include "desktop/DesktopIntegration.h"
#include "desktop/ProgramIcon.h"
#include "desktop/Requests.h"
#include "desktop/SingleInstance.h"
#include "desktop/Translations.h"
#include "exchange/CommandLine.h"
#include "shell/Forms.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Exports and imports for scripts run without a window.
    if (CommandLine::wanted(argc, argv))
        return CommandLine::main(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pintora"));
    QApplication::setDesktopFileName(QStringLiteral("pintora"));
    // Ending is the launcher's business alone.
    QApplication::setQuitOnLastWindowClosed(false);
    Fonts::install();
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
    Startup::run();
    DesktopIntegration desktop;
    Requests::openLinks(QApplication::arguments().mid(1));
    const int code = QApplication::exec();
    Forms::discardAll();
    return code;
}
