#include "ui/viewer/JunkActions.h"

#include "core/history/HistoryMove.h"
#include "core/history/HistoryState.h"
#include "core/junk/JunkFilter.h"
#include "core/junk/JunkMail.h"
#include "ui/common/Prompt.h"
#include "ui/viewer/HistoryWorker.h"
#include "ui/viewer/MailActions.h"
#include "ui/viewer/TyakuForm.h"

#include <QPointer>

#include <memory>

namespace {

bool g_moving = false;

} // namespace

JunkActions::JunkActions(TyakuForm *form) : m_form(form) {}

void JunkActions::markJunk()
{
    move(HistoryFile::Kind::Received, HistoryFile::Kind::Junk);
}

void JunkActions::markNotJunk()
{
    move(HistoryFile::Kind::Junk, HistoryFile::Kind::Received);
}

JunkActions::Outcome JunkActions::moveAndLearn(HistoryFile::Kind from, HistoryFile::Kind to, const QList<int> &numbers,
                                               const std::function<void(int, int)> &progress,
                                               const std::atomic_bool *cancel)
{
    // Read before they move: the numbers are the source's.
    const HistoryFile source(from);
    QList<HistoryRecord> records;
    for (const int n : numbers)
        if (const auto record = source.read(n))
            records << *record;
    const HistoryMove::Result moved = HistoryMove::run(from, to, numbers, progress, cancel);
    if (!moved.ok)
        return {false, moved.moved, moved.error};

    const bool junk = to == HistoryFile::Kind::Junk;
    JunkFilter &filter = JunkFilter::instance();
    bool learnt = true;
    QStringList senders;
    for (const HistoryRecord &record : std::as_const(records)) {
        const JunkMail mail = JunkMail::of(to, record);
        learnt = filter.learn(mail, junk) && learnt;
        if (const QString sender = mail.senderAddress(); !junk && !sender.isEmpty())
            senders << sender;
    }
    if (!senders.isEmpty())
        learnt = filter.trust(senders) && learnt;
    if (!learnt)
        return {true, moved.moved,
                QStringLiteral("メールは移動しましたが、迷惑メールフィルタに覚えさせられませんでした。\n%1")
                    .arg(filter.errorText())};
    return {true, moved.moved, {}};
}

void JunkActions::move(HistoryFile::Kind from, HistoryFile::Kind to)
{
    if (historyState().kind() != from)
        return;
    QList<int> rows = m_form->selectedRows();
    if (rows.size() < 2)
        rows = m_form->shownRow() > 0 ? QList<int>{m_form->shownRow()} : QList<int>{};
    if (rows.isEmpty()) {
        Prompt::instance().ask({MailActions::kNothingSelected, {}, Prompt::Icon::None, Prompt::Buttons::Ok}, m_form);
        return;
    }
    // A deletion or another move would change the numbers the rows stand for.
    if (g_moving || HistoryWorker::isRunning()) {
        Prompt::warn(QStringLiteral("メールの削除か移動を実行中です。終わってからもう一度操作してください。"), {}, m_form);
        return;
    }
    g_moving = true;
    auto outcome = std::make_shared<Outcome>();
    const QPointer<TyakuForm> form = m_form;
    const bool toJunk = to == HistoryFile::Kind::Junk;
    HistoryWorker::run(QStringLiteral("メールの移動"),
                       toJunk ? QStringLiteral("迷惑メールに移しています。") : QStringLiteral("着信履歴に戻しています。"),
                       m_form, [from, to, rows, outcome](const HistoryWorker::Report &report, const std::atomic_bool &cancel) {
                           *outcome = moveAndLearn(from, to, rows, report, &cancel);
                       });
    g_moving = false;
    // The window may have been closed while the move ran.
    if (!outcome->error.isEmpty())
        Prompt::error(outcome->error, {}, form);
    if (!form || historyState().kind() != from)
        return;
    // The mail that now stands where the first moved one stood is shown next.
    m_form->fillList();
    if (outcome->ok)
        m_form->showRow(qMin(rows.first(), m_form->rowCount()));
}
