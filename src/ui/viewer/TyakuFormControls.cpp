// How the history window is put together: its controls, menus and toolbar.
#include "ui/viewer/TyakuForm.h"

#include <QPointer>

#include "core/common/AppPaths.h"
#include "ui/common/Clipboard.h"
#include "core/common/FixedField.h"
#include "core/common/LineEnds.h"
#include "ui/common/Fonts.h"
#include "ui/common/Prompt.h"
#include "ui/common/TabKeys.h"
#include "ui/common/Twips.h"
#include "core/history/RecordText.h"
#include "core/history/WholeMailLink.h"
#include "ui/receive/MailCheck.h"
#include "ui/shell/Forms.h"
#include "ui/viewer/EditorCommands.h"
#include "ui/viewer/EditorFile.h"
#include "ui/viewer/EditorState.h"
#include "ui/viewer/HistoryLayout.h"
#include "ui/viewer/HistoryListModel.h"
#include "ui/viewer/HistoryExchangeActions.h"
#include "core/history/HistoryState.h"
#include "ui/viewer/MailActions.h"
#include "ui/viewer/ToolbarIcons.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QDesktopServices>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QUrl>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeView>

void TyakuForm::buildControls(QWidget *client)
{
    m_band = new QWidget(client);
    m_band->setObjectName(QStringLiteral("Picture1"));
    Twips::place(m_band, 0, 0, 9180, 450);

    m_toolBar = new QToolBar(m_band);
    m_toolBar->setObjectName(QStringLiteral("tbToolBar"));
    Twips::place(m_toolBar, 0, 0, 9015, 390);

    auto *quickSave = Twips::add<QPushButton>(m_band, QStringLiteral("Command2"), 3960, 0, 1815, 340, QStringLiteral("TextQuickSave"));
    QPalette grey = quickSave->palette();
    grey.setColor(QPalette::Button, QColor(192, 192, 192));
    quickSave->setPalette(grey);
    quickSave->setAutoFillBackground(true);

    auto *searchBand = new QWidget(m_band);
    searchBand->setObjectName(QStringLiteral("Picture4"));
    Twips::place(searchBand, 6120, 0, 975, 400);
    auto *searchLabel = new QLabel(QStringLiteral("検索文字"), searchBand);
    searchLabel->setObjectName(QStringLiteral("Label2"));
    Twips::place(searchLabel, 120, 80, 735, 375);

    m_search = Twips::add<QLineEdit>(m_band, QStringLiteral("Text1"), 7080, 0, 1935, 375);
    m_search->setFont(Fonts::font(Fonts::kPGothic, 12));
    // Its label sits on another band, so the name is given, not tied.
    m_search->setAccessibleName(searchLabel->text());

    Twips::add<QPushButton>(client, QStringLiteral("Command3"), 120, 520, 1335, 375, QStringLiteral("一件削除"));
    Twips::add<QPushButton>(client, QStringLiteral("Command4"), 1560, 520, 1335, 375, QStringLiteral("アドレス帳登録"));
    Twips::add<QPushButton>(client, QStringLiteral("Command5"), 3000, 520, 1455, 375, QStringLiteral("返事を書く"));
    Twips::add<QPushButton>(client, QStringLiteral("Command6"), 4560, 520, 1455, 375, QStringLiteral("全件削除"));

    auto *countLabel = new QLabel(QStringLiteral("件数"), client);
    countLabel->setObjectName(QStringLiteral("Label4"));
    Twips::place(countLabel, 6600, 520, 495, 255);
    m_count = Twips::add<QLineEdit>(client, QStringLiteral("Text2"), 7200, 480, 495, 270);
    countLabel->setBuddy(m_count);
    // Wide enough for the largest count, 32767, in whatever font the desktop gives.
    const int frame = m_count->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, m_count);
    m_count->resize(qMax(m_count->width(), m_count->fontMetrics().horizontalAdvance(QStringLiteral("32767")) + 2 * frame + 6),
                    m_count->height());
    // Ends at the client's edge (it was 735 wide, past it).
    m_marker = Twips::add<QLineEdit>(client, QStringLiteral("Text5"), 9720, 480, 690, 375);
    m_marker->setAccessibleName(QStringLiteral("選択"));

    m_model = new HistoryListModel(this);
    m_list = new QTreeView(client);
    m_list->setObjectName(QStringLiteral("MailListView"));
    m_list->setAccessibleName(QStringLiteral("メール一覧"));
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setItemsExpandable(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Several rows at once go to or come back from 迷惑メール.
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->header()->setStretchLastSection(false);
    // Cells keep the fields' padding; eliding would end every cell in "…".
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setMouseTracking(true);
    m_list->viewport()->setMouseTracking(true);
    m_list->viewport()->installEventFilter(this);
    m_list->installEventFilter(this);
    Twips::place(m_list, 0, 960, 9375, 1815);
    // The widths follow the list as loaded and stay when the window is resized.
    const int listWidth = m_list->width();
    m_list->setColumnWidth(0, listWidth / 2);
    m_list->setColumnWidth(1, listWidth / 4);
    m_list->setColumnWidth(2, listWidth / 4);

    m_subject = Twips::add<QLineEdit>(client, QStringLiteral("Text7"), 0, 2760, 4695, 375);
    m_subject->setFont(Fonts::font(Fonts::kPGothic, 9.75));
    m_from = Twips::add<QLineEdit>(client, QStringLiteral("Text8"), 4680, 2760, 3015, 375);
    m_date = Twips::add<QLineEdit>(client, QStringLiteral("Text9"), 7695, 2760, 2415, 375);
    m_subject->setAccessibleName(QStringLiteral("件名"));
    m_from->setAccessibleName(QStringLiteral("差出人・宛先"));
    m_date->setAccessibleName(QStringLiteral("日付"));

    m_editor = new QPlainTextEdit(client);
    m_editor->setObjectName(QStringLiteral("rtfEd"));
    m_editor->setAccessibleName(QStringLiteral("本文"));
    m_editor->setFont(Fonts::font(Fonts::kGothic, 11.25));
    m_editor->setMouseTracking(true);
    m_editor->viewport()->setMouseTracking(true);
    m_editor->viewport()->installEventFilter(this);
    // Also the window's text editor, where tabs are wanted.
    TabKeys::ctrlTabLeaves(m_editor);
    Twips::place(m_editor, 20, 3900, 10455, 3735);
    connect(m_editor, &QPlainTextEdit::textChanged, this, [] { editorState().changed = true; });

    m_help = new QPlainTextEdit(client);
    m_help->setObjectName(QStringLiteral("Text4"));
    m_help->setReadOnly(true);
    m_help->setVisible(false);
    Twips::place(m_help, 2400, 4560, 5535, 1935);

    m_statusBar = new QStatusBar(client);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setSizeGripEnabled(false);
    Twips::place(m_statusBar, 0, 6945, 10425, 375);

    m_copyButton = Twips::add<QPushButton>(client, QStringLiteral("Command1"), 1920, 6960, 2895, 255, QStringLiteral("コピー（Subject/from/Data）"));
    m_copyField = Twips::add<QLineEdit>(client, QStringLiteral("Text6"), 5160, 6960, 3735, 270);
    m_copyField->setAccessibleName(QStringLiteral("コピー（Subject/from/Data）"));

    for (QWidget *control : {static_cast<QWidget *>(quickSave), static_cast<QWidget *>(m_search),
                             static_cast<QWidget *>(m_copyButton), static_cast<QWidget *>(m_subject),
                             static_cast<QWidget *>(m_from), static_cast<QWidget *>(m_date)}) {
        control->setMouseTracking(true);
        control->installEventFilter(this);
    }
    for (const char *name : {"Command3", "Command4", "Command5", "Command6"}) {
        QWidget *button = client->findChild<QWidget *>(QString::fromLatin1(name));
        button->setMouseTracking(true);
        button->installEventFilter(this);
    }

    connect(m_list, &QTreeView::clicked, this, [this] { showSelectedMail(); });
    const struct {
        const char *name;
        void (MailActions::*action)();
    } actionButtons[] = {
        {"Command1", &MailActions::copyHeader}, {"Command2", &MailActions::quickSave},
        {"Command3", &MailActions::deleteOne},  {"Command4", &MailActions::registerSender},
        {"Command5", &MailActions::reply},      {"Command6", &MailActions::deleteAll},
    };
    for (const auto &button : actionButtons)
        connect(findChild<QPushButton *>(QString::fromLatin1(button.name)), &QPushButton::clicked, this,
                [this, call = button.action] { (m_actions.get()->*call)(); });
    m_help->raise();
    m_copyButton->raise();
    m_copyField->raise();
}

void TyakuForm::buildMenus()
{
    struct Item {
        const char *name;
        const char16_t *caption;
        void (EditorCommands::*action)();
    };
    const auto addMenu = [this](const char *name, const QString &title, std::initializer_list<Item> items) {
        QMenu *menu = menuBar()->addMenu(title);
        menu->setObjectName(QString::fromLatin1(name));
        for (const Item &item : items) {
            if (!item.name) {
                menu->addSeparator();
                continue;
            }
            QAction *action = menu->addAction(QString::fromUtf16(item.caption));
            action->setObjectName(QString::fromLatin1(item.name));
            if (item.action)
                connect(action, &QAction::triggered, this, [this, call = item.action] { (m_commands.get()->*call)(); });
        }
        return menu;
    };
    addMenu("mnuFile", QStringLiteral("ファイル(&F)"),
            {{"mnew", u"新規作成", &EditorCommands::newFile},
             {"mopen", u"開く", &EditorCommands::open},
             {"msave", u"名前を付けて保存", &EditorCommands::saveAs},
             {"mprint", u"印刷", &EditorCommands::print},
             {nullptr, nullptr, nullptr},
             {"mend", u"終了", nullptr}});
    addMenu("mnuEdit", QStringLiteral("編集(&E)"),
            {{"mall", u"全て選択", &EditorCommands::selectAll},
             {"matamajump", u"文頭へジャンプ", &EditorCommands::jumpToStart},
             {"mbunmatujump", u"文末へジャンプ", &EditorCommands::jumpToEnd},
             {nullptr, nullptr, nullptr},
             {"mkensaku", u"検索", &EditorCommands::find},
             {"mtugikensaku", u"次を検索", &EditorCommands::findNext},
             {"mcut", u"切り取り", &EditorCommands::cut},
             {"mcopy", u"コピー", &EditorCommands::copy},
             {"mpaste", u"貼り付け", &EditorCommands::paste}});
    connect(findChild<QAction *>(QStringLiteral("mend")), &QAction::triggered, this, &QWidget::close);

    // Export and import of the histories, above 終了.
    QMenu *file = findChild<QMenu *>(QStringLiteral("mnuFile"));
    QAction *lastSeparator = file->actions().value(file->actions().indexOf(findChild<QAction *>(QStringLiteral("mend"))) - 1);
    const struct {
        const char *name;
        const char16_t *caption;
        void (*run)(QWidget *);
    } exchange[] = {{"mexportmbox", u"mbox に書き出す…", &ExchangeActions::exportMbox},
                    {"mexporteml", u"EML フォルダに書き出す…", &ExchangeActions::exportEmlFolder},
                    {"mimportmbox", u"mbox を取り込む…", &ExchangeActions::importMbox},
                    {"mimporteml", u"EML フォルダを取り込む…", &ExchangeActions::importEmlFolder}};
    file->insertSeparator(lastSeparator);
    for (const auto &item : exchange) {
        auto *action = new QAction(QString::fromUtf16(item.caption), file);
        action->setObjectName(QString::fromLatin1(item.name));
        file->insertAction(lastSeparator, action);
        connect(action, &QAction::triggered, this, [this, run = item.run] { run(this); });
    }

    QMenu *mail = menuBar()->addMenu(QStringLiteral("メール(&M)"));
    mail->setObjectName(QStringLiteral("mnuMail"));
    m_openFolder = mail->addAction(QStringLiteral("添付フォルダを開く"), this, &TyakuForm::openAttachmentFolder);
    m_openFolder->setObjectName(QStringLiteral("mattachfolder"));
    m_openWhole = mail->addAction(QStringLiteral("全文を開く"), this, &TyakuForm::openWholeMail);
    m_openWhole->setObjectName(QStringLiteral("mwholemail"));
    m_openFolder->setEnabled(false);
    m_openWhole->setEnabled(false);
    mail->addSeparator();
    QAction *search = mail->addAction(QStringLiteral("全メール検索"), this, [] { Forms::openSearch(); });
    search->setObjectName(QStringLiteral("msearchall"));
    search->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F));
    search->setShortcutContext(Qt::WindowShortcut);
    buildJunkMenu(mail);
}

void TyakuForm::buildToolBar()
{
    const struct {
        const char *key;
        const char16_t *tip;
        bool separatorAfter;
    } buttons[] = {
        {"New", u"新規作成", false}, {"Open", u"開く", false},       {"Save", u"名前を付けて保存", true},
        {"Print", u"印刷", true},    {"Cut", u"切り取り", false},    {"Copy", u"ｺﾋﾟｰ", false},
        {"Paste", u"貼り付け", true}, {"Bold", u"太字", false},       {"Italic", u"斜体", false},
        {"Underline", u"下線", false},
    };
    m_toolBar->setIconSize(QSize(16, 16));
    // Ten buttons share the band with the quick-save button at its design place.
    m_toolBar->setStyleSheet(QStringLiteral("QToolBar { spacing: 0px; padding: 0px; } QToolButton { padding: 0px; margin: 0px; }"));
    for (const auto &button : buttons) {
        const QString key = QString::fromLatin1(button.key);
        QAction *action = m_toolBar->addAction(ToolbarIcons::forKey(key), QString::fromUtf16(button.tip));
        action->setObjectName(key);
        action->setData(key);
        action->setToolTip(QString::fromUtf16(button.tip));
        if (button.separatorAfter)
            m_toolBar->addSeparator();
    }
    connect(m_toolBar, &QToolBar::actionTriggered, this,
            [this](QAction *action) { m_commands->dispatch(action->data().toString()); });
}
