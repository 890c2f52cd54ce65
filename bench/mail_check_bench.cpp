// The mail check against its peers: 1,000 mails of about 20 KB waiting in the local
// Dovecot of tests/harness, fetched, stored and deleted by Pintora's mail check, by a
// minimal Python poplib client (each mail written to a file, fsynced, deleted; and once
// without fsync) and by fetchmail handing each mail to an MDA. Every client reaches the
// same server the same way (STLS, certificate checked) and finds the same mails.
//   bench_mail_check [mails [--only-pintora]]
#include "common/AppPaths.h"
#include "history/HistoryFile.h"
#include "receive/MailCheck.h"
#include "settings/AccountFile.h"
#include "shell/Forms.h"
#include "settings/RuntimeSettings.h"

#include "BenchHarness.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <iconv.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

struct Servers {
    QString host;
    int pop3 = 0;
    QString password;
    QString cert;
    QString maildirs;
    int uid = -1;
    int gid = -1;
};

QByteArray toJis(const QByteArray &utf8)
{
    iconv_t cd = iconv_open("ISO-2022-JP", "UTF-8");
    QByteArray out(utf8.size() * 2 + 16, Qt::Uninitialized);
    char *in = const_cast<char *>(utf8.constData());
    size_t inLeft = utf8.size();
    char *o = out.data();
    size_t oLeft = out.size();
    iconv(cd, &in, &inLeft, &o, &oLeft);
    iconv(cd, nullptr, nullptr, &o, &oLeft);
    iconv_close(cd);
    out.truncate(o - out.data());
    return out;
}

QByteArray makeMail(int n)
{
    const QByteArray line = toJis(QStringLiteral("今日は良い天気ですね。週末の予定について相談させてください。第%1便")
                                      .arg(n).toUtf8());
    QByteArray body;
    while (body.size() < 19500)
        body += line + "\r\n";
    const QByteArray subject = toJis(QStringLiteral("ベンチマーク %1 通目").arg(n).toUtf8()).toBase64();
    return "Return-Path: <bench@example.jp>\r\nFrom: bench@example.jp\r\nTo: user@example.jp\r\n"
           "Subject: =?ISO-2022-JP?B?" + subject + "?=\r\n"
           "Date: Mon, 7 Dec 2026 10:00:00 +0900\r\nMessage-ID: <" + QByteArray::number(n) + "@bench>\r\n"
           "MIME-Version: 1.0\r\nContent-Type: text/plain; charset=ISO-2022-JP\r\n"
           "Content-Transfer-Encoding: 7bit\r\n\r\n" + body;
}

void deliverAll(const Servers &s, const QString &user, const QList<QByteArray> &mails)
{
    BenchHarness::deliver(s.maildirs, s.uid, s.gid, user, mails);
}

int waiting(const Servers &s, const QString &user)
{
    const QString maildir = s.maildirs + u'/' + user + QStringLiteral("/Maildir");
    return static_cast<int>(QDir(maildir + QStringLiteral("/new")).entryList(QDir::Files).size()
                            + QDir(maildir + QStringLiteral("/cur")).entryList(QDir::Files).size());
}

const char *kPoplibClient = R"(
import os, poplib, ssl, sys
host, port, user, password, cert, out, sync = sys.argv[1:8]
p = poplib.POP3(host, int(port))
p.stls(context=ssl.create_default_context(cafile=cert))
p.user(user)
p.pass_(password)
count = p.stat()[0]
for i in range(1, count + 1):
    lines = p.retr(i)[1]
    with open(os.path.join(out, str(i)), "wb") as f:
        f.write(b"\r\n".join(lines) + b"\r\n")
        if sync == "1":
            f.flush()
            os.fsync(f.fileno())
    p.dele(i)
p.quit()
)";

double runProcess(const QString &program, const QStringList &args, const QProcessEnvironment &env = {})
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(args);
    if (!env.isEmpty())
        process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start();
    process.waitForFinished(-1);
    const double seconds = clock.nsecsElapsed() / 1e9;
    if (process.exitCode() != 0 && program.endsWith(QStringLiteral("python3")))
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program), process.readAllStandardOutput().constData());
    return seconds;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool onlyPintora = argc > 2 && QByteArray(argv[2]) == "--only-pintora";
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 1000;

    QTemporaryDir work;
    const QString state = work.filePath(QStringLiteral("harness"));
    if (!BenchHarness::start(state)) {
        std::fprintf(stderr, "the mail servers did not start\n");
        return 1;
    }
    const auto ini = BenchHarness::servers(state);
    Servers s{ini.value(QStringLiteral("host")),        ini.value(QStringLiteral("pop3")).toInt(),
              ini.value(QStringLiteral("password")),    ini.value(QStringLiteral("cert")),
              ini.value(QStringLiteral("maildirs")),    ini.value(QStringLiteral("uid")).toInt(),
              ini.value(QStringLiteral("gid")).toInt()};

    QList<QByteArray> mails;
    qint64 bytes = 0;
    for (int i = 1; i <= count; ++i) {
        mails << makeMail(i);
        bytes += mails.back().size();
    }
    std::printf("mail check of %d mails, %.1f KB each on average, local Dovecot, STLS with certificate check\n",
                count, bytes / 1024.0 / count);

    // Pintora: the launcher's mail check, in a fresh installation.
    auto install = std::make_unique<BenchInstallation>(s.cert);
    AccountFile().store(QStringLiteral("pintora"), s.password);
    runtimeSettings().Pop3Server = QStringLiteral("%1:%2").arg(s.host).arg(s.pop3);
    deliverAll(s, QStringLiteral("pintora"), mails);
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    // The window thread's longest stall while the check runs on its worker.
    QElapsedTimer ticks;
    ticks.start();
    qint64 lastTick = 0;
    qint64 longestStall = 0;
    QTimer stallWatch;
    stallWatch.setInterval(5);
    QObject::connect(&stallWatch, &QTimer::timeout, [&] {
        longestStall = qMax(longestStall, ticks.elapsed() - lastTick);
        lastTick = ticks.elapsed();
    });
    stallWatch.start();
    QElapsedTimer clock;
    clock.start();
    const MailCheck::Outcome outcome = MailCheck::run();
    stallWatch.stop();
    const double pintora = clock.nsecsElapsed() / 1e9;
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    auto cpu = [](const timeval &t) { return t.tv_sec + t.tv_usec / 1e6; };
    const double pintoraCpu = cpu(after.ru_utime) - cpu(before.ru_utime) + cpu(after.ru_stime) - cpu(before.ru_stime);
    const int records = HistoryFile(HistoryFile::Kind::Received).count();
    const QStringList boxes = install->prompt.texts;
    Forms::discardAll();
    install.reset();
    if (onlyPintora) {
        BenchHarness::stop(state);
        std::printf("  pintora mail check %.3f s, %.3f s of CPU, %d records\n", pintora, pintoraCpu, records);
        std::printf("  window thread's longest stall %lld ms (target <= 50)\n", static_cast<long long>(longestStall));
        return 0;
    }

    // The poplib client, with and without fsync.
    const QString clientPath = work.filePath(QStringLiteral("poplib_client.py"));
    QFile client(clientPath);
    client.open(QIODevice::WriteOnly);
    client.write(kPoplibClient);
    client.close();
    double poplib[2] = {0, 0};
    int poplibLeft[2] = {0, 0};
    for (int sync = 1; sync >= 0; --sync) {
        const QString user = QStringLiteral("poplib%1").arg(sync);
        const QString out = work.filePath(user);
        QDir().mkpath(out);
        deliverAll(s, user, mails);
        poplib[sync] = runProcess(QStringLiteral("/usr/bin/python3"),
                                  {clientPath, s.host, QString::number(s.pop3), user, s.password, s.cert, out,
                                   QString::number(sync)});
        poplibLeft[sync] = waiting(s, user);
    }

    // fetchmail, handing every mail to an MDA.
    const QString home = work.filePath(QStringLiteral("fetchmail"));
    QDir().mkpath(home);
    const QString rc = home + QStringLiteral("/fetchmailrc");
    QFile rcFile(rc);
    rcFile.open(QIODevice::WriteOnly);
    rcFile.write(QStringLiteral("set no syslog\npoll %1 with proto POP3 port %2\n"
                                "  user \"fetchmail\" there with password \"%3\"\n"
                                "  options fetchall nokeep sslcertck sslcertfile \"%4\" sslcommonname \"localhost\" mda \"cat > /dev/null\"\n")
                     .arg(s.host).arg(s.pop3).arg(s.password, s.cert).toUtf8());
    rcFile.close();
    rcFile.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    deliverAll(s, QStringLiteral("fetchmail"), mails);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FETCHMAILHOME"), home);
    const double fetchmail = runProcess(QStringLiteral("fetchmail"),
                                        {QStringLiteral("-f"), rc, QStringLiteral("-i"), home + QStringLiteral("/ids"),
                                         QStringLiteral("--silent")},
                                        env);
    const int fetchmailLeft = waiting(s, QStringLiteral("fetchmail"));

    BenchHarness::stop(state);

    std::printf("  %-34s %7.3f s  (%d records, %d left on the server%s; %.3f s of CPU in the client)\n",
                "pintora mail check", pintora, records, waiting(s, QStringLiteral("pintora")),
                boxes.isEmpty() ? "" : ", with error boxes", pintoraCpu);
    std::printf("  %-34s %7.3f s  (%d left)\n", "python poplib, write + fsync", poplib[1], poplibLeft[1]);
    std::printf("  %-34s %7.3f s  (%d left)\n", "python poplib, write, no fsync", poplib[0], poplibLeft[0]);
    std::printf("  %-34s %7.3f s  (%d left)\n", "fetchmail, one MDA per mail", fetchmail, fetchmailLeft);
    std::printf("  pintora / poplib with fsync     = %.2f  (target <= 1.5: %s)\n", pintora / poplib[1],
                pintora <= 1.5 * poplib[1] ? "met" : "NOT met");
    std::printf("  pintora / poplib without fsync  = %.2f  (target <= 1.0: %s)\n", pintora / poplib[0],
                pintora <= poplib[0] ? "met" : "NOT met");
    std::printf("  pintora / fetchmail             = %.2f\n", pintora / fetchmail);
    std::printf("  window thread's longest stall   = %lld ms (target <= 50: %s)\n", static_cast<long long>(longestStall),
                longestStall <= 50 ? "met" : "missed");
    return outcome.stored == count ? 0 : 1;
}
