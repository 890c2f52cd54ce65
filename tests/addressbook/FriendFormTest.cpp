#include "ui/addressbook/FriendForm.h"

#include "core/addressbook/AddressBook.h"
#include "core/addressbook/AddressBookRecord.h"
#include "core/common/AppPaths.h"
#include "ui/common/Clipboard.h"
#include "ui/shell/Forms.h"
#include "ui/shell/MainForm.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"

#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

template <class T>
T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QByteArray recordBytes(const QString &name, const QString &address)
{
    AddressBookRecord record;
    record.PersonName = name;
    record.MailAddress = address;
    return record.toBytes();
}

QString addressOf(int n)
{
    return QStringLiteral("person%1@example.jp").arg(n);
}

QString nameOf(int n)
{
    return QStringLiteral("友達%1").arg(n);
}

void movePointerOver(QWidget *widget)
{
    const QPointF at(2, 2);
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

class FriendFormTest : public ::testing::Test {
protected:
    QString bookPath() const { return m_sandbox.dataPath(AppPaths::kAddressBook); }
    QByteArray content() const { return Sandbox::readFile(bookPath()); }

    // A book of records 1..count, each with its own name and address.
    QByteArray fillBook(int count) const
    {
        QByteArray bytes;
        for (int n = 1; n <= count; ++n)
            bytes += recordBytes(nameOf(n), addressOf(n));
        Sandbox::writeFile(bookPath(), bytes);
        return bytes;
    }

    FriendForm *open() { return Forms::open<FriendForm>(); }

    QTreeWidget *list(FriendForm *form) { return child<QTreeWidget>(form, "MailListView"); }
    QLineEdit *box(FriendForm *form, const char *name) { return child<QLineEdit>(form, name); }
    QString status(FriendForm *form) { return child<QLabel>(form, "Label7")->text(); }
    void click(FriendForm *form, const char *button)
    {
        QTest::mouseClick(child<QPushButton>(form, button), Qt::LeftButton);
    }

    void pressRow(FriendForm *form, int row)
    {
        QTreeWidget *view = list(form);
        const QRect rect = view->visualItemRect(view->topLevelItem(row - 1));
        QTest::mousePress(view->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, rect.center());
    }

    QStringList column(FriendForm *form, int col)
    {
        QStringList texts;
        QTreeWidget *view = list(form);
        for (int i = 0; i < view->topLevelItemCount(); ++i)
            texts << view->topLevelItem(i)->text(col).trimmed();
        return texts;
    }

    Sandbox m_sandbox;
    ScriptedPrompt m_prompt;
};

} // namespace

TEST_F(FriendFormTest, ANewBookShowsAnEmptyListAZeroCountAndTheColumnsInOrder)
{
    FriendForm *form = open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("アドレス帳"));
    QTreeWidget *view = list(form);
    EXPECT_EQ(view->topLevelItemCount(), 0);
    EXPECT_EQ(box(form, "Text3")->text(), QStringLiteral("0"));
    EXPECT_EQ(view->headerItem()->text(0), QStringLiteral("Address"));
    EXPECT_EQ(view->headerItem()->text(1), QStringLiteral("Name"));
    EXPECT_EQ(view->columnWidth(0), view->width() / 2);
    EXPECT_EQ(view->columnWidth(1), view->width() / 3);
    EXPECT_TRUE(status(form).isEmpty());
    EXPECT_FALSE(child<QPlainTextEdit>(form, "Text5")->isVisible());
    // The reload button lies outside the window.
    EXPECT_FALSE(form->rect().intersects(child<QPushButton>(form, "Command2")->geometry()));
    EXPECT_TRUE(QFileInfo::exists(bookPath()));
}

TEST_F(FriendFormTest, ListShowsEveryRecordInFileOrderWithPaddingKept)
{
    fillBook(3);
    FriendForm *form = open();
    EXPECT_EQ(column(form, 0), (QStringList{addressOf(1), addressOf(2), addressOf(3)}));
    EXPECT_EQ(column(form, 1), (QStringList{nameOf(1), nameOf(2), nameOf(3)}));
    EXPECT_EQ(list(form)->topLevelItem(0)->text(0).size(), 90);
    EXPECT_EQ(box(form, "Text3")->text(), QStringLiteral("3"));
}

TEST_F(FriendFormTest, RegisterAddsARowAtTheEndAndRaisesTheCount)
{
    const QByteArray before = fillBook(2);
    FriendForm *form = open();
    box(form, "Text2")->setText(QStringLiteral("新人"));
    box(form, "Text4")->setText(QStringLiteral("new@example.jp"));
    click(form, "Command3");

    EXPECT_EQ(content(), before + recordBytes(QStringLiteral("新人"), QStringLiteral("new@example.jp")));
    EXPECT_EQ(column(form, 0).last(), QStringLiteral("new@example.jp"));
    EXPECT_EQ(column(form, 1).last(), QStringLiteral("新人"));
    EXPECT_EQ(box(form, "Text3")->text(), QStringLiteral("3"));
    EXPECT_EQ(status(form), QStringLiteral("　登録が完了しました。"));
    // The boxes are not cleared, and nothing asked anything.
    EXPECT_EQ(box(form, "Text4")->text(), QStringLiteral("new@example.jp"));
    EXPECT_TRUE(m_prompt.boxes.isEmpty());

    // Empty boxes store a record of spaces without a word.
    box(form, "Text2")->clear();
    box(form, "Text4")->clear();
    click(form, "Command3");
    EXPECT_EQ(content().right(184), recordBytes({}, {}));
    EXPECT_EQ(box(form, "Text3")->text(), QStringLiteral("4"));
}

TEST_F(FriendFormTest, ChoosingARowFillsTheBoxesTrimmedAndAPressWithoutARowIsIgnored)
{
    FriendForm *form = open();
    // An empty list: the press selects nothing and changes nothing.
    QTest::mousePress(list(form)->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(box(form, "Text4")->text().isEmpty());
    EXPECT_TRUE(status(form).isEmpty());

    Sandbox::writeFile(bookPath(), recordBytes(QStringLiteral("  花子 "), QStringLiteral(" hanako@example.jp  "))
                                       + recordBytes(nameOf(2), addressOf(2)));
    click(form, "Command2");
    pressRow(form, 1);
    EXPECT_EQ(box(form, "Text2")->text(), QStringLiteral("花子"));
    EXPECT_EQ(box(form, "Text4")->text(), QStringLiteral("hanako@example.jp"));
    EXPECT_EQ(status(form), QStringLiteral("　選択しました。"));

    pressRow(form, 2);
    EXPECT_EQ(box(form, "Text4")->text(), addressOf(2));
}

TEST_F(FriendFormTest, DeletingRowThreeAfterTypingAnotherAddressStillDeletesRowThree)
{
    const QByteArray before = fillBook(5);
    FriendForm *form = open();
    pressRow(form, 3);
    box(form, "Text4")->setText(addressOf(1));
    box(form, "Text2")->setText(QStringLiteral("別人"));
    click(form, "Command4");

    ASSERT_EQ(m_prompt.boxes.size(), 1);
    const Prompt::Box asked = m_prompt.boxes.first();
    EXPECT_EQ(asked.text, QStringLiteral("選択された（行、青色）データを削除します。よろしいですか"));
    EXPECT_EQ(asked.title, QStringLiteral("確認"));
    EXPECT_EQ(asked.icon, Prompt::Icon::Question);
    EXPECT_EQ(asked.buttons, Prompt::Buttons::YesNo);

    EXPECT_EQ(content(), before.left(2 * 184) + before.mid(3 * 184));
    EXPECT_EQ(column(form, 0), (QStringList{addressOf(1), addressOf(2), addressOf(4), addressOf(5)}));
    EXPECT_EQ(box(form, "Text3")->text(), QStringLiteral("4"));
    // The chosen row's stored texts went back into the boxes before the question.
    EXPECT_EQ(box(form, "Text4")->text(), addressOf(3));
    EXPECT_EQ(box(form, "Text2")->text(), nameOf(3));
    EXPECT_EQ(status(form), QStringLiteral("削除が完了しました"));
    EXPECT_FALSE(QFileInfo::exists(m_sandbox.dataPath(AppPaths::kAddressBookTmp)));
}

TEST_F(FriendFormTest, DecliningTheDeletionLeavesTheFileByteForByteUnchanged)
{
    const QByteArray before = fillBook(4);
    FriendForm *form = open();
    pressRow(form, 2);
    m_prompt.answerBox(Prompt::Answer::No);
    click(form, "Command4");

    EXPECT_EQ(m_prompt.boxes.size(), 1);
    EXPECT_EQ(content(), before);
    EXPECT_EQ(list(form)->topLevelItemCount(), 4);
    EXPECT_EQ(status(form), QStringLiteral(" "));
}

TEST_F(FriendFormTest, DeletingWithoutAnAddressOrWithoutAChosenRowIsRefused)
{
    const QByteArray before = fillBook(2);
    FriendForm *form = open();

    // Text but no chosen row.
    box(form, "Text4")->setText(addressOf(1));
    click(form, "Command4");
    // A chosen row but an emptied address box.
    pressRow(form, 1);
    box(form, "Text4")->clear();
    click(form, "Command4");

    ASSERT_EQ(m_prompt.boxes.size(), 2);
    for (const Prompt::Box &asked : m_prompt.boxes) {
        EXPECT_EQ(asked.text, QStringLiteral("データが選択されていません"));
        EXPECT_EQ(asked.icon, Prompt::Icon::None);
        EXPECT_EQ(asked.buttons, Prompt::Buttons::Ok);
        EXPECT_TRUE(asked.title.isEmpty());
    }
    EXPECT_EQ(content(), before);
}

TEST_F(FriendFormTest, NameCardInsertionWrapsTheTrimmedAddressAndCutsAtSixty)
{
    const QByteArray before = fillBook(1);
    FriendForm *form = open();
    QLineEdit *address = box(form, "Text4");
    QLineEdit *card = box(form, "Text50");

    click(form, "Command38");
    address->setText(QStringLiteral("  taro@example.jp "));
    click(form, "Command38");
    ASSERT_EQ(m_prompt.boxes.size(), 2);
    EXPECT_EQ(m_prompt.boxes[0].text, QStringLiteral("メールアドレスが入力されていません"));
    EXPECT_EQ(m_prompt.boxes[1].text, QStringLiteral("名詞が入力されていません"));
    EXPECT_EQ(m_prompt.boxes[1].buttons, Prompt::Buttons::Ok);

    card->setText(QStringLiteral("太郎"));
    click(form, "Command38");
    EXPECT_EQ(address->text(), QStringLiteral("太郎<taro@example.jp>"));
    // Pressing again wraps again.
    click(form, "Command38");
    EXPECT_EQ(address->text(), QStringLiteral("太郎<太郎<taro@example.jp>>"));

    // Too long a result keeps its first 60 characters, losing the ">".
    const QString longAddress = QString(50, u'x') + QStringLiteral("@example.jp");
    address->setText(longAddress);
    click(form, "Command38");
    EXPECT_EQ(address->text(), (QStringLiteral("太郎<") + longAddress).left(60));
    EXPECT_EQ(content(), before);
}

TEST_F(FriendFormTest, LengthLimitsHoldForEveryWayTextEntersTheBoxes)
{
    const QString tooLong = QString(70, u'a');
    Sandbox::writeFile(bookPath(), recordBytes(QStringLiteral("名").repeated(40), tooLong));
    FriendForm *form = open();
    QLineEdit *address = box(form, "Text4");
    QLineEdit *name = box(form, "Text2");

    QTest::keyClicks(address, QString(65, u'k'));
    EXPECT_EQ(address->text(), QString(60, u'k'));

    Clipboard::setText(tooLong);
    click(form, "Command1");
    EXPECT_EQ(address->text(), QString(60, u'a'));

    pressRow(form, 1);
    EXPECT_EQ(address->text(), QString(60, u'a'));
    // The stored name keeps its first 45 characters (90 bytes); the box shows 30.
    EXPECT_EQ(name->text(), QStringLiteral("名").repeated(30));

    name->setText(QStringLiteral("名").repeated(31));
    EXPECT_EQ(name->text().size(), 30);

    FriendForm::registerSender(QString(61, u's'));
    EXPECT_EQ(address->text(), QString(60, u's'));
}

TEST_F(FriendFormTest, PasteReplacesTheAddressAndAnEmptyClipboardEmptiesIt)
{
    FriendForm *form = open();
    box(form, "Text4")->setText(QStringLiteral("old@example.jp"));
    Clipboard::setText(QStringLiteral("copied@example.jp"));
    click(form, "Command1");
    EXPECT_EQ(box(form, "Text4")->text(), QStringLiteral("copied@example.jp"));
    Clipboard::clear();
    click(form, "Command1");
    EXPECT_TRUE(box(form, "Text4")->text().isEmpty());
}

TEST_F(FriendFormTest, ButtonsShowTheirHelpAndOnlyTheBackgroundHidesIt)
{
    FriendForm *form = open();
    QPlainTextEdit *help = child<QPlainTextEdit>(form, "Text5");

    const struct {
        const char *button;
        QString text;
    } table[] = {
        {"Command1", QStringLiteral("コピーして来たメールアドレスを貼り付けます。")},
        {"Command3", QStringLiteral("登録を行います。これにより新規作成でのメールアドレスの一発入力が可能になります。")},
        {"Command4", QStringLiteral("不要になったメールアドレスを削除します。")},
        {"Command38",
         QStringLiteral("名詞の挿入を行います。例えばあなたのメールアドレスが taro@example.jp の場合、"
                        "名詞を日本太郎と設定すると、自動的に日本太郎<taro@example.jp>と登録され、"
                        "受信した相手側には名詞挿入のメールアドレスが表示されます。\r\n\r\n"
                        "必要なければ挿入する必要はありません。")},
    };
    for (const auto &row : table) {
        EXPECT_EQ(FriendForm::helpText(QString::fromLatin1(row.button)), row.text) << row.button;
        movePointerOver(child<QPushButton>(form, row.button));
        EXPECT_TRUE(help->isVisible()) << row.button;
        EXPECT_EQ(help->toPlainText(), QString(row.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }

    movePointerOver(box(form, "Text4"));
    movePointerOver(child<QLabel>(form, "Label1"));
    movePointerOver(list(form)->viewport());
    EXPECT_TRUE(help->isVisible());

    movePointerOver(form);
    EXPECT_FALSE(help->isVisible());
}

TEST_F(FriendFormTest, HiddenReloadPicksUpChangesMadeElsewhere)
{
    FriendForm *form = open();
    AddressBook().append(nameOf(1), addressOf(1));
    EXPECT_EQ(list(form)->topLevelItemCount(), 0);
    click(form, "Command2");
    EXPECT_EQ(column(form, 0), QStringList{addressOf(1)});
    EXPECT_EQ(box(form, "Text3")->text(), QStringLiteral("1"));
}

TEST_F(FriendFormTest, RegisterSenderLoadsTheWindowFirstSoThePrefilledAddressStays)
{
    fillBook(3);
    ASSERT_EQ(Forms::existing<FriendForm>(), nullptr);
    FriendForm *form = FriendForm::registerSender(QStringLiteral("sender@example.jp"));
    ASSERT_EQ(Forms::existing<FriendForm>(), form);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(box(form, "Text4")->text(), QStringLiteral("sender@example.jp"));
    EXPECT_EQ(list(form)->topLevelItemCount(), 3);
    EXPECT_EQ(box(form, "Text3")->text(), QStringLiteral("3"));

    // An open window keeps its name box and list; only the address changes.
    box(form, "Text2")->setText(QStringLiteral("送信者"));
    EXPECT_EQ(FriendForm::registerSender(QStringLiteral("other@example.jp")), form);
    EXPECT_EQ(box(form, "Text4")->text(), QStringLiteral("other@example.jp"));
    EXPECT_EQ(box(form, "Text2")->text(), QStringLiteral("送信者"));
}

TEST_F(FriendFormTest, TheLaunchersAddressBookLabelOpensTheWindowOnce)
{
    MainForm *launcher = Forms::open<MainForm>();
    QLabel *label = launcher->findChild<QLabel *>(QStringLiteral("Label5"));
    QTest::mouseClick(label, Qt::LeftButton);
    FriendForm *form = Forms::existing<FriendForm>();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(Forms::existing<FriendForm>(), form);
}

TEST_F(FriendFormTest, RegisteringPastTheLastRecordNumberIsRefusedWithAMessage)
{
    {
        QFile file(bookPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64(RecordFile::kMaxRecords) * AddressBookRecord::kSize));
    }
    FriendForm *form = open();
    EXPECT_EQ(box(form, "Text3")->text(), QString::number(RecordFile::kMaxRecords));
    box(form, "Text4")->setText(QStringLiteral("one.too.many@example.jp"));
    click(form, "Command3");

    ASSERT_EQ(m_prompt.boxes.size(), 1);
    EXPECT_FALSE(m_prompt.boxes.first().text.isEmpty());
    EXPECT_TRUE(status(form).isEmpty());
    EXPECT_EQ(QFileInfo(bookPath()).size(), qint64(RecordFile::kMaxRecords) * AddressBookRecord::kSize);
}

TEST_F(FriendFormTest, DeletingARowTheFileNoLongerHoldsAsksNothingAndReloads)
{
    const QByteArray before = fillBook(3);
    FriendForm *form = open();
    pressRow(form, 3);
    Sandbox::writeFile(bookPath(), before.left(2 * AddressBookRecord::kSize));
    click(form, "Command4");

    ASSERT_EQ(m_prompt.boxes.size(), 1);
    EXPECT_EQ(m_prompt.boxes.first().text, QStringLiteral("データが選択されていません"));
    EXPECT_EQ(content(), before.left(2 * AddressBookRecord::kSize));
    EXPECT_EQ(list(form)->topLevelItemCount(), 2);
}

TEST_F(FriendFormTest, LineBreaksNeverReachTheBoxesOrTheFile)
{
    FriendForm *form = open();
    Clipboard::setText(QStringLiteral("taro@example.jp\r\n"));
    click(form, "Command1");
    EXPECT_EQ(box(form, "Text4")->text(), QStringLiteral("taro@example.jp"));
    box(form, "Text2")->setText(QStringLiteral("山田\n太郎"));
    EXPECT_EQ(box(form, "Text2")->text(), QStringLiteral("山田 太郎"));
    box(form, "Text2")->selectAll();
    Clipboard::setText(QStringLiteral("\n花子\n"));
    box(form, "Text2")->paste();
    EXPECT_EQ(box(form, "Text2")->text(), QStringLiteral("花子"));
    click(form, "Command3");
    EXPECT_EQ(content(), recordBytes(QStringLiteral("花子"), QStringLiteral("taro@example.jp")));

    // A card with a comma stays one name when the address is sent.
    box(form, "Text50")->setText(QStringLiteral("山田, 太郎"));
    click(form, "Command38");
    EXPECT_EQ(box(form, "Text4")->text(), QStringLiteral("\"山田, 太郎\"<taro@example.jp>"));
}

TEST_F(FriendFormTest, ClicksOnTheHelpBoxReachTheRowUnderIt)
{
    fillBook(12);
    FriendForm *form = open();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    auto *help = child<QPlainTextEdit>(form, "Text5");
    movePointerOver(child<QWidget>(form, "Command3"));
    ASSERT_TRUE(help->isVisible());
    QTreeWidget *view = list(form);
    QTreeWidgetItem *under = view->itemAt(view->viewport()->mapFrom(form, help->geometry().center()));
    ASSERT_NE(under, nullptr);
    const int row = view->indexOfTopLevelItem(under) + 1;
    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, help->geometry().center());
    EXPECT_EQ(box(form, "Text4")->text(), addressOf(row));
    EXPECT_EQ(status(form), QStringLiteral("　選択しました。"));
}
