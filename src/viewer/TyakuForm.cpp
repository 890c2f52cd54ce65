#include "viewer/TyakuForm.h"

#include <QPointer>

#include "common/AppPaths.h"
#include "common/Clipboard.h"
#include "common/FixedField.h"
#include "common/LineEnds.h"
#include "common/Fonts.h"
#include "common/Prompt.h"
#include "common/Twips.h"
#include "history/RecordText.h"
#include "history/WholeMailLink.h"
#include "receive/MailCheck.h"
#include "shell/Forms.h"
#include "viewer/EditorCommands.h"
#include "viewer/EditorFile.h"
#include "viewer/EditorState.h"
#include "viewer/HistoryLayout.h"
#include "viewer/HistoryListModel.h"
#include "exchange/ExchangeActions.h"
#include "viewer/HistoryState.h"
#include "viewer/MailActions.h"
#include "viewer/ToolbarIcons.h"

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

namespace {

constexpr int kClientWidth = 10425;
constexpr int kClientHeight = 7320;

const QMap<QString, QString> &helpTexts()
{
    static const QMap<QString, QString> texts{
        {QStringLiteral("Command1"),
         QStringLiteral("本文以外のコピーに使用します。「Subject」「From」「Date」に表示されるデータをコピーします（貼り付けはメニューバー、ツールバーで出来ます）。Body（本文）はメニューバー、ツールバーからコピー・貼り付けが出来ます。"
                        "\r\n\r\n"
                        " 本文への貼り付け（あるいは本ソフトでの貼り付け機能がある部分）、他のアプリケーションへの貼り付けが可能です。"
                        "\r\n\r\n"
                        "コピーされる内容は右の欄に反映されます。")},
        {QStringLiteral("Command2"),
         QStringLiteral("選択したデータをテキスト形式で本ソフト内の「TextQuickSave」フォルダ内に「Subject」「From」「Date」「Boby」で保存します。ファイル名は「Subject」が自動的に当てられます。同名のファイルが既に存在する場合は警告メッセージを出します。")},
        {QStringLiteral("Command3"),
         QStringLiteral("受信したメールを１件ずつ削除します。リストでメールを選択（クリック）してから実行して下さい。")},
        {QStringLiteral("Command4"),
         QStringLiteral("受信したメールをアドレス帳に登録します。リストからメールを選択（クリック）してから実行して下さい。")},
        {QStringLiteral("Command5"),
         QStringLiteral("受信したメールに返事を出します。リストからメールを選択（クリック）してから実行して下さい。")},
        {QStringLiteral("Command6"), QStringLiteral("受信したメール全件削除します。")},
        {QStringLiteral("Text1"),
         QStringLiteral("検索したい文字を入力し、メニューバーから「検索」「次を検索」を選択し、検索したい文字を本文中(body)から検索します。")},
    };
    return texts;
}

} // namespace

TyakuForm::TyakuForm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TyakuForm"));

    m_commands = std::make_unique<EditorCommands>(this);
    m_actions = std::make_unique<MailActions>(this);

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setMouseTracking(true);
    setCentralWidget(m_client);
    buildControls(m_client);
    // Only now: the filter reads the controls built above.
    m_client->installEventFilter(this);
    buildMenus();
    buildToolBar();

    resize(Twips::toPixels(kClientWidth), Twips::toPixels(kClientHeight) + menuBar()->sizeHint().height());
    loadCurrentFile();
}

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

    Twips::add<QPushButton>(client, QStringLiteral("Command3"), 120, 520, 1335, 375, QStringLiteral("一件削除"));
    Twips::add<QPushButton>(client, QStringLiteral("Command4"), 1560, 520, 1335, 375, QStringLiteral("アドレス帳登録"));
    Twips::add<QPushButton>(client, QStringLiteral("Command5"), 3000, 520, 1455, 375, QStringLiteral("返事を書く"));
    Twips::add<QPushButton>(client, QStringLiteral("Command6"), 4560, 520, 1455, 375, QStringLiteral("全件削除"));

    auto *countLabel = new QLabel(QStringLiteral("件数"), client);
    countLabel->setObjectName(QStringLiteral("Label4"));
    Twips::place(countLabel, 6600, 520, 495, 255);
    m_count = Twips::add<QLineEdit>(client, QStringLiteral("Text2"), 7200, 480, 495, 270);
    // Wide enough for the largest count, 32767, in whatever font the desktop gives.
    const int frame = m_count->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, m_count);
    m_count->resize(qMax(m_count->width(), m_count->fontMetrics().horizontalAdvance(QStringLiteral("32767")) + 2 * frame + 6),
                    m_count->height());
    m_marker = Twips::add<QLineEdit>(client, QStringLiteral("Text5"), 9720, 480, 735, 375);

    m_model = new HistoryListModel(this);
    m_list = new QTreeView(client);
    m_list->setObjectName(QStringLiteral("MailListView"));
    m_list->setModel(m_model);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setItemsExpandable(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
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

    m_editor = new QPlainTextEdit(client);
    m_editor->setObjectName(QStringLiteral("rtfEd"));
    m_editor->setFont(Fonts::font(Fonts::kGothic, 11.25));
    m_editor->setMouseTracking(true);
    m_editor->viewport()->setMouseTracking(true);
    m_editor->viewport()->installEventFilter(this);
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

TyakuForm::~TyakuForm() = default;

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
}

void TyakuForm::offerWhatCame(const HistoryRecord &record)
{
    const auto whole = WholeMailLink::linkedFile(record);
    m_wholeFile = whole.value_or(QString());
    const bool unpacked = record.Body.contains(MailCheck::kAttachmentNote);
    m_openWhole->setEnabled(whole.has_value());
    m_openFolder->setEnabled(unpacked || whole.has_value());
}

void TyakuForm::openAttachmentFolder()
{
    // A linked whole mail lies in the folder it is kept in; unpacked attachments in the attachment folder.
    const QString folder = !m_wholeFile.isEmpty() ? QFileInfo(m_wholeFile).absolutePath()
                                                  : AppPaths::resolve(AppPaths::kAttachmentFolder);
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        Prompt::error(QStringLiteral("フォルダを開けませんでした。\n%1").arg(folder), {}, this);
}

void TyakuForm::openWholeMail()
{
    if (m_wholeFile.isEmpty())
        return;
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(m_wholeFile)))
        Prompt::error(QStringLiteral("メールのファイルを開けませんでした。\n%1").arg(m_wholeFile), {}, this);
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

QString TyakuForm::searchText() const
{
    return m_search->text();
}

void TyakuForm::loadCurrentFile()
{
    // A start-up with no current file is normal, not a load error.
    const QString path = editorState().currentFile;
    if (!path.isEmpty()) {
        for (;;) {
            if (const auto text = EditorFile::load(path)) {
                setBodyText(*text);
                break;
            }
            const auto answer = Prompt::instance().ask(
                {QString(), Prompt::programTitle() + QStringLiteral("  Form_LoadError"),
                 Prompt::Icon::Warning, Prompt::Buttons::OkCancel},
                this);
            if (answer != Prompt::Answer::Ok)
                break;
        }
    }
    editorState().changed = false;
    m_editor->setVisible(true);
}

namespace {

std::vector<std::pair<QPointer<QObject>, std::function<void()>>> &receivedOpenedListeners()
{
    static std::vector<std::pair<QPointer<QObject>, std::function<void()>>> listeners;
    return listeners;
}

} // namespace

void TyakuForm::addReceivedOpenedListener(QObject *context, std::function<void()> listener)
{
    receivedOpenedListeners().emplace_back(context, std::move(listener));
}

TyakuForm *TyakuForm::openHistory(HistoryFile::Kind kind)
{
    const bool received = kind == HistoryFile::Kind::Received;
    TyakuForm *form = Forms::open<TyakuForm>();
    form->setWindowTitle(received ? QStringLiteral("着信履歴") : QStringLiteral("送信履歴"));
    historyState().mode = received ? HistoryState::kReceived : HistoryState::kSent;
    QPalette palette = form->m_list->palette();
    palette.setColor(QPalette::Base, received ? QColor(210, 250, 250) : QColor(250, 250, 255));
    form->m_list->setPalette(palette);
    form->fillList();
    if (received) {
        auto &listeners = receivedOpenedListeners();
        std::erase_if(listeners, [](const auto &listener) { return listener.first.isNull(); });
        const auto now = listeners;
        for (const auto &[context, call] : now)
            if (context)
                call();
    }
    return form;
}

void TyakuForm::fillList()
{
    m_model->clear();
    m_editor->clear();
    offerWhatCame({});

    const HistoryFile file(historyState().kind());
    m_model->list(file.kind());
    const int rows = m_model->rowCount();
    m_count->setText(QString::number(rows));
    if (rows == 0)
        return;

    // Each listed record would pass through the boxes and the clipboard in turn;
    // only the last one's effect can be seen, so only the last is read whole.
    if (const auto last = file.read(rows)) {
        historyState().buffer() = *last;
        showRecord(*last, rows);
        passBodyThroughClipboard();
    }
}

void TyakuForm::showSelectedMail()
{
    m_marker->setText(QStringLiteral("1"));
    if (m_count->text().trimmed() == QLatin1String("0") || m_model->rowCount() == 0) {
        Prompt::instance().ask({QStringLiteral("選択するデータがありません。"), {}, Prompt::Icon::None,
                                Prompt::Buttons::Ok},
                               this);
        return;
    }
    const int row = selectedRow();
    if (row == 0)
        return;
    const HistoryFile file(historyState().kind());
    const auto record = file.read(row);
    if (!record) {
        // The file changed behind the list: nothing shown may pass for this row.
        m_marker->clear();
        Prompt::error(QStringLiteral("選択されたメールを読み込めませんでした。一覧を読み込み直します。\n%1")
                          .arg(file.path()),
                      {}, this);
        fillList();
        m_subject->clear();
        m_from->clear();
        m_date->clear();
        m_editor->clear();
        return;
    }
    historyState().buffer() = *record;
    showRecord(*record, row);
    m_count->setText(QString::number(m_model->rowCount()));
    passBodyThroughClipboard();
}

namespace {

constexpr qsizetype kLongestShownBody = 1000 * 1000;

} // namespace

void TyakuForm::showRecord(const HistoryRecord &record, int row)
{
    offerWhatCame(record);
    // A record that links to its whole mail shows the mail, every character of it;
    // without a readable file it shows as stored.
    if (const auto whole = WholeMailLink::read(record, historyState().kind())) {
        setSubjectText(FixedField::trimSpaces(whole->subject));
        setFromText(FixedField::trimSpaces(whole->correspondent));
        setDateText(FixedField::trimSpaces(whole->date));
        // The editor lays out every character at once; a mail of many megabytes would
        // hold the window for seconds, so only its start is shown here.
        QString body = FixedField::trimSpaces(whole->body);
        if (body.size() > kLongestShownBody)
            body = body.left(kLongestShownBody) + QStringLiteral("\r\n……（長いため、ここまでを表示しています）");
        setBodyText(body);
        m_model->showWhole(row - 1, whole->subject, whole->correspondent);
        return;
    }
    showStored(record);
}

void TyakuForm::showStored(const HistoryRecord &record)
{
    const HistoryRecord shown = record.trimmed();
    const QString &from = shown.Correspondent;
    setSubjectText(RecordText::forScreen(shown.Subject, from));
    setFromText(RecordText::forScreen(from, from));
    setDateText(RecordText::forScreen(shown.MailDate, from));
    setBodyText(RecordText::forScreen(shown.Body, from));
}

void TyakuForm::passBodyThroughClipboard()
{
    Clipboard::clear();
    Clipboard::setText(m_editor->toPlainText());
    m_editor->setPlainText(FixedField::trimSpaces(Clipboard::text()));
}

QString TyakuForm::subjectText() const { return m_subject->text(); }
QString TyakuForm::fromText() const { return m_from->text(); }
QString TyakuForm::dateText() const { return m_date->text(); }
namespace {

// Long values show their beginning, where the name or the weekday is.
void setFromStart(QLineEdit *box, const QString &text)
{
    box->setText(text);
    box->setCursorPosition(0);
}

} // namespace

void TyakuForm::setSubjectText(const QString &text) { setFromStart(m_subject, text); }
void TyakuForm::setFromText(const QString &text) { setFromStart(m_from, text); }
void TyakuForm::setDateText(const QString &text) { setFromStart(m_date, text); }

QString TyakuForm::bodyText() const
{
    return LineEnds::toCrLf(m_editor->toPlainText());
}

void TyakuForm::setBodyText(const QString &text)
{
    m_editor->setPlainText(LineEnds::toWidget(text));
}

int TyakuForm::rowCount() const
{
    return m_model->rowCount();
}

int TyakuForm::selectedRow() const
{
    const QModelIndexList rows = m_list->selectionModel()->selectedRows();
    return rows.isEmpty() ? 0 : rows.first().row() + 1;
}

QString TyakuForm::selectionMarker() const
{
    return m_marker->text();
}

void TyakuForm::setSelectionMarker(const QString &marker)
{
    m_marker->setText(marker);
}

QString TyakuForm::countText() const
{
    return m_count->text();
}

QString TyakuForm::copyFieldText() const
{
    return m_copyField->text();
}

void TyakuForm::clearList()
{
    m_model->clear();
    offerWhatCame({});
    m_count->setText(QStringLiteral("0"));
}

const QString &TyakuForm::helpText(const QString &controlName)
{
    static const QString none;
    const auto found = helpTexts().find(controlName);
    return found == helpTexts().end() ? none : *found;
}

bool TyakuForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        // A row reached by the keyboard is shown as a click would show it.
        const QModelIndex before = m_list->currentIndex();
        static_cast<QObject *>(m_list)->event(event);
        if (m_list->currentIndex() != before && selectedRow() != 0)
            showSelectedMail();
        // A key the list ignored did nothing there and goes on to the window.
        return event->isAccepted();
    }
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonRelease) {
        // A click beside the rows still counts as a click on the list.
        const auto *click = static_cast<QMouseEvent *>(event);
        if (click->button() == Qt::LeftButton && !m_list->indexAt(click->position().toPoint()).isValid())
            showSelectedMail();
        return false;
    }
    if (event->type() != QEvent::MouseMove)
        return QMainWindow::eventFilter(watched, event);

    if (watched == m_client) {
        placeCopyControlsOnStatusBar();
    } else if (watched == m_list->viewport()) {
        m_help->setVisible(false);
        m_help->clear();
    } else if (watched == m_editor->viewport()) {
        m_help->setVisible(false);
    } else if (watched == m_subject || watched == m_from || watched == m_date) {
        m_copyField->setText(static_cast<QLineEdit *>(watched)->text());
    } else if (const QString &text = helpText(watched->objectName()); !text.isEmpty()) {
        m_help->setPlainText(LineEnds::toWidget(text));
        m_help->setVisible(true);
    }
    // Handled here, so the move does not reach the background as well.
    return watched != m_client;
}

int TyakuForm::statusBarTop() const
{
    return qMax(0, Twips::toTwips(m_client->height()) - 375);
}

void TyakuForm::placeCopyControlsOnStatusBar()
{
    const int top = statusBarTop() + 80;
    m_copyField->move(m_copyField->x(), Twips::toPixels(top));
    m_copyButton->move(m_copyButton->x(), Twips::toPixels(top));
}

void TyakuForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    applyLayout();
}

void TyakuForm::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        applyLayout();
}

void TyakuForm::applyLayout()
{
    // The status bar sits along the bottom of the client area.
    Twips::place(m_statusBar, 0, statusBarTop(), Twips::toTwips(m_client->width()), 375);

    const QSize outer = frameGeometry().size();
    HistoryLayout::Input in;
    in.windowWidth = Twips::toTwips(outer.width());
    in.windowHeight = Twips::toTwips(outer.height());
    in.maximized = isMaximized();
    in.editorLeft = m_editorLeft;
    in.subjectHeight = 375;
    in.statusBarLeft = 0;
    in.statusBarTop = statusBarTop();
    in.copyButtonLeft = m_copyButtonLeft;
    const HistoryLayout layout = HistoryLayout::compute(in);
    m_copyButtonLeft = layout.copyButtonLeft;

    auto place = [](QWidget *w, const HistoryLayout::Rect &r) { Twips::place(w, r.left, r.top, r.width, r.height); };
    place(m_list, layout.list);
    m_band->resize(Twips::toPixels(layout.bandWidth), m_band->height());
    place(m_subject, layout.subject);
    place(m_from, layout.from);
    place(m_date, layout.date);
    place(m_editor, layout.editor);
    m_copyField->move(Twips::toPixels(layout.copyFieldLeft), Twips::toPixels(layout.copyFieldTop));
    m_copyButton->move(Twips::toPixels(layout.copyButtonLeft), Twips::toPixels(layout.copyButtonTop));
}
