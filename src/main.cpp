#include "common/Fonts.h"
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

    Startup::run();
    const int code = QApplication::exec();
    Forms::discardAll();
    return code;
}
