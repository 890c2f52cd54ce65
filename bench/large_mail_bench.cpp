// Large received mails against their size: a mail of many short lines and a mail
// with one big attachment, each at 1x, 10x and 100x, received by the real mail
// check from the local Dovecot. Prints the time and the peak memory of each
// (every case runs in a process of its own, so the peaks do not mix).
//   bench_large_mail
#include "BenchHarness.h"
#include "core/common/AppPaths.h"
#include "core/history/HistoryFile.h"
#include "ui/receive/MailCheck.h"
#include "core/settings/AccountFile.h"
#include "core/settings/RuntimeSettings.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>

#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray shortLines(qint64 bytes)
{
    QByteArray body;
    body.reserve(bytes + 64);
    for (int n = 0; body.size() < bytes; ++n)
        body += "ok " + QByteArray::number(n % 100) + "\r\n";
    return "From: big@example.jp\r\nSubject: short lines\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\n"
           "Content-Type: text/plain; charset=us-ascii\r\n\r\n" + body;
}

QByteArray withAttachment(qint64 bytes)
{
    QByteArray data(bytes, Qt::Uninitialized);
    for (qint64 i = 0; i < bytes; ++i)
        data[i] = char((i * 7919) >> 3);
    QByteArray encoded = data.toBase64();
    QByteArray folded;
    folded.reserve(encoded.size() + encoded.size() / 38 + 16);
    for (qint64 i = 0; i < encoded.size(); i += 76)
        folded += encoded.mid(i, 76) + "\r\n";
    return "From: big@example.jp\r\nSubject: one big file\r\nMIME-Version: 1.0\r\n"
           "Content-Type: multipart/mixed; boundary=\"b\"\r\n\r\n--b\r\nContent-Type: text/plain\r\n\r\nsee the file\r\n"
           "--b\r\nContent-Type: application/octet-stream\r\nContent-Transfer-Encoding: base64\r\n"
           "Content-Disposition: attachment; filename=\"big.bin\"\r\n\r\n" + folded + "--b--\r\n";
}

// The process's peak resident size since the last reset, from the kernel.
double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

// One case in this process: deliver the mail made beforehand, check, print "seconds peakMB".
int runCase(const QString &stateDir, const QString &mailFile)
{
    const auto s = BenchHarness::servers(stateDir);
    const QString user = QStringLiteral("big%1").arg(::getpid());
    const QString maildir = s[QStringLiteral("maildirs")] + u'/' + user + QStringLiteral("/Maildir");
    for (const QString &dir : {s[QStringLiteral("maildirs")] + u'/' + user, maildir, maildir + QStringLiteral("/tmp"),
                               maildir + QStringLiteral("/new"), maildir + QStringLiteral("/cur")}) {
        QDir().mkpath(dir);
        (void)!::chown(QFile::encodeName(dir).constData(), s[QStringLiteral("uid")].toInt(), s[QStringLiteral("gid")].toInt());
    }
    {
        const QString path = maildir + QStringLiteral("/new/1.big");
        QFile f(path);
        QFile::copy(mailFile, path);
        (void)!::chown(QFile::encodeName(path).constData(), s[QStringLiteral("uid")].toInt(), s[QStringLiteral("gid")].toInt());
    }
    // The peak counts from here: building the mail above is the bench's own cost.
    {
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5");
    }

    BenchInstallation install(s[QStringLiteral("cert")]);
    AccountFile().store(user, s[QStringLiteral("password")]);
    runtimeSettings().Pop3Server = QStringLiteral("%1:%2").arg(s[QStringLiteral("host")], s[QStringLiteral("pop3")]);
    QElapsedTimer clock;
    clock.start();
    const MailCheck::Outcome outcome = MailCheck::run();
    const double seconds = clock.nsecsElapsed() / 1e9;
    const QStringList &texts = install.prompt.texts;
    std::printf("%.3f %.1f %d %s\n", seconds, peakMegabytes(), outcome.stored,
                texts.isEmpty() ? "-" : qPrintable(texts.first().left(60).replace(u' ', u'_')));
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--case")
        return runCase(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));

    const BenchHarness::RunningServers harness;
    if (!harness.started())
        return 1;
    const QString &state = harness.state();
    struct Case {
        const char *kind;
        const char *label;
        qint64 bytes;
    };
    const Case cases[] = {
        {"lines", "short lines, 0.18 MB", 180 * 1000},       {"lines", "short lines, 1.8 MB", 1800 * 1000},
        {"lines", "short lines, 18 MB", 18 * 1000 * 1000},  {"file", "attachment, 2 MB", 2 * 1000 * 1000},
        {"file", "attachment, 20 MB", 20 * 1000 * 1000},    {"file", "attachment, 200 MB", 200 * 1000 * 1000},
        // A mail of 200 MB as it travels: its attachment is three quarters of that once decoded.
        {"file", "mail of 200 MB", 146 * 1000 * 1000},
    };
    std::printf("large mails received by the mail check from the local Dovecot (STLS), one mail per case\n");
    double linesSeconds = 0;
    double bigPeak = 0;
    for (const Case &c : cases) {
        const QString mailFile = harness.workPath(QStringLiteral("case.eml"));
        {
            QFile f(mailFile);
            f.open(QIODevice::WriteOnly);
            f.write(QByteArray(c.kind) == "lines" ? shortLines(c.bytes) : withAttachment(c.bytes));
        }
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--case"), state, mailFile});
        child.waitForFinished(-1);
        const QList<QByteArray> words = child.readAllStandardOutput().trimmed().split(' ');
        if (words.size() < 4) {
            std::printf("  %-24s failed\n", c.label);
            continue;
        }
        std::printf("  %-24s %7.3f s  peak %7.1f MB  (%s record%s)\n", c.label, words[0].toDouble(),
                    words[1].toDouble(), words[2].constData(), words[3] == "-" ? "" : (", box: " + words[3]).constData());
        if (c.bytes == 18 * 1000 * 1000)
            linesSeconds = words[0].toDouble();
        if (c.bytes == 146 * 1000 * 1000)
            bigPeak = words[1].toDouble();
    }
    std::printf("  18 MB of short lines: %.3f s (target <= 2 s: %s)\n", linesSeconds, linesSeconds <= 2 ? "met" : "missed");
    std::printf("  200 MB mail peak memory: %.0f MB (target <= 500 MB: %s)\n", bigPeak, bigPeak <= 500 ? "met" : "missed");
    return 0;
}
