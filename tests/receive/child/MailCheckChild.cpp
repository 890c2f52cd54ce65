// A mail check in a process of its own, so a test can kill it at any moment:
//   mail_check_child APP_DIR POP3_SERVER USER PASSWORD CA_CERTIFICATE [keep]
#include "core/common/AppPaths.h"
#include "ui/common/Prompt.h"
#include "ui/receive/MailCheck.h"
#include "core/settings/AccountFile.h"
#include "core/settings/RuntimeSettings.h"
#include "support/SilentPrompt.h"

#include <QApplication>
#include <QSslCertificate>
#include <QSslConfiguration>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 6 && args.size() != 7)
        return 2;
    QSslConfiguration ssl = QSslConfiguration::defaultConfiguration();
    ssl.addCaCertificates(QSslCertificate::fromPath(args[5]));
    QSslConfiguration::setDefaultConfiguration(ssl);
    AppPaths::setAppDir(args[1]);
    AppPaths::ensureInstallationFolders();
    SilentPrompt prompt;
    Prompt::install(&prompt);
    AccountFile().store(args[3], args[4]);
    runtimeSettings().Pop3Server = args[2];
    runtimeSettings().KeepOnServer = args.value(6) == QStringLiteral("keep") ? 1 : 0;
    const MailCheck::Outcome outcome = MailCheck::run();
    Prompt::install(nullptr);
    return outcome.failed ? 1 : 0;
}
