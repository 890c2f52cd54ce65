#include "ui/viewer/HistoryExchangeActions.h"

#include "core/common/BackgroundJob.h"
#include "ui/common/Prompt.h"
#include "core/common/WindowThread.h"
#include "core/exchange/HistoryExchange.h"
#include "ui/receive/MailCheck.h"
#include "core/settings/RuntimeSettings.h"
#include "ui/shell/Forms.h"
#include "core/common/JobProgress.h"
#include "core/history/HistoryState.h"
#include "ui/viewer/TyakuForm.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>

#include <memory>

namespace ExchangeActions {

namespace {

QPointer<BackgroundJob> g_job;

QString historyName(HistoryFile::Kind kind)
{
    switch (kind) {
    case HistoryFile::Kind::Sent: return QStringLiteral("送信履歴");
    case HistoryFile::Kind::Junk: return QStringLiteral("迷惑メール");
    case HistoryFile::Kind::Received: break;
    }
    return QStringLiteral("受信履歴");
}

// Runs one history job on a worker; done() gets its outcome on the window thread.
void start(const QString &title, QWidget *parent,
           std::function<HistoryExchange::Outcome(const HistoryExchange::Work &)> work,
           std::function<void(const HistoryExchange::Outcome &)> done)
{
    if (g_job) {
        Prompt::warn(QStringLiteral("書き出しか取り込みを実行中です。終わってからもう一度お試しください。"), {}, parent);
        return;
    }
    std::shared_ptr<JobProgress> progress = Forms::openProgress(title, parent ? parent->window() : nullptr);
    progress->setText(title + QStringLiteral("…"));
    const std::weak_ptr<JobProgress> shown = progress;
    auto outcome = std::make_shared<HistoryExchange::Outcome>();
    auto *job = new BackgroundJob(
        [work, outcome, shown](const std::atomic_bool &cancel) {
            HistoryExchange::Work steps;
            steps.cancel = &cancel;
            steps.progress = [shown](qint64 done, qint64 total) {
                WindowThread::post([shown, done, total] {
                    if (const auto window = shown.lock())
                        window->setProgress(done, total);
                });
            };
            *outcome = work(steps);
        });
    g_job = job;
    progress->onCancel(job, [job] { job->cancel(); });
    QObject::connect(job, &BackgroundJob::finished, job, [job, progress, outcome, done]() mutable {
        progress->stopListening(job);
        progress.reset();
        if (job->cancelRequested())
            outcome->cancelled = true;
        job->deleteLater();
        g_job = nullptr;
        done(*outcome);
    });
    progress->show();
    job->start();
}

void refillReceivedHistory()
{
    if (TyakuForm *form = Forms::existing<TyakuForm>(); form && historyState().kind() == HistoryFile::Kind::Received)
        form->fillList();
}

void reportImport(const HistoryExchange::Outcome &outcome, QWidget *parent)
{
    refillReceivedHistory();
    const QString problems = outcome.attachmentProblems > 0
        ? QStringLiteral("\n添付ファイルを展開できなかったメールが %1 通あります。").arg(outcome.attachmentProblems)
        : QString();
    if (outcome.full)
        Prompt::warn(QStringLiteral("受信履歴がいっぱい（%1 件）になったため、%2 通だけ取り込みました。")
                             .arg(RecordFile::kMaxRecords)
                             .arg(outcome.count)
                         + problems,
                     {}, parent);
    else if (outcome.cancelled)
        Prompt::inform(QStringLiteral("取り込みを中止しました。%1 通を取り込み済みです。").arg(outcome.count) + problems, {},
                       parent);
    else if (!outcome.ok)
        Prompt::error(QStringLiteral("メールを取り込めませんでした（%1 通は取り込み済みです）。\n%2")
                          .arg(outcome.count)
                          .arg(outcome.error),
                      {}, parent);
    else
        Prompt::inform(QStringLiteral("%1 通を受信履歴に取り込みました。").arg(outcome.count) + problems, {}, parent);
}

void reportExport(const HistoryExchange::Outcome &outcome, HistoryFile::Kind kind, const QString &where,
                  QWidget *parent)
{
    if (outcome.cancelled)
        Prompt::inform(QStringLiteral("書き出しを中止しました。"), {}, parent);
    else if (!outcome.ok)
        Prompt::error(QStringLiteral("%1を書き出せませんでした。\n%2").arg(historyName(kind), outcome.error), {}, parent);
    else
        Prompt::inform(QStringLiteral("%1の %2 通を %3 に書き出しました。").arg(historyName(kind)).arg(outcome.count).arg(where),
                       {}, parent);
}

bool refuseDuringCheck(QWidget *parent)
{
    if (!MailCheck::isRunning())
        return false;
    Prompt::warn(QStringLiteral("受信中は取り込めません。受信が終わってからもう一度お試しください。"), {}, parent);
    return true;
}

} // namespace

void exportMbox(QWidget *parent)
{
    const HistoryFile::Kind kind = historyState().kind();
    const auto path = Prompt::instance().saveFileName(
        {QStringLiteral("mbox に書き出す"), QDir::homePath(), historyName(kind) + QStringLiteral(".mbox"),
         QStringLiteral("mbox ファイル(*.mbox)|*.mbox|すべてのファイル(*)|*")},
        parent);
    if (!path)
        return;
    const QString own = runtimeSettings().SenderAddress;
    QPointer<QWidget> owner = parent;
    start(QStringLiteral("mbox に書き出し中"), parent,
          [kind, path, own](const HistoryExchange::Work &work) { return HistoryExchange::exportMbox(kind, *path, work, own); },
          [kind, path, owner](const HistoryExchange::Outcome &outcome) { reportExport(outcome, kind, *path, owner); });
}

void exportEmlFolder(QWidget *parent)
{
    const HistoryFile::Kind kind = historyState().kind();
    const auto folder = Prompt::instance().folderName(
        {QStringLiteral("EML フォルダに書き出す（空のフォルダを選んでください）"), QDir::homePath(), {}, {}}, parent);
    if (!folder)
        return;
    const QString own = runtimeSettings().SenderAddress;
    QPointer<QWidget> owner = parent;
    start(QStringLiteral("EML フォルダに書き出し中"), parent,
          [kind, folder, own](const HistoryExchange::Work &work) {
              return HistoryExchange::exportEmlFolder(kind, *folder, work, own);
          },
          [kind, folder, owner](const HistoryExchange::Outcome &outcome) { reportExport(outcome, kind, *folder, owner); });
}

void importMbox(QWidget *parent)
{
    if (refuseDuringCheck(parent))
        return;
    const auto path = Prompt::instance().openFileName(
        {QStringLiteral("mbox を取り込む"), QDir::homePath(), {},
         QStringLiteral("mbox / EML ファイル(*.mbox;*.mbx;*.eml)|*.mbox;*.mbx;*.eml|すべてのファイル(*)|*")},
        parent);
    if (!path)
        return;
    QPointer<QWidget> owner = parent;
    start(QStringLiteral("メールを取り込み中"), parent,
          [path](const HistoryExchange::Work &work) { return HistoryExchange::import(*path, work); },
          [owner](const HistoryExchange::Outcome &outcome) { reportImport(outcome, owner); });
}

void importEmlFolder(QWidget *parent)
{
    if (refuseDuringCheck(parent))
        return;
    const auto folder = Prompt::instance().folderName(
        {QStringLiteral("EML フォルダを取り込む"), QDir::homePath(), {}, {}}, parent);
    if (!folder)
        return;
    QPointer<QWidget> owner = parent;
    start(QStringLiteral("メールを取り込み中"), parent,
          [folder](const HistoryExchange::Work &work) { return HistoryExchange::import(*folder, work); },
          [owner](const HistoryExchange::Outcome &outcome) { reportImport(outcome, owner); });
}

bool isRunning()
{
    return g_job != nullptr;
}

void cancel()
{
    if (g_job)
        g_job->cancel();
}

} // namespace ExchangeActions
