// The history window's side of the junk filter: 迷惑メール reached from
// 着信履歴, the moves between them, and the なりすまし line.
#include "ui/viewer/TyakuForm.h"

#include "core/history/HistoryState.h"
#include "core/history/ReceivedMailIds.h"
#include "core/junk/JunkFilter.h"
#include "ui/shell/Forms.h"
#include "ui/viewer/JunkActions.h"

#include <QLabel>
#include <QMenu>

namespace {

const QString kSpoofWarning = QStringLiteral("差出人のドメインの認証に失敗しています（なりすましの可能性があります）");

} // namespace

void TyakuForm::buildJunkMenu(QMenu *mail)
{
    m_spoofLine = new QLabel(kSpoofWarning, m_client);
    m_spoofLine->setObjectName(QStringLiteral("spoofWarning"));
    m_spoofLine->setAccessibleName(kSpoofWarning);
    m_spoofLine->setAutoFillBackground(true);
    QPalette palette = m_spoofLine->palette();
    palette.setColor(QPalette::Window, QColor(255, 240, 200));
    palette.setColor(QPalette::WindowText, QColor(150, 0, 0));
    m_spoofLine->setPalette(palette);
    m_spoofLine->setIndent(4);
    m_spoofLine->hide();

    mail->addSeparator();
    m_toJunk = mail->addAction(QStringLiteral("迷惑メール(&J)"), this, [this] { m_junkActions->markJunk(); });
    m_toJunk->setObjectName(QStringLiteral("mjunk"));
    m_notJunk = mail->addAction(QStringLiteral("迷惑メールではない(&N)"), this, [this] { m_junkActions->markNotJunk(); });
    m_notJunk->setObjectName(QStringLiteral("mnotjunk"));
    // One of the two is there at a time, so they share the key.
    for (QAction *action : {m_toJunk, m_notJunk}) {
        action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
        action->setShortcutContext(Qt::WindowShortcut);
    }
    m_openJunk = mail->addAction(QStringLiteral("迷惑メールを開く(&K)"), this,
                                 [] { Forms::openHistory(HistoryFile::Kind::Junk); });
    m_openJunk->setObjectName(QStringLiteral("mopenjunk"));
    m_openReceived = mail->addAction(QStringLiteral("着信履歴に戻る(&R)"), this,
                                     [] { Forms::openHistory(HistoryFile::Kind::Received); });
    m_openReceived->setObjectName(QStringLiteral("mopenreceived"));
    // Shown by what openHistory lists; nothing of it before.
    for (QAction *action : {m_toJunk, m_notJunk, m_openJunk, m_openReceived})
        action->setVisible(false);
}

void TyakuForm::showJunkEntries()
{
    const HistoryFile::Kind kind = historyState().kind();
    m_toJunk->setVisible(kind == HistoryFile::Kind::Received);
    m_openJunk->setVisible(kind == HistoryFile::Kind::Received);
    m_notJunk->setVisible(kind == HistoryFile::Kind::Junk);
    m_openReceived->setVisible(kind == HistoryFile::Kind::Junk);
}

void TyakuForm::setSpoofWarning(bool shown)
{
    if (m_spoofLine->isHidden() != shown)
        return;
    m_spoofLine->setVisible(shown);
    applyLayout();
}

bool TyakuForm::shownMailSpoofed(int row) const
{
    const HistoryFile file(historyState().kind());
    if (file.kind() == HistoryFile::Kind::Sent)
        return false;
    const QByteArray head = file.readHeads(row, 1);
    return !head.isEmpty() && JunkFilter::instance().isSpoofed(ReceivedMailIds::headKey(head));
}

QString TyakuForm::warningText() const
{
    return m_spoofLine->isHidden() ? QString() : m_spoofLine->text();
}
