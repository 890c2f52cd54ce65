// The history window on a full history whose every record links its whole mail
// (32,767 records and as many .eml files): the click-to-usable time beside an
// empty history, and paging through the whole list with Page Down, where each
// page is one keypress, the events it brings and one drawing of the list. The
// window thread's longest page is the stall a user would feel.
// Usage: bench_history_rows [records]   (default 32767)
#include "core/common/AppPaths.h"
#include "ui/common/Fonts.h"
#include "core/history/HistoryFile.h"
#include "core/history/WholeMailLink.h"
#include "ui/shell/Forms.h"
#include "ui/viewer/HistoryListModel.h"
#include "ui/viewer/TyakuForm.h"

#include "BenchHistory.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QKeyEvent>
#include <QThread>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

QString subjectOf(int n)
{
    return QStringLiteral("お知らせ %1 😊🍊").arg(n);
}

QByteArray mailOf(int n)
{
    return "From: =?UTF-8?B?" + QStringLiteral("김철수").toUtf8().toBase64() + "?= <kim" + QByteArray::number(n)
        + "@example.kr>\r\nTo: me@example.jp\r\nSubject: =?UTF-8?B?" + subjectOf(n).toUtf8().toBase64()
        + "?=\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\nMIME-Version: 1.0\r\n"
          "Content-Type: text/plain; charset=UTF-8\r\nContent-Transfer-Encoding: 8bit\r\n\r\n"
        + QStringLiteral("本文です。🍊\r\n").repeated(40 + n % 50).toUtf8();
}

void writeHistory(int records)
{
    const QString folder = AppPaths::resolve(AppPaths::kAttachmentFolder);
    BenchHistory::write(AppPaths::resolve(AppPaths::kReceivedHistory), records, [&folder](int n) {
        const QString name = QStringLiteral("mail%1.eml").arg(n, 5, 10, QLatin1Char('0'));
        QFile mail(folder + name);
        mail.open(QIODevice::WriteOnly);
        mail.write(mailOf(n));
        return HistoryRecord{subjectOf(n), QStringLiteral("Mon, 7 Dec 2026 10:00:00 +0900"),
                             QStringLiteral("??? <kim%1@example.kr>").arg(n),
                             WholeMailLink::appendTo(QStringLiteral("本文です。\r\n").repeated(40 + n % 50),
                                                     QStringLiteral("添付フォルダ\\") + name)};
    });
}

double openMs(HistoryFile::Kind kind)
{
    Forms::discardAll();
    QApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    TyakuForm *form = TyakuForm::openHistory(kind);
    QApplication::processEvents();
    form->grab();  // the list drawn once: usable
    return clock.nsecsElapsed() / 1e6;
}

struct Shown {
    int rows = 0;
    int whole = 0;  // showing the whole mail's subject
};

// The rows on the screen now, but the selected one: a selected row is read whole
// when it is shown in the boxes.
Shown shownRows(QTreeView *list)
{
    Shown shown;
    for (QModelIndex index = list->indexAt(QPoint(1, 1)); index.isValid(); index = list->indexBelow(index)) {
        if (list->visualRect(index).top() >= list->viewport()->height())
            break;
        if (index.row() == list->currentIndex().row())
            continue;
        ++shown.rows;
        shown.whole += index.data().toString().trimmed() == subjectOf(index.row() + 1);
    }
    return shown;
}

// CPU time of the calling thread: what a page costs the window thread itself,
// apart from the time other programs on a busy machine take from it.
double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

QByteArray loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().split(' ').mid(0, 3).join(' ') : QByteArray("?");
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
    std::printf("writing %d records and their mails...\n", records);
    writeHistory(records);

    // The first window pays for fonts and styles; neither figure should.
    openMs(HistoryFile::Kind::Sent);
    double emptyMs = 1e9;
    double fullMs = 1e9;
    for (int round = 0; round < 3; ++round) {
        emptyMs = std::min(emptyMs, openMs(HistoryFile::Kind::Sent));
        fullMs = std::min(fullMs, openMs(HistoryFile::Kind::Received));
    }
    std::printf("click to usable list: empty history %.1f ms, %d linked records %.1f ms, difference %.1f ms "
                "(target <= 100 ms)\n",
                emptyMs, records, fullMs, fullMs - emptyMs);

    // What the reader does for each drawn row, away from the window thread.
    {
        const int sample = std::min(records, 2000);
        QElapsedTimer clock;
        clock.start();
        int found = 0;
        for (int n = 1; n <= sample; ++n)
            found += WholeMailLink::readHeader(*WholeMailLink::readLinkPart(HistoryFile::Kind::Received, n),
                                               HistoryFile::Kind::Received)
                         .has_value();
        std::printf("reading one row's linked header (its record's link, then the mail's header): %.0f us (%d of %d found)\n",
                    clock.nsecsElapsed() / 1e3 / sample, found, sample);
    }

    TyakuForm *form = Forms::existing<TyakuForm>();
    QTreeView *list = form->mailList();
    auto *model = qobject_cast<HistoryListModel *>(list->model());
    list->setFocus();
    list->setCurrentIndex(model->index(0, 0));
    QApplication::processEvents();

    std::vector<double> pages, keys, events, draws, cpu;
    QElapsedTimer total;
    total.start();
    long sampledRows = 0;
    long sampledWhole = 0;
    while (list->currentIndex().row() < records - 1) {
        QElapsedTimer page;
        page.start();
        const double cpuStart = threadCpuMs();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
        QApplication::sendEvent(list, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_PageDown, Qt::NoModifier);
        QApplication::sendEvent(list, &release);
        const double keyMs = page.nsecsElapsed() / 1e6;
        QApplication::processEvents();
        const double eventsMs = page.nsecsElapsed() / 1e6;
        list->viewport()->grab();
        pages.push_back(page.nsecsElapsed() / 1e6);
        cpu.push_back(threadCpuMs() - cpuStart);
        keys.push_back(keyMs);
        events.push_back(eventsMs - keyMs);
        draws.push_back(pages.back() - eventsMs);
        if (pages.size() % 16 == 0) {
            const Shown shown = shownRows(list);
            sampledRows += shown.rows;
            sampledWhole += shown.whole;
        }
        if (pages.size() > size_t(records))
            break;
    }
    const double toEndMs = total.nsecsElapsed() / 1e6;
    const auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values.empty() ? 0.0 : values[values.size() / 2];
    };
    std::vector<double> sorted = pages;
    std::sort(sorted.begin(), sorted.end());
    const auto at = [&](double q) { return sorted.empty() ? 0.0 : sorted[size_t(q * (sorted.size() - 1))]; };
    std::printf("Page Down to the end: %zu pages in %.0f ms; window thread per page: median %.2f ms, "
                "99th percentile %.2f ms, longest %.1f ms (target <= 50 ms)\n",
                pages.size(), toEndMs, at(0.5), at(0.99), sorted.empty() ? 0.0 : sorted.back());
    const auto longest = [](const std::vector<double> &values) {
        return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
    };
    std::printf("  the key (the selected mail shown) median %.2f ms, longest %.1f ms; other events median %.2f ms, "
                "longest %.1f ms; drawing the list median %.2f ms, longest %.1f ms\n",
                median(keys), longest(keys), median(events), longest(events), median(draws), longest(draws));
    std::vector<double> cpuSorted = cpu;
    std::sort(cpuSorted.begin(), cpuSorted.end());
    std::printf("  window thread CPU per page: median %.2f ms, 99th percentile %.2f ms, longest %.1f ms\n",
                median(cpu), cpuSorted.empty() ? 0.0 : cpuSorted[size_t(0.99 * (cpuSorted.size() - 1))],
                longest(cpu));
    std::printf("  pages over 50 ms: %ld; load average now: %s\n",
                long(std::count_if(pages.begin(), pages.end(), [](double ms) { return ms > 50; })),
                loadAverage().constData());
    std::printf("rows already whole when their page was first drawn (every 16th page): %ld of %ld\n",
                sampledWhole, sampledRows);

    // The last page fills in as soon as its rows are read.
    QElapsedTimer settle;
    settle.start();
    while (shownRows(list).whole < shownRows(list).rows || model->linksPending() > 0) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        if (settle.elapsed() > 10000)
            break;
        QThread::msleep(1);
    }
    list->viewport()->grab();
    const Shown last = shownRows(list);
    std::printf("last page shown whole %.1f ms after reaching the end (%d of %d rows)\n",
                settle.nsecsElapsed() / 1e6, last.whole, last.rows);
    Forms::discardAll();
    return 0;
}
