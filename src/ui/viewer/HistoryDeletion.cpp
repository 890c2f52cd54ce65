#include "ui/viewer/HistoryDeletion.h"

#include "core/history/HistoryRecord.h"
#include "core/history/WholeMailLink.h"
#include "core/history/ReceivedMailIds.h"
#include "core/settings/RuntimeSettings.h"
#include "ui/viewer/HistoryWorker.h"

#include <memory>

namespace HistoryDeletion {

namespace {

bool g_running = false;

const QString kTitle = QStringLiteral("メールの削除");

} // namespace

QStringList linkedFiles(HistoryFile::Kind kind, int count, QWidget *parent)
{
    auto files = std::make_shared<QStringList>();
    HistoryWorker::run(kTitle, QStringLiteral("全文を保存したファイルを探しています。"), parent,
                       [kind, count, files](const HistoryWorker::Report &, const std::atomic_bool &) {
                           *files = WholeMailLink::linkedFiles(kind, count);
                       });
    return *files;
}

RecordFile::Result run(HistoryFile::Kind kind, int row, int count, QWidget *parent)
{
    if (g_running)
        return {false, 0, QStringLiteral("削除を実行中です。終わってからもう一度操作してください。")};
    // A move would change the numbers the rows stand for.
    if (HistoryWorker::isRunning())
        return {false, 0, QStringLiteral("メールの移動を実行中です。終わってからもう一度操作してください。")};
    g_running = true;

    auto result = std::make_shared<RecordFile::Result>();
    // Mails left on the server follow their records out when the user asked for it.
    const RuntimeSettings &settings = runtimeSettings();
    const bool followOnServer =
        kind != HistoryFile::Kind::Sent && settings.KeepOnServer != 0 && settings.KeepSync != 0;
    HistoryWorker::run(kTitle, QStringLiteral("メールを削除しています。"), parent,
                       [kind, row, count, result, followOnServer](const HistoryWorker::Report &report,
                                                                 const std::atomic_bool &cancel) {
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
