#include "ui/shell/Forms.h"

#include "ui/addressbook/FriendForm.h"
#include "ui/compose/BackForm.h"
#include "ui/compose/WriteForm.h"
#include "ui/emoticons/KaoForm.h"
#include "ui/search/SearchForm.h"
#include "ui/settings/IdPassForm.h"
#include "ui/settings/OptionForm.h"
#include "ui/shell/MainForm.h"
#include "ui/viewer/TyakuForm.h"
#include "ui/common/ProgressWindow.h"
#include "core/common/JobProgress.h"

#include <QAbstractItemModel>
#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>
#include <QPointer>

#include <map>

namespace {

std::map<std::type_index, QPointer<QWidget>> &registry()
{
    static std::map<std::type_index, QPointer<QWidget>> windows;
    return windows;
}

// A closed window is deleted only when control returns to the event loop; it
// leaves the registry at once, so the next use in the same click loads afresh.
class CloseWatcher : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Close)
            return false;
        watched->event(event);
        if (event->isAccepted()) {
            for (auto &[type, window] : registry())
                if (window == watched)
                    window.clear();
        }
        return true;
    }
};

CloseWatcher &closeWatcher()
{
    static CloseWatcher watcher;
    return watcher;
}

} // namespace

QWidget *Forms::lookup(std::type_index type)
{
    const auto found = registry().find(type);
    return found == registry().end() ? nullptr : found->second.data();
}

void Forms::add(std::type_index type, QWidget *window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->installEventFilter(&closeWatcher());
    registry()[type] = window;
}

void Forms::show(QWidget *window)
{
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void Forms::discardAll(QWidget *except)
{
    for (auto &[type, window] : registry()) {
        if (window && window != except) {
            delete window.data();
            window.clear();
        }
    }
}

// Errands between window families: the one place that knows them all.

QWidget *Forms::launcher()
{
    return existing<MainForm>();
}

std::unique_ptr<JobProgress> Forms::openProgress(const QString &title, QWidget *parent)
{
    return ProgressWindow::open(title, parent ? parent : launcher());
}

void Forms::showLauncher()
{
    if (MainForm *window = existing<MainForm>()) {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        show(window);
    }
}

void Forms::closeLauncher()
{
    if (MainForm *window = existing<MainForm>())
        window->close();
}

QString Forms::launcherStatus()
{
    const MainForm *window = existing<MainForm>();
    return window ? window->statusText() : QString();
}

QString Forms::launcherClock()
{
    const MainForm *window = existing<MainForm>();
    return window ? window->clockText() : QString();
}

void Forms::setLauncherStatus(const QString &text)
{
    if (MainForm *window = existing<MainForm>())
        window->setStatusText(text);
}

void Forms::onLauncherStatus(QObject *context, std::function<void(const QString &)> slot)
{
    if (MainForm *window = existing<MainForm>())
        QObject::connect(window, &MainForm::statusTextChanged, context, std::move(slot));
}

void Forms::openCompose()
{
    open<WriteForm>();
}

void Forms::insertIntoCompose(const QString &text)
{
    get<WriteForm>()->insertIntoBody(text);
}

void Forms::composeFromLink(const QString &recipient, const QString &subject, const QString &body,
                            const QString &note)
{
    WriteForm::takeLink(recipient, subject, body, note);
}

void Forms::startReply(const QString &subject, const QString &to, const QString &body, QWidget *from)
{
    BackForm::startReply(subject, to, body, from);
}

void Forms::openEmoticons()
{
    open<KaoForm>();
}

void Forms::openHistory(HistoryFile::Kind kind)
{
    TyakuForm::openHistory(kind);
}

void Forms::openNewestReceived()
{
    TyakuForm *form = TyakuForm::openHistory(HistoryFile::Kind::Received);
    QTreeView *list = form->mailList();
    if (QAbstractItemModel *model = list->model(); model && model->rowCount() > 0) {
        const QModelIndex newest = model->index(model->rowCount() - 1, 0);
        list->setCurrentIndex(newest);
        list->scrollTo(newest);
    }
    form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
    form->raise();
    form->activateWindow();
}

void Forms::showHistoryRecord(HistoryFile::Kind kind, int number, const QString &match)
{
    TyakuForm *form = TyakuForm::openHistory(kind);
    QTreeView *list = form->mailList();
    QAbstractItemModel *model = list->model();
    if (model && number >= 1 && number <= model->rowCount()) {
        const QModelIndex row = model->index(number - 1, 0);
        list->setCurrentIndex(row);
        list->scrollTo(row);
        form->showSelectedMail();
        QPlainTextEdit *editor = form->editor();
        editor->moveCursor(QTextCursor::Start);
        if (!match.isEmpty() && editor->find(match))
            editor->setFocus();
    }
    form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
    form->raise();
    form->activateWindow();
}

void Forms::openSearch()
{
    SearchForm::open();
}

void Forms::onReceivedOpened(QObject *context, std::function<void()> listener)
{
    TyakuForm::addReceivedOpenedListener(context, std::move(listener));
}

void Forms::showStoredMail(const HistoryRecord &record)
{
    get<TyakuForm>()->showStored(record);
}

void Forms::allowHistoryReply(bool allowed)
{
    if (TyakuForm *history = existing<TyakuForm>())
        if (auto *reply = history->findChild<QPushButton *>(QStringLiteral("Command5")))
            reply->setEnabled(allowed);
}

void Forms::openAddressBook()
{
    open<FriendForm>();
}

void Forms::registerSender(const QString &address)
{
    FriendForm::registerSender(address);
}

void Forms::openAccount()
{
    open<IdPassForm>();
}

void Forms::fillAccount(const QString &id, const QString &password)
{
    IdPassForm *window = get<IdPassForm>();
    window->setId(id);
    window->setPassword(password);
}

void Forms::askToSignIn(const QString &why, bool openBrowser)
{
    IdPassForm::askToSignIn(why, openBrowser);
}

void Forms::openServerSettings()
{
    open<OptionForm>();
}

bool Forms::unsentMailOpen()
{
    const WriteForm *compose = existing<WriteForm>();
    const BackForm *reply = existing<BackForm>();
    return (compose && compose->holdsUnsentText()) || (reply && reply->holdsUnsentText());
}

QStringList Forms::savePaletteEdits()
{
    KaoForm *palette = existing<KaoForm>();
    return palette ? palette->saveEdits() : QStringList();
}
