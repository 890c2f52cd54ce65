#include "ui/compose/WriteForm.h"

#include "ui/common/Clipboard.h"
#include "ui/common/OneLineBox.h"
#include "ui/common/PlainText.h"
#include "ui/common/Prompt.h"
#include "ui/common/Accelerators.h"
#include "ui/common/TabKeys.h"
#include "ui/common/Twips.h"
#include "ui/compose/ComposeTexts.h"
#include "ui/compose/LimitedTextEdit.h"
#include "ui/shell/Forms.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {

const QColor kListWhite(255, 255, 255);
const QColor kListGreen(0, 128, 0);
const QColor kHelpColour(192, 255, 255);

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Option buttons in one frame cannot be turned all off while they stay exclusive.
void turnOff(QRadioButton *option)
{
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

} // namespace

namespace {

void showRaised(QWidget *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    Forms::show(window);
    window->raise();
    window->activateWindow();
}

} // namespace

WriteForm::WriteForm(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WriteForm"));
    setWindowTitle(QStringLiteral("新規作成"));
    setMouseTracking(true);

    QPushButton *sendButton = m_send = button("Command1", QStringLiteral("送信"), 240, 120, 1335);
    QPushButton *widenButton = button("Command4", QStringLiteral("アドレス帳"), 1800, 120, 1335);
    QPushButton *restoreButton = button("Command6", QStringLiteral("元のサイズ"), 3360, 120, 1335);
    QPushButton *emoticonButton = button("Command8", QStringLiteral("顔・絵文字"), 4800, 120, 1455);
    QPushButton *stopButton = button("Command3", QStringLiteral("送信中止"), 240, 600, 1335);
    QPushButton *bodyPaste = button("Command5", QStringLiteral("本文に貼付"), 1800, 600, 1335);
    QPushButton *toPaste = button("Command7", QStringLiteral("宛先に貼付"), 3360, 600, 1335);
    QPushButton *clearButton = m_clear = button("Command11", QStringLiteral("クリア"), 4800, 600, 1455);

    QLabel *toLabel = label(QStringLiteral("宛先"), 240, 1200, 1000);
    m_to = new LimitedTextEdit(kToLength, this);
    m_to->setObjectName(QStringLiteral("ToText"));
    m_to->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Twips::place(m_to, 1320, 1200, 5415, 300);
    // A line break between addresses means what a comma means.
    OneLine::guard(m_to, QStringLiteral(","));
    TabKeys::tabLeaves(m_to);

    toLabel->setBuddy(m_to);
    QLabel *subjectLabel = label(QStringLiteral("件名"), 240, 1560, 1000);
    m_subject = new QLineEdit(this);
    m_subject->setObjectName(QStringLiteral("SubjectText"));
    subjectLabel->setBuddy(m_subject);
    Twips::place(m_subject, 1320, 1560, 5415, 300);
    OneLine::guard(m_subject);

    QLabel *greetingLabel = label(QStringLiteral("首記例"), 240, 1920, 1000);
    m_greeting = new QComboBox(this);
    m_greeting->setObjectName(QStringLiteral("Combo1"));
    greetingLabel->setBuddy(m_greeting);
    m_greeting->setEditable(true);
    m_greeting->setInsertPolicy(QComboBox::NoInsert);
    Twips::place(m_greeting, 1320, 1920, 5415, 315);

    m_attach = button("AttachCommand", QStringLiteral("添付File"), 240, 2280, 855, 300);
    m_add = button("Command9", QStringLiteral("追加"), 1080, 2280, 855, 300);
    m_cancelAttach = button("Command10", QStringLiteral("取り消し"), 1920, 2280, 855, 300);
    m_attachText = new QLineEdit(this);
    m_attachText->setObjectName(QStringLiteral("AttachText"));
    m_attachText->setAccessibleName(QStringLiteral("添付File"));
    Twips::place(m_attachText, 2760, 2280, 3975, 300);

    label(QStringLiteral("占い添付"), 240, 2640, 1000);
    label(QStringLiteral("★　親しい人に占いを添付する　★ （一括送信では使用不可）"), 1320, 2640, 4935);
    m_fortune = new QCheckBox(this);
    m_fortune->setObjectName(QStringLiteral("Check1"));
    m_fortune->setAccessibleName(QStringLiteral("占い添付"));
    m_fortune->setAccessibleDescription(QStringLiteral("★　親しい人に占いを添付する　★ （一括送信では使用不可）"));
    Twips::place(m_fortune, 6360, 2640, 375, 255);

    m_body = new QPlainTextEdit(this);
    m_body->setObjectName(QStringLiteral("BodyText"));
    m_body->setAccessibleName(QStringLiteral("本文"));
    m_body->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_body->viewport()->setMouseTracking(true);
    TabKeys::ctrlTabLeaves(m_body);
    Twips::place(m_body, 240, 3000, 6495, 4335);

    m_attachList = new QListWidget(this);
    m_attachList->setObjectName(QStringLiteral("List2"));
    Twips::place(m_attachList, 2760, 2580, 3975, 1860);

    m_help = new QPlainTextEdit(this);
    m_help->setObjectName(QStringLiteral("Text14"));
    m_help->setReadOnly(true);
    m_help->setFocusPolicy(Qt::NoFocus);
    // It lies over the body and the address list: clicks go to them.
    m_help->setAttribute(Qt::WA_TransparentForMouseEvents);
    setBackground(m_help, kHelpColour);
    Twips::place(m_help, 840, 4440, 5175, 2655);
    m_help->hide();

    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("Label7"));
    PlainText::keep(m_status);
    m_status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Twips::place(m_status, 240, 7320, 6495, 375);

    m_scratchPaste = button("Command2", QStringLiteral("貼付け"), 240, 8115, 1335, 300);
    m_scratch = new QLineEdit(this);
    m_scratch->setObjectName(QStringLiteral("Text4"));
    m_scratch->setAccessibleName(QStringLiteral("貼付け"));
    Twips::place(m_scratch, 1800, 8115, 2295, 285);

    buildPanel();

    for (const auto &[control, letter] : {
             std::pair<QWidget *, char>{sendButton, 'S'}, {widenButton, 'A'}, {restoreButton, 'R'},
             {emoticonButton, 'K'}, {stopButton, 'Q'}, {bodyPaste, 'P'}, {toPaste, 'V'}, {clearButton, 'C'},
             {m_to, 'T'}, {m_subject, 'J'}, {m_greeting, 'G'}, {m_attach, 'F'}, {m_add, 'D'},
             {m_cancelAttach, 'X'}, {m_fortune, 'U'}, {m_body, 'B'}, {m_names, 'L'}, {m_bulk, 'I'},
             {m_single, 'O'}})
        Accelerators::bind(control, QChar::fromLatin1(letter));

    m_helpButtons = {sendButton, stopButton, widenButton, bodyPaste, restoreButton,
                     toPaste,    emoticonButton, m_add, clearButton, m_attach};
    for (QPushButton *helped : m_helpButtons) {
        helped->setMouseTracking(true);
        helped->installEventFilter(this);
    }
    m_body->viewport()->installEventFilter(this);
    m_greeting->installEventFilter(this);
    m_status->installEventFilter(this);
    m_names->viewport()->installEventFilter(this);

    connect(sendButton, &QPushButton::clicked, this, &WriteForm::send);
    // While a send runs, 送信中止 stops it and the window keeps what was written.
    connect(stopButton, &QPushButton::clicked, this, [this] {
        if (m_sender)
            m_sender->cancel();
        else
            close();
    });
    connect(widenButton, &QPushButton::clicked, this, [this] {
        widen();
        fillAddressList();
    });
    connect(restoreButton, &QPushButton::clicked, this, &WriteForm::restore);
    connect(bodyPaste, &QPushButton::clicked, this, &WriteForm::pasteIntoBody);
    connect(toPaste, &QPushButton::clicked, this, &WriteForm::pasteIntoRecipient);
    connect(emoticonButton, &QPushButton::clicked, this, [] { Forms::openEmoticons(); });
    connect(clearButton, &QPushButton::clicked, this, &WriteForm::clear);
    m_attachmentWidgets = {m_attach, m_add, m_cancelAttach, m_attachText, m_attachList};
    m_attachmentWidgets.bind(this, m_attachments);
    connect(m_bulk, &QRadioButton::clicked, this, [this] { chooseBulk(true); });
    connect(m_single, &QRadioButton::clicked, this, [this] { chooseBulk(false); });
    connect(m_scratchPaste, &QPushButton::clicked, this,
            [this] { m_scratch->setText(Clipboard::text()); });

    load();
}

QPushButton *WriteForm::button(const char *name, const QString &caption, int left, int top,
                               int width, int height)
{
    auto *created = new QPushButton(caption, this);
    created->setObjectName(QString::fromLatin1(name));
    Twips::place(created, left, top, width, height);
    return created;
}

QLabel *WriteForm::label(const QString &text, int left, int top, int width, int height)
{
    auto *created = new QLabel(text, this);
    Twips::place(created, left, top, width, height);
    return created;
}

void WriteForm::buildPanel()
{
    QLabel *listLabel = label(QStringLiteral("アドレス帳"), 7200, 1200, 1000);
    QLabel *countLabel = label(QStringLiteral("件数"), 8280, 1200, 420);
    m_count = new QLineEdit(this);
    m_count->setObjectName(QStringLiteral("Text1"));
    countLabel->setBuddy(m_count);
    Twips::place(m_count, 8760, 1200, 540, 285);

    m_names = new QListWidget(this);
    m_names->setObjectName(QStringLiteral("List1"));
    listLabel->setBuddy(m_names);
    // A list reports no label of its own to a reader: it carries the name.
    m_names->setAccessibleName(listLabel->text());
    Twips::place(m_names, 7200, 1560, 2055, 5100);
    setBackground(m_names, kListWhite);

    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    Twips::place(frame, 7200, 6720, 2055, 495);
    m_bulk = new QRadioButton(QStringLiteral("一括送信"), frame);
    m_bulk->setObjectName(QStringLiteral("Option2"));
    // Wide enough for 一括送信 beside its circle; 取消 moves over to make room.
    Twips::place(m_bulk, 120, 120, 1095, 255);
    m_single = new QRadioButton(QStringLiteral("取消"), frame);
    m_single->setObjectName(QStringLiteral("Option1"));
    Twips::place(m_single, 1230, 120, 750, 255);
    m_panelControls = {listLabel, countLabel, m_count, m_names, frame};
}

void WriteForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // Beyond the window's edge the panel is hidden, so neither Tab nor a screen
    // reader finds controls nobody can see; widened, by button or by hand, it shows.
    for (QWidget *control : m_panelControls)
        control->setVisible(width() > m_names->x());
}

void WriteForm::load()
{
    setOuterSize(kNormalWidth, kHeight);
    turnOff(m_bulk);
    m_scratch->hide();
    m_scratchPaste->hide();
    m_scratchPaste->setEnabled(false);
    showAttachmentControls();
    m_fortune->setChecked(false);
    m_greeting->addItems(ComposeTexts::GreetingPhrases());
    m_greeting->setCurrentIndex(-1);
    m_greeting->setEditText(QString());
    m_panel.fillFromAddressList();
    m_names->clear();
    m_names->addItems(m_panel.names());
    m_count->setText(QString::number(m_panel.count()));
}

bool WriteForm::holdsUnsentText() const
{
    return !m_to->toPlainText().isEmpty() || !m_subject->text().isEmpty() || !m_body->toPlainText().isEmpty();
}

void WriteForm::fillNewMail(const QString &recipient, const QString &subject, const QString &body,
                            const QString &note)
{
    m_to->setPlainText(recipient);
    m_subject->setText(subject);
    m_body->setPlainText(body);
    setStatus(note);
}

QString WriteForm::bodyText() const
{
    return m_body->toPlainText();
}

void WriteForm::insertIntoBody(const QString &text)
{
    QTextCursor cursor = m_body->textCursor();
    cursor.insertText(text);
    m_body->setTextCursor(cursor);
}

void WriteForm::centre()
{
    const QRect screenArea = screen()->geometry();
    const QRect outer = frameGeometry();
    move(screenArea.x() + (screenArea.width() - outer.width()) / 2,
         screenArea.y() + (screenArea.height() - outer.height()) / 2);
}

void WriteForm::setOuterSize(int width, int height)
{
    Twips::setClientSize(this, width - kFrameWidth, height - kFrameHeight);
}

void WriteForm::widen()
{
    resize(Twips::toPixels(kWideWidth - kFrameWidth), height());
    centre();
}

void WriteForm::restore()
{
    resize(Twips::toPixels(kNormalWidth - kFrameWidth), height());
    setListColour(kListWhite);
    centre();
}

void WriteForm::setListColour(const QColor &colour)
{
    setBackground(m_names, colour);
}

void WriteForm::clear()
{
    if (m_sender)
        return;
    m_to->clear();
    m_subject->clear();
    m_body->clear();
    turnOff(m_bulk);
    m_attachments.clear();
    showAttachmentControls();
    m_fortune->setChecked(false);
    setListColour(kListWhite);
}

void WriteForm::pasteIntoBody()
{
    m_body->setPlainText(m_body->toPlainText() + Clipboard::text());
}

void WriteForm::pasteIntoRecipient()
{
    m_to->setPlainText(Clipboard::text());
}

void WriteForm::fillAddressList()
{
    m_panel.fillFromAddressBook();
    m_names->clear();
    m_names->addItems(m_panel.names());
    m_count->setText(QString::number(m_panel.count()));
}

void WriteForm::pickAddress()
{
    const QList<QListWidgetItem *> selected = m_names->selectedItems();
    if (selected.isEmpty()) {
        Prompt::warn(AddressPanel::nothingSelected(), {}, this);
        m_names->setFocus();
        return;
    }
    if (const auto address = m_panel.pick(m_names->row(selected.first())))
        m_to->setPlainText(*address);
}

void WriteForm::chooseBulk(bool on)
{
    if (m_sender)
        return;
    if (on) {
        m_bulk->setChecked(true);
        setListColour(kListGreen);
    } else {
        m_single->setChecked(true);
        m_to->clear();
        setListColour(kListWhite);
    }
}

void WriteForm::openScratchBox()
{
    if (m_to->toPlainText() != QLatin1String("mabo"))
        return;
    resize(width(), Twips::toPixels(kScratchHeight - kFrameHeight));
    m_scratch->show();
    m_scratchPaste->show();
    m_scratchPaste->setEnabled(true);
}

void WriteForm::showAttachmentControls()
{
    m_attachmentWidgets.show(m_attachments);
}

void WriteForm::showHelp(const QString &text)
{
    if (m_help->toPlainText() != text)
        m_help->setPlainText(text);
    m_help->show();
    m_help->raise();
}

void WriteForm::hideHelp()
{
    m_help->hide();
}

bool WriteForm::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (auto *helped = qobject_cast<QPushButton *>(watched); helped && m_helpButtons.contains(helped)) {
        if (type == QEvent::Enter || type == QEvent::MouseMove)
            showHelp(ComposeTexts::helpFor(helped->objectName()));
        // A move the button ignores would reach the background and hide the help again.
        if (type == QEvent::MouseMove && static_cast<QMouseEvent *>(event)->buttons() == Qt::NoButton)
            return true;
    } else if (watched == m_body->viewport()) {
        if (type == QEvent::Enter || type == QEvent::MouseMove)
            hideHelp();
    } else if (watched == m_greeting) {
        if (type == QEvent::FocusOut
            && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
            // One undo step, so Ctrl+Z brings the typed body back.
            QTextCursor cursor(m_body->document());
            cursor.select(QTextCursor::Document);
            cursor.insertText(m_greeting->currentText());
            cursor.movePosition(QTextCursor::Start);
            m_body->setTextCursor(cursor);
        }
    } else if (watched == m_status) {
        if (type == QEvent::MouseButtonDblClick)
            openScratchBox();
    } else if (watched == m_names->viewport()) {
        if (type == QEvent::MouseButtonPress) {
            // The entry under the pointer becomes the selection before it is read.
            const auto *press = static_cast<QMouseEvent *>(event);
            if (QListWidgetItem *item = m_names->itemAt(press->position().toPoint()))
                m_names->setCurrentItem(item);
            pickAddress();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void WriteForm::mouseMoveEvent(QMouseEvent *event)
{
    hideHelp();
    QWidget::mouseMoveEvent(event);
}

void WriteForm::send()
{
    // No second send and no close while one runs, its boxes included.
    if (m_sender)
        return;
    m_textsAtSend = {m_to->toPlainText(), m_subject->text(), m_body->toPlainText()};
    m_sender = new Sender(*this, this);
    connect(m_sender, &Sender::finished, this, &WriteForm::sendEnded);
    lockForSend(true);
    m_sender->start();
}

void WriteForm::sendEnded()
{
    Sender *sender = m_sender;
    m_sender = nullptr;
    sender->deleteLater();
    lockForSend(false);
    // What was written stays when nothing went out (a cancel, a single mail refused)
    // and when the user wrote on while it went.
    const bool edited = m_textsAtSend != QStringList{m_to->toPlainText(), m_subject->text(), m_body->toPlainText()};
    const bool keep = sender->wasCancelled() || (sender->passes() == 1 && sender->failures() > 0) || edited;
    if (!keep)
        closeWhenFree();
}

void WriteForm::closeWhenFree()
{
    // Closing frees the window, and with it any box still open on it.
    if (Prompt::openOn(this)) {
        connect(Prompt::watch(), &PromptWatch::closed, this, &WriteForm::closeWhenFree, Qt::UniqueConnection);
        return;
    }
    disconnect(Prompt::watch(), &PromptWatch::closed, this, &WriteForm::closeWhenFree);
    if (!m_sender)
        close();
}

void WriteForm::lockForSend(bool locked)
{
    for (QWidget *control : {static_cast<QWidget *>(m_send), static_cast<QWidget *>(m_clear),
                             static_cast<QWidget *>(m_bulk), static_cast<QWidget *>(m_single),
                             static_cast<QWidget *>(m_fortune)})
        control->setEnabled(!locked);
    m_attachText->setReadOnly(locked);
    if (locked) {
        for (QPushButton *control : {m_attach, m_add, m_cancelAttach})
            control->setEnabled(false);
    } else {
        showAttachmentControls();
    }
}

bool WriteForm::isSending() const
{
    return m_sender != nullptr;
}

void WriteForm::closeEvent(QCloseEvent *event)
{
    if (m_sender) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

QString WriteForm::recipient() const
{
    return m_to->toPlainText();
}

QString WriteForm::subject() const
{
    return m_subject->text();
}

QString WriteForm::mailBody() const
{
    QString text = m_body->toPlainText();
    text.replace(u'\n', QLatin1String("\r\n"));
    return text;
}

QString WriteForm::attachmentText() const
{
    return m_attachments.text();
}

bool WriteForm::fortuneTicked() const
{
    return m_fortune->isChecked();
}

bool WriteForm::bulkChosen() const
{
    return m_bulk->isChecked();
}

int WriteForm::listCount() const
{
    return m_names->count();
}

void WriteForm::setStatus(const QString &text)
{
    m_status->setText(text);
    m_status->repaint();
}

void WriteForm::prepareAttachmentsForSend()
{
    m_attachments.prepareForSend();
    showAttachmentControls();
    if (m_sender)
        lockForSend(true);
}

void WriteForm::takeLink(const QString &recipient, const QString &subject, const QString &body,
                         const QString &note)
{
    WriteForm *form = Forms::existing<WriteForm>();
    if (form && form->isSending()) {
        // A mail on its way keeps its window; the link waits for the user.
        showRaised(form);
        Prompt::inform(QStringLiteral("送信中のため、リンクのメールは作成できませんでした。送信が終わってからもう一度開いてください。"),
                       {}, form);
        return;
    }
    if (form && form->holdsUnsentText()) {
        showRaised(form);
        if (!Prompt::confirm(QStringLiteral("作成中のメールがあります。リンクの内容で置き換えますか？"), form))
            return;
    }
    form = Forms::get<WriteForm>();
    form->fillNewMail(recipient, subject, body, note);
    showRaised(form);
}
