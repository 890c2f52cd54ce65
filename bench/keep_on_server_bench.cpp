// Mail left on the server: a check that finds many mails it stored before and
// nothing new, against the real Dovecot of tests/harness (STLS), beside a bare
// Python poplib client that only asks for the ids. Medians of three runs.
//   bench_keep_on_server [mails]   (default 10000)
#include "core/history/HistoryFile.h"
#include "ui/receive/MailCheck.h"
#include "core/settings/AccountFile.h"
#include "core/settings/RuntimeSettings.h"
#include "ui/shell/Forms.h"

#include "BenchHarness.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

const char *kUidlClient = R"(
import poplib, ssl, sys
host, port, user, password, cert = sys.argv[1:6]
p = poplib.POP3(host, int(port))
p.stls(context=ssl.create_default_context(cafile=cert))
p.user(user)
p.pass_(password)
ids = p.uidl()[1]
p.quit()
print(len(ids))
)";

QByteArray smallMail(int n)
{
    return "From: bench@example.jp\r\nTo: user@example.jp\r\nSubject: kept " + QByteArray::number(n)
        + "\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\nMessage-ID: <" + QByteArray::number(n)
        + "@keep>\r\n\r\nleft on the server for the phone\r\n";
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;

    const BenchHarness::RunningServers harness;
    if (!harness.started())
        return 1;
    const auto &ini = harness.ini();
    const QString host = ini.value(QStringLiteral("host"));
    const QString port = ini.value(QStringLiteral("pop3"));
    const QString password = ini.value(QStringLiteral("password"));
    const QString cert = ini.value(QStringLiteral("cert"));
    QList<QByteArray> mails;
    for (int n = 1; n <= count; ++n)
        mails << smallMail(n);
    BenchHarness::deliver(ini.value(QStringLiteral("maildirs")), ini.value(QStringLiteral("uid")).toInt(),
                          ini.value(QStringLiteral("gid")).toInt(), QStringLiteral("keeper"), mails);

    auto install = std::make_unique<BenchInstallation>(cert);
    AccountFile().store(QStringLiteral("keeper"), password);
    RuntimeSettings &settings = runtimeSettings();
    settings.Pop3Server = host + u':' + port;
    settings.KeepOnServer = 1;

    QElapsedTimer clock;
    clock.start();
    const MailCheck::Outcome first = MailCheck::run();
    const double firstSeconds = clock.nsecsElapsed() / 1e9;
    QList<double> again;
    int storedAgain = 0;
    for (int run = 0; run < 3; ++run) {
        clock.restart();
        storedAgain += MailCheck::run().stored;
        again << clock.nsecsElapsed() / 1e9;
    }
    const int records = HistoryFile(HistoryFile::Kind::Received).count();
    Forms::discardAll();
    install.reset();

    const QString clientPath = harness.workPath(QStringLiteral("uidl_client.py"));
    QFile client(clientPath);
    client.open(QIODevice::WriteOnly);
    client.write(kUidlClient);
    client.close();
    QList<double> bare;
    for (int run = 0; run < 3; ++run) {
        clock.restart();
        QProcess::execute(QStringLiteral("/usr/bin/python3"),
                          {clientPath, host, port, QStringLiteral("keeper"), password, cert});
        bare << clock.nsecsElapsed() / 1e9;
    }

    const double pintora = median(again);
    const double python = median(bare);
    std::printf("  first check, %d mails stored and left: %.3f s (%d records)\n", first.stored, firstSeconds, records);
    std::printf("  %-44s %7.3f s  (median of 3; %d stored again)\n", "pintora check, nothing new", pintora, storedAgain);
    std::printf("  %-44s %7.3f s  (median of 3)\n", "python poplib, UIDL alone", python);
    std::printf("  pintora <= 1 s: %s; pintora / poplib UIDL = %.2f (target <= 1.2: %s)\n",
                pintora <= 1.0 ? "met" : "NOT met", pintora / python, pintora <= 1.2 * python ? "met" : "NOT met");
    return storedAgain == 0 ? 0 : 1;
}
