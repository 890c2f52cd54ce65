#include "viewer/HistoryDeletion.h"

#include "common/BackgroundJob.h"
#include "common/WindowThread.h"
#include "history/HistoryRecord.h"
#include "history/ReceivedMailIds.h"
#include "settings/RuntimeSettings.h"
#include "shell/ProgressWindow.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <memory>

namespace HistoryDeletion {

namespace {
bool g_running = false;
}

RecordFile::Result run(HistoryFile::Kind kind, int row, int count, QWidget *parent)
{
    if (g_running)
        return {false, 0, QStringLiteral("削除を実行中です。終わってからもう一度操作してください。")};
    g_running = true;

    auto result = std::make_shared<RecordFile::Result>();
    QPointer<ProgressWindow> progress = new ProgressWindow(QStringLiteral("メールの削除"), parent);
    progress->setText(QStringLiteral("メールを削除しています。"));
    const auto report = [progress](int done, int total) {
        WindowThread::post([progress, done, total] {
            if (progress)
                progress->setProgress(done, total);
        });
    };
    // Mails left on the server follow their records out when the user asked for it.
    const RuntimeSettings &settings = runtimeSettings();
    const bool followOnServer =
        kind == HistoryFile::Kind::Received && settings.KeepOnServer != 0 && settings.KeepSync != 0;
    auto *job = new BackgroundJob([kind, row, count, result, report, followOnServer](const std::atomic_bool &cancel) {
        HistoryFile file(kind);
        QList<QByteArray> heads;
        if (followOnServer) {
            const QByteArray bytes = row > 0 ? file.readHeads(row, 1) : file.readHeads(1, count);
            for (qsizetype at = 0; at + HistoryRecord::kHeadSize <= bytes.size(); at += HistoryRecord::kHeadSize)
                heads << ReceivedMailIds::headKey(bytes.mid(at, HistoryRecord::kHeadSize));
        }
        *result = row > 0 ? file.remove(row, report, &cancel) : file.removeAll(count, report, &cancel);
        if (result->ok && !ReceivedMailIds::noteDeletedHere(heads))
            result->error = QStringLiteral("サーバーから削除するメールを記録できませんでした。メールはサーバーに残ります。");
    });
    QObject::connect(progress, &ProgressWindow::cancelRequested, job, &BackgroundJob::cancel);
    // A quick deletion shows no window at all.
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
    g_running = false;
    return *result;
}

} // namespace HistoryDeletion
