#include "ui/addressbook/FriendForm.h"

#include "core/addressbook/AddressBook.h"
#include "core/addressbook/NameCard.h"
#include "ui/common/Clipboard.h"
#include "ui/common/OneLineBox.h"
#include "ui/common/PlainText.h"
#include "ui/common/Prompt.h"
#include "ui/common/Twips.h"
#include "ui/addressbook/AddressExchangeActions.h"
#include "ui/shell/Forms.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <functional>

namespace {

constexpr int kAddressLength = 60;
constexpr int kNameLength = 30;

const QString kChosen = QStringLiteral("　選択しました。");
const QString kRegistered = QStringLiteral("　登録が完了しました。");
const QString kDeleted = QStringLiteral("削除が完了しました");
const QString kAsking = QStringLiteral(" ");
const QString kNothingChosen = QStringLiteral("データが選択されていません");
const QString kNoAddress = QStringLiteral("メールアドレスが入力されていません");
const QString kNoCard = QStringLiteral("名詞が入力されていません");
const QString kConfirmDelete =
    QStringLiteral("選択された（行、青色）データを削除します。よろしいですか");

const QString kExampleAddress = QStringLiteral("taro@example.jp");

// The list reports every press, also one that leaves the selection as it was.
class PressReportingTree : public QTreeWidget {
public:
    using QTreeWidget::QTreeWidget;
    std::function<void()> onPress;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        QTreeWidget::mousePressEvent(event);
        if (onPress)
            onPress();
    }
};

void plainBox(const QString &text, QWidget *parent)
{
    Prompt::instance().ask({text, {}, Prompt::Icon::None, Prompt::Buttons::Ok}, parent);
}

} // namespace

FriendForm::FriendForm(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FriendForm"));
    setWindowTitle(QStringLiteral("アドレス帳"));
    Twips::setClientSize(this, 7335, 6600);
    setMouseTracking(true);

    auto *addressLabel = Twips::add<QLabel>(this, QStringLiteral("Label1"), 120, 165, 1215, 255, QStringLiteral("メールアドレス"));
    m_address = Twips::add<QLineEdit>(this, QStringLiteral("Text4"), 1380, 120, 4335, 300);
    addressLabel->setBuddy(m_address);
    // The limit also cuts text that code or a paste puts into the box.
    m_address->setMaxLength(kAddressLength);
    connect(addButton(QStringLiteral("Command1"), QStringLiteral("貼付"), 5835, 90, 1095),
            &QPushButton::clicked, this, &FriendForm::paste);

    auto *nameLabel = Twips::add<QLabel>(this, QStringLiteral("Label2"), 120, 585, 1215, 255, QStringLiteral("名前"));
    m_name = Twips::add<QLineEdit>(this, QStringLiteral("Text2"), 1380, 540, 3135, 300);
    nameLabel->setBuddy(m_name);
    m_name->setMaxLength(kNameLength);

    // Cards and lists of other programs, in and out.
    auto *importButton = Twips::add<QPushButton>(this, QStringLiteral("CommandImport"), 4635, 510, 1215, 375,
                                                 QStringLiteral("インポート…"));
    connect(importButton, &QPushButton::clicked, this, [this] {
        if (ExchangeActions::importAddresses(this))
            reload();
    });
    auto *exportButton = Twips::add<QPushButton>(this, QStringLiteral("CommandExport"), 5940, 510, 1275, 375,
                                                 QStringLiteral("エクスポート…"));
    connect(exportButton, &QPushButton::clicked, this, [this] { ExchangeActions::exportAddresses(this); });

    auto *cardLabel = Twips::add<QLabel>(this, QStringLiteral("Label3"), 120, 1005, 1215, 255, QStringLiteral("名刺"));
    m_card = Twips::add<QLineEdit>(this, QStringLiteral("Text50"), 1380, 960, 3135, 300);
    cardLabel->setBuddy(m_card);
    for (QLineEdit *box : {m_address, m_name, m_card})
        OneLine::guard(box);
    connect(addButton(QStringLiteral("Command38"), QStringLiteral("名刺挿入"), 4635, 930, 1335),
            &QPushButton::clicked, this, &FriendForm::insertNameCard);

    connect(addButton(QStringLiteral("Command3"), QStringLiteral("登録"), 120, 1440, 1095),
            &QPushButton::clicked, this, &FriendForm::registerEntry);
    connect(addButton(QStringLiteral("Command4"), QStringLiteral("削除"), 1335, 1440, 1095),
            &QPushButton::clicked, this, &FriendForm::deleteEntry);
    auto *countLabel = Twips::add<QLabel>(this, QStringLiteral("Label4"), 2550, 1500, 855, 255, QStringLiteral("登録件数"));
    m_count = Twips::add<QLineEdit>(this, QStringLiteral("Text3"), 3420, 1440, 735, 300);
    countLabel->setBuddy(m_count);
    m_count->setReadOnly(true);
    QLabel *note =
        Twips::add<QLabel>(this, QStringLiteral("Label5"), 4275, 1380, 2895, 675, QStringLiteral("名刺は新規作成で宛先、１発挿入した際の確認用として使用します。"));
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *list = new PressReportingTree(this);
    list->setObjectName(QStringLiteral("MailListView"));
    list->setAccessibleName(QStringLiteral("アドレス帳"));
    list->setRootIsDecorated(false);
    list->header()->setStretchLastSection(false);
    // Cells keep the fields' pad spaces, which would otherwise end every cell in an ellipsis.
    list->setTextElideMode(Qt::ElideNone);
    list->setSortingEnabled(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->onPress = [this] { chooseRow(); };
    Twips::place(list, 120, 2160, 7095, 3975);
    m_list = list;

    m_status = Twips::add<QLabel>(this, QStringLiteral("Label7"), 0, 6240, 7335, 300);
    PlainText::keep(m_status);
    m_status->setFrameShape(QFrame::Panel);
    m_status->setFrameShadow(QFrame::Sunken);

    m_help = new QPlainTextEdit(this);
    m_help->setObjectName(QStringLiteral("Text5"));
    m_help->setReadOnly(true);
    m_help->setVisible(false);
    // It lies over the list: clicks go to the rows under it.
    m_help->setAttribute(Qt::WA_TransparentForMouseEvents);
    Twips::place(m_help, 480, 2520, 6375, 1695);

    // Lies outside the window: only code presses it.
    auto *reloadButton = new QPushButton(QStringLiteral("Command2"), this);
    reloadButton->setObjectName(QStringLiteral("Command2"));
    reloadButton->setFocusPolicy(Qt::NoFocus);
    // Hidden, so a screen reader does not offer a button nobody can see.
    reloadButton->hide();
    Twips::place(reloadButton, 7560, 6840, 1095, 375);
    connect(reloadButton, &QPushButton::clicked, this, &FriendForm::reload);

    // Only the background hides the help; moving over any other control leaves it.
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->setAttribute(Qt::WA_NoMousePropagation);

    // Load.
    m_list->setHeaderLabels({QStringLiteral("Address"), QStringLiteral("Name")});
    m_list->setColumnWidth(0, m_list->width() / 2);
    m_list->setColumnWidth(1, m_list->width() / 3);
    setStatus({});
    reload();
}

QPushButton *FriendForm::addButton(const QString &name, const QString &caption, int left, int top,
                                   int width)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    Twips::place(button, left, top, width, 375);
    button->setMouseTracking(true);
    button->installEventFilter(this);
    m_helpButtons << button;
    return button;
}

FriendForm *FriendForm::registerSender(const QString &address)
{
    // Creating the window runs its load first, so the address is not overwritten.
    FriendForm *form = Forms::get<FriendForm>();
    form->setAddressText(address);
    Forms::show(form);
    return form;
}

QString FriendForm::addressText() const
{
    return m_address->text();
}

void FriendForm::setAddressText(const QString &text)
{
    m_address->setText(text);
}

QString FriendForm::helpText(const QString &buttonName)
{
    if (buttonName == u"Command1")
        return QStringLiteral("コピーして来たメールアドレスを貼り付けます。");
    if (buttonName == u"Command3")
        return QStringLiteral("登録を行います。これにより新規作成でのメールアドレスの一発入力が可能になります。");
    if (buttonName == u"Command4")
        return QStringLiteral("不要になったメールアドレスを削除します。");
    if (buttonName == u"Command38")
        return QStringLiteral("名詞の挿入を行います。例えばあなたのメールアドレスが ") + kExampleAddress
            + QStringLiteral(" の場合、名詞を日本太郎と設定すると、自動的に日本太郎<") + kExampleAddress
            + QStringLiteral(">と登録され、受信した相手側には名詞挿入のメールアドレスが表示されます。")
            + QStringLiteral("\r\n\r\n") + QStringLiteral("必要なければ挿入する必要はありません。");
    return {};
}

void FriendForm::reload()
{
    m_list->clear();
    const QList<AddressRecords::WindowRow> rows = AddressBook().windowRows();
    QList<QTreeWidgetItem *> items;
    items.reserve(rows.size());
    for (const AddressRecords::WindowRow &row : rows)
        items << new QTreeWidgetItem(QStringList{row.address, row.name});
    m_list->addTopLevelItems(items);
    m_count->setText(QString::number(rows.size()));
}

void FriendForm::setStatus(const QString &text)
{
    m_status->setText(text);
}

int FriendForm::selectedRow() const
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return 0;
    return m_list->indexOfTopLevelItem(selected.first()) + 1;
}

void FriendForm::chooseRow()
{
    // A press that leaves no row selected has nothing to show.
    const int row = selectedRow();
    if (row == 0)
        return;
    const auto texts = AddressBook().boxTexts(row);
    if (!texts)
        return;
    m_name->setText(texts->name);
    m_address->setText(texts->address);
    setStatus(kChosen);
}

void FriendForm::paste()
{
    m_address->setText(Clipboard::text());
}

void FriendForm::registerEntry()
{
    const RecordFile::Result result = AddressBook().append(m_name->text(), m_address->text());
    if (result.ok)
        setStatus(kRegistered);
    else
        Prompt::warn(result.error, {}, this);
    reload();
}

void FriendForm::deleteEntry()
{
    const int row = selectedRow();
    if (m_address->text().isEmpty() || row == 0) {
        plainBox(kNothingChosen, this);
        return;
    }

    AddressBook book;
    // The chosen row decides what goes, whatever was typed since: show its stored texts again.
    const auto texts = book.boxTexts(row);
    if (!texts) {
        // The file lost the row behind the list's back.
        reload();
        plainBox(kNothingChosen, this);
        return;
    }
    m_name->setText(texts->name);
    m_address->setText(texts->address);
    setStatus(kChosen);
    setStatus(kAsking);

    if (Prompt::confirm(kConfirmDelete, this)) {
        const RecordFile::Result result = book.remove(row);
        if (result.ok)
            setStatus(kDeleted);
        else
            Prompt::error(result.error, {}, this);
    } else {
        const RecordFile::Result result = book.compact();
        if (!result.ok)
            Prompt::error(result.error, {}, this);
    }
    reload();
}

void FriendForm::insertNameCard()
{
    if (m_address->text().isEmpty()) {
        plainBox(kNoAddress, this);
        return;
    }
    if (m_card->text().isEmpty()) {
        plainBox(kNoCard, this);
        return;
    }
    m_address->setText(NameCard::wrap(m_card->text(), m_address->text()));
}

bool FriendForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        for (QPushButton *button : std::as_const(m_helpButtons))
            if (button == watched)
                showHelp(button->objectName());
    }
    return QWidget::eventFilter(watched, event);
}

void FriendForm::mouseMoveEvent(QMouseEvent *event)
{
    hideHelp();
    QWidget::mouseMoveEvent(event);
}

void FriendForm::showHelp(const QString &buttonName)
{
    // The box shows line breaks, not the CR LF pairs of the sentence.
    m_help->setPlainText(helpText(buttonName).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_help->setVisible(true);
}

void FriendForm::hideHelp()
{
    m_help->setVisible(false);
}
