#include "ui/viewer/TyakuForm.h"

#include <QPointer>

#include "core/common/AppPaths.h"
#include "ui/common/Clipboard.h"
#include "core/common/FixedField.h"
#include "core/common/LineEnds.h"
#include "ui/common/Fonts.h"
#include "ui/common/Prompt.h"
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
#include "ui/viewer/JunkActions.h"
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

namespace {

constexpr int kClientWidth = 10425;
constexpr int kSpoofLineHeight = 330;
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

    m_commands = std::make_unique<EditorCommands>(*this);
    m_actions = std::make_unique<MailActions>(this);
    m_junkActions = std::make_unique<JunkActions>(this);

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

TyakuForm::~TyakuForm() = default;

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
    const bool junk = kind == HistoryFile::Kind::Junk;
    form->setWindowTitle(received ? QStringLiteral("着信履歴")
                                  : junk ? QStringLiteral("迷惑メール") : QStringLiteral("送信履歴"));
    historyState().mode = HistoryState::modeOf(kind);
    QPalette palette = form->m_list->palette();
    palette.setColor(QPalette::Base, received ? QColor(210, 250, 250)
                                              : junk ? QColor(245, 235, 225) : QColor(250, 250, 255));
    form->m_list->setPalette(palette);
    form->showJunkEntries();
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
    setSpoofWarning(false);
    m_shownRow = 0;

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
    m_shownRow = row;
    // Said beside the mail, never in it: saving or quoting the text leaves it out.
    const bool spoofed = shownMailSpoofed(row);
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
        setSpoofWarning(spoofed);
        return;
    }
    showStored(record);
    setSpoofWarning(spoofed);
}

void TyakuForm::showStored(const HistoryRecord &record)
{
    setSpoofWarning(false);
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
    // Of several selected rows, the one last clicked is the one shown.
    const QItemSelectionModel *selection = m_list->selectionModel();
    const QModelIndex current = m_list->currentIndex();
    if (current.isValid() && selection->isRowSelected(current.row(), current.parent()))
        return current.row() + 1;
    const QModelIndexList rows = selection->selectedRows();
    return rows.isEmpty() ? 0 : rows.first().row() + 1;
}

QList<int> TyakuForm::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_list->selectionModel()->selectedRows())
        rows << index.row() + 1;
    std::sort(rows.begin(), rows.end());
    return rows;
}

void TyakuForm::showRow(int row)
{
    if (row < 1 || row > m_model->rowCount())
        return;
    const QModelIndex index = m_model->index(row - 1, 0);
    m_list->setCurrentIndex(index);
    m_list->scrollTo(index);
    showSelectedMail();
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
    setSpoofWarning(false);
    m_shownRow = 0;
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

    // The layout works on the outer size; what would pass the client's edge by
    // the frame's width ends at it.
    const int clientWidth = Twips::toTwips(m_client->width());
    auto place = [clientWidth](QWidget *w, HistoryLayout::Rect r) {
        r.width = qMax(0, qMin(r.width, clientWidth - r.left));
        Twips::place(w, r.left, r.top, r.width, r.height);
    };
    place(m_list, layout.list);
    m_band->resize(qMin(Twips::toPixels(layout.bandWidth), m_client->width()), m_band->height());
    place(m_subject, layout.subject);
    place(m_from, layout.from);
    place(m_date, layout.date);
    // The なりすまし line takes the editor's first line of room.
    HistoryLayout::Rect editor = layout.editor;
    if (!m_spoofLine->isHidden()) {
        place(m_spoofLine, {editor.left, editor.top, editor.width, kSpoofLineHeight});
        editor.top += kSpoofLineHeight;
        editor.height = qMax(0, editor.height - kSpoofLineHeight);
    }
    place(m_editor, editor);
    m_copyField->move(Twips::toPixels(layout.copyFieldLeft), Twips::toPixels(layout.copyFieldTop));
    m_copyButton->move(Twips::toPixels(layout.copyButtonLeft), Twips::toPixels(layout.copyButtonTop));
}
