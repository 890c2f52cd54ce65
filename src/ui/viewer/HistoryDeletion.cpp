#include "ui/viewer/HistoryDeletion.h"

#include "core/common/BackgroundJob.h"
#include "core/common/WindowThread.h"
#include "core/history/HistoryRecord.h"
#include "core/history/WholeMailLink.h"
#include "core/history/ReceivedMailIds.h"
#include "core/settings/RuntimeSettings.h"
#include "ui/common/ProgressWindow.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

namespace HistoryDeletion {

namespace {

bool g_running = false;

using Report = std::function<void(int done, int total)>;

// Runs work on a worker with a progress window that shows once it takes a
// while; the window thread's events go on until it ends.
void onWorker(const QString &text, QWidget *parent,
              const std::function<void(const Report &report, const std::atomic_bool &cancel)> &work)
{
    QPointer<ProgressWindow> progress = new ProgressWindow(QStringLiteral("メールの削除"), parent);
    progress->setText(text);
    const Report report = [progress](int done, int total) {
        WindowThread::post([progress, done, total] {
            if (progress)
                progress->setProgress(done, total);
        });
    };
    auto *job = new BackgroundJob([work, report](const std::atomic_bool &cancel) { work(report, cancel); });
    QObject::connect(progress, &ProgressWindow::cancelRequested, job, &BackgroundJob::cancel);
    // A quick one shows no window at all.
    QTimer::singleShot(300, progress, [progress] {
        if (progress)
            progress->show();
    });
    QEventLoop loop;
    QObject::connect(job, &BackgroundJob::finished, &loop, &QEventLoop::quit);
    job->start();
    loop.exec();
    job->deleteLater();
    delete progress;
}

} // namespace

QStringList linkedFiles(HistoryFile::Kind kind, int count, QWidget *parent)
{
    auto files = std::make_shared<QStringList>();
    onWorker(QStringLiteral("全文を保存したファイルを探しています。"), parent,
             [kind, count, files](const Report &, const std::atomic_bool &) {
                 *files = WholeMailLink::linkedFiles(kind, count);
             });
    return *files;
}

RecordFile::Result run(HistoryFile::Kind kind, int row, int count, QWidget *parent)
{
    if (g_running)
        return {false, 0, QStringLiteral("削除を実行中です。終わってからもう一度操作してください。")};
    g_running = true;

    auto result = std::make_shared<RecordFile::Result>();
    // Mails left on the server follow their records out when the user asked for it.
    const RuntimeSettings &settings = runtimeSettings();
    const bool followOnServer =
        kind == HistoryFile::Kind::Received && settings.KeepOnServer != 0 && settings.KeepSync != 0;
    onWorker(QStringLiteral("メールを削除しています。"), parent,
             [kind, row, count, result, followOnServer](const Report &report, const std::atomic_bool &cancel) {
                 HistoryFile file(kind);
                 QList<QByteArray> heads;
                 if (followOnServer) {
                     const QByteArray bytes = row > 0 ? file.readHeads(row, 1) : file.readHeads(1, count);
                     for (qsizetype at = 0; at + HistoryRecord::kHeadSize <= bytes.size();
                          at += HistoryRecord::kHeadSize)
                         heads << ReceivedMailIds::headKey(bytes.mid(at, HistoryRecord::kHeadSize));
                 }
                 *result = row > 0 ? file.remove(row, report, &cancel) : file.removeAll(count, report, &cancel);
                 if (result->ok && !ReceivedMailIds::noteDeletedHere(heads))
                     result->error =
                         QStringLiteral("サーバーから削除するメールを記録できませんでした。メールはサーバーに残ります。");
             });
    g_running = false;
    return *result;
}

} // namespace HistoryDeletion
