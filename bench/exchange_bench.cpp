// Exporting a full received history (32,767 mails, 1.06 GB) to an mbox file,
// beside a plain `cp` of the same history file: time, and peak memory above
// the program before the export (the export streams, so it stays flat).
// Every thousandth record links a kept whole mail of 100 KB.
// Usage: bench_exchange [records]   (default 32767)
#include "core/common/AppPaths.h"
#include "core/common/SafeFile.h"
#include "core/exchange/HistoryExchange.h"
#include "core/history/HistoryFile.h"
#include "core/history/WholeMailLink.h"

#include "BenchHistory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

namespace {

long statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').first().toLong();
    return 0;
}

// Lets the peak figure start again from what the process holds now.
void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// Every thousandth record links a whole mail, as long mails do.
void writeHistory(const QString &path, int records)
{
    QByteArray whole = "From: kept@example.jp\r\nSubject: kept\r\nDate: Mon, 7 Dec 2026 08:30:00 +0900\r\n\r\n";
    while (whole.size() < 100 * 1024)
        whole += "From a long mail, one line of many.\r\n";
    BenchHistory::write(path, records, [&whole](int n) {
        HistoryRecord record = BenchHistory::usualRecord(n);
        if (n % 1000 == 0)
            WholeMailLink::keepReceived(record, whole, record.Subject, nullptr);
        return record;
    });
}

double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

double timedCommand(const QString &program, const QStringList &args)
{
    QElapsedTimer clock;
    clock.start();
    QProcess::execute(program, args);
    return clock.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? QByteArray(argv[1]).toInt() : 32767;

    QTemporaryDir install;
    AppPaths::setAppDir(install.path());
    AppPaths::ensureInstallationFolders();
    const QString path = AppPaths::resolve(AppPaths::kReceivedHistory);
    std::printf("writing %d records...\n", records);
    writeHistory(path, records);
    BenchHistory::warm(path);
    std::printf("history file: %.2f GB\n", QFile(path).size() / 1e9);

    // The history's own write-back must not fall into the timings.
    SafeFile::flush(path);
    timedCommand(QStringLiteral("sync"), {});

    // Best of three each, as other work shares the machine.
    const QString copy = install.path() + QStringLiteral("/copy.data");
    const QString mbox = install.path() + QStringLiteral("/received.mbox");
    double cpMs = 1e300, cpSyncMs = 1e300, exportMs = 1e300, exportCpuMs = 1e300, readMs = 1e300;
    HistoryExchange::Outcome outcome;
    long peakAboveKb = 0;
    for (int round = 0; round < 3; ++round) {
        BenchHistory::warm(path);
        cpMs = qMin(cpMs, timedCommand(QStringLiteral("cp"), {path, copy}));
        QFile::remove(copy);
        cpSyncMs = qMin(cpSyncMs, timedCommand(QStringLiteral("sh"), {QStringLiteral("-c"),
                                               QStringLiteral("cp '%1' '%2' && sync '%2'").arg(path, copy)}));
        QFile::remove(copy);
        timedCommand(QStringLiteral("sync"), {});

        BenchHistory::warm(path);
        const long beforeKb = statusKb("VmRSS:");
        resetPeak();
        QElapsedTimer clock;
        clock.start();
        const double cpuBefore = cpuMs();
        outcome = HistoryExchange::exportMbox(HistoryFile::Kind::Received, mbox);
        exportMs = qMin(exportMs, clock.nsecsElapsed() / 1e6);
        exportCpuMs = qMin(exportCpuMs, cpuMs() - cpuBefore);
        clock.restart();
        BenchHistory::warm(path);
        readMs = qMin(readMs, clock.nsecsElapsed() / 1e6);
        peakAboveKb = qMax(peakAboveKb, statusKb("VmHWM:") - beforeKb);
        timedCommand(QStringLiteral("sync"), {});
    }

    std::printf("best of 3 each\nexport to mbox: %.0f ms (%s, %d mails, %.1f MB written, flushed to disk)\n", exportMs,
                outcome.ok ? "ok" : qPrintable(outcome.error), outcome.count, QFile(mbox).size() / 1e6);
    std::printf("  of which CPU time: %.0f ms; reading the history file alone: %.0f ms\n", exportCpuMs, readMs);
    std::printf("cp of the history file: %.0f ms; cp + sync: %.0f ms\n", cpMs, cpSyncMs);
    std::printf("ratio export / cp: %.2f (target <= 3); export / (cp + sync): %.2f\n", exportMs / cpMs,
                exportMs / cpSyncMs);
    std::printf("peak memory above the program before the export: %.1f MB\n", peakAboveKb / 1024.0);
    return 0;
}
