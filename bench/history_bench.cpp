// The history window on a full history (32,767 mails, 1.06 GB): time from the
// launcher's click to a usable list, from a warm page cache and with the file's
// pages evicted, memory above an empty history window, and deleting one mail
// beside a plain `cp` of the same file.
// Usage: bench_history [records]   (default 32767)
#include "core/common/AppPaths.h"
#include "ui/common/Fonts.h"
#include "core/history/HistoryFile.h"
#include "core/history/WholeMailLink.h"
#include "ui/shell/Forms.h"
#include "ui/viewer/HistoryDeletion.h"
#include "ui/viewer/TyakuForm.h"

#include "BenchHistory.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// Drops the file's pages from the page cache, as after a reboot or a long day.
bool evict(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fdatasync(fd) == 0 && ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED) == 0;
    ::close(fd);
    return ok;
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Fonts::install();
    const int records = argc > 1 ? QByteArray(argv[1]).toInt() : 32767;

    QTemporaryDir install;
    AppPaths::setAppDir(install.path());
    AppPaths::ensureInstallationFolders();
    const QString path = AppPaths::resolve(AppPaths::kReceivedHistory);
    std::printf("writing %d records...\n", records);
    BenchHistory::write(path, records);
    BenchHistory::warm(path);
    std::printf("history file: %.2f GB\n", QFile(path).size() / 1e9);

    // An empty history window first, so its own cost is not counted.
    TyakuForm::openHistory(HistoryFile::Kind::Sent);
    QApplication::processEvents();
    Forms::existing<TyakuForm>()->grab();
    const long emptyKb = residentKb();

    QElapsedTimer clock;
    clock.start();
    TyakuForm *form = TyakuForm::openHistory(HistoryFile::Kind::Received);
    QApplication::processEvents();
    form->grab();  // the list drawn once: usable
    const double listMs = clock.nsecsElapsed() / 1e6;
    const long fullKb = residentKb();
    std::printf("click to usable list: %.1f ms (target <= 100 ms), rows %d\n", listMs, form->rowCount());
    std::printf("resident above an empty history window: %.1f MB (target <= 60 MB)\n",
                (fullKb - emptyKb) / 1024.0);

    const bool evicted = evict(path);
    clock.restart();
    form = TyakuForm::openHistory(HistoryFile::Kind::Received);
    QApplication::processEvents();
    form->grab();
    std::printf("click to usable list, file evicted from the page cache%s: %.1f ms (target <= 100 ms)\n",
                evicted ? "" : " (eviction refused)", clock.nsecsElapsed() / 1e6);

    const QString copy = install.path() + QStringLiteral("/copy.data");
    BenchHistory::warm(path);
    const double cpMs = timedCommand(QStringLiteral("cp"), {path, copy});
    QFile::remove(copy);
    const double cpSyncMs = timedCommand(QStringLiteral("sh"),
                                         {QStringLiteral("-c"), QStringLiteral("cp '%1' '%2' && sync '%2'").arg(path, copy)});
    QFile::remove(copy);

    BenchHistory::warm(path);
    clock.restart();
    const auto result = HistoryFile(HistoryFile::Kind::Received).remove(1);
    const double deleteMs = clock.nsecsElapsed() / 1e6;
    std::printf("delete one record: %.0f ms (%s), written through and flushed to disk\n", deleteMs,
                result.ok ? "ok" : qPrintable(result.error));
    std::printf("cp of the same file: %.0f ms; cp + sync: %.0f ms\n", cpMs, cpSyncMs);

    // As the history window deletes: on a worker, the window thread's events going on.
    BenchHistory::warm(path);
    qint64 longestStallNs = 0;
    QElapsedTimer sinceTick;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestStallNs = qMax(longestStallNs, sinceTick.nsecsElapsed());
        sinceTick.restart();
    });
    sinceTick.start();
    ticker.start();
    clock.restart();
    const auto fromWindow = HistoryDeletion::run(HistoryFile::Kind::Received, 1, 0, form);
    ticker.stop();
    std::printf("delete one record from the history window: %.0f ms (%s), longest window-thread stall %.1f ms "
                "(target <= 50 ms)\n",
                clock.nsecsElapsed() / 1e6, fromWindow.ok ? "ok" : qPrintable(fromWindow.error),
                longestStallNs / 1e6);

    // Deleting all first looks for the whole-mail files the records link to.
    evict(path);
    clock.restart();
    const QStringList linked = WholeMailLink::linkedFiles(HistoryFile::Kind::Received);
    std::printf("kept files linked from every record, file evicted: %.0f ms (%lld found)\n",
                clock.nsecsElapsed() / 1e6, static_cast<long long>(linked.size()));
    std::printf("ratio delete / cp: %.2f (target <= 1.5); delete / (cp + sync): %.2f\n", deleteMs / cpMs,
                deleteMs / cpSyncMs);
    Forms::discardAll();
    return 0;
}
