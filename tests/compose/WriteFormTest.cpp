#include "ComposeTestSupport.h"

#include "core/common/AppPaths.h"
#include "ui/common/Clipboard.h"
#include "ui/common/Twips.h"
#include "ui/compose/ComposeTexts.h"
#include "ui/emoticons/KaoForm.h"
#include "ui/shell/Forms.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

using namespace compose_test;

namespace {

// The client area of a window of the given outer size in twips.
int clientWidth(int outer)
{
    return Twips::toPixels(outer - WriteForm::kFrameWidth);
}

int clientHeight(int outer)
{
    return Twips::toPixels(outer - WriteForm::kFrameHeight);
}

class WriteFormTest : public ::testing::Test {
protected:
    WriteForm *open() { return Forms::open<WriteForm>(); }

    void fillBook(const QString &path, int count)
    {
        QByteArray bytes;
        for (int n = 1; n <= count; ++n)
            bytes += recordBytes(QStringLiteral("友達%1").arg(n), QStringLiteral("friend%1@example.jp").arg(n));
        Sandbox::writeFile(m_sandbox.dataPath(path), bytes);
    }

    QPlainTextEdit *to(WriteForm *form) { return child<QPlainTextEdit>(form, "ToText"); }
    QPlainTextEdit *body(WriteForm *form) { return child<QPlainTextEdit>(form, "BodyText"); }
    QListWidget *names(WriteForm *form) { return child<QListWidget>(form, "List1"); }
    QColor listColour(WriteForm *form) { return names(form)->palette().color(QPalette::Base); }

    Sandbox m_sandbox;
    ScriptedPrompt m_prompt;
};

} // namespace

TEST_F(WriteFormTest, LoadsWithItsTitleSizeAndEmptyFields)
{
    WriteForm *form = open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("新規作成"));
    EXPECT_EQ(form->width(), clientWidth(7100));
    EXPECT_EQ(form->height(), clientHeight(8200));
    EXPECT_FALSE(child<QRadioButton>(form, "Option2")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(form, "Check1")->isChecked());
    EXPECT_FALSE(child<QPushButton>(form, "Command2")->isVisible());
    EXPECT_FALSE(child<QPushButton>(form, "Command2")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(form, "Command9")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(form, "Command10")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(form, "AttachCommand")->isEnabled());
    EXPECT_FALSE(child<QListWidget>(form, "List2")->isVisible());
    EXPECT_FALSE(child<QPlainTextEdit>(form, "Text14")->isVisible());
    EXPECT_EQ(form->addressPanel().ListRecordNumbers(), QList<qint16>{0});
    EXPECT_EQ(child<QLineEdit>(form, "Text1")->text(), QStringLiteral("0"));
    EXPECT_TRUE(QFileInfo::exists(m_sandbox.dataPath(AppPaths::kAddressList)));
    EXPECT_EQ(child<QComboBox>(form, "Combo1")->currentText(), QString());
}

TEST_F(WriteFormTest, ButtonsCarryTheirCaptionsAndPlaces)
{
    WriteForm *form = open();
    struct Row {
        const char *name;
        const char16_t *caption;
        int left, top;
    };
    const Row rows[] = {
        {"Command1", u"送信", 240, 120},       {"Command4", u"アドレス帳", 1800, 120},
        {"Command6", u"元のサイズ", 3360, 120}, {"Command8", u"顔・絵文字", 4800, 120},
        {"Command3", u"送信中止", 240, 600},   {"Command5", u"本文に貼付", 1800, 600},
        {"Command7", u"宛先に貼付", 3360, 600}, {"Command11", u"クリア", 4800, 600},
        {"AttachCommand", u"添付File", 240, 2280}, {"Command9", u"追加", 1080, 2280},
        {"Command10", u"取り消し", 1920, 2280},
    };
    for (const Row &row : rows) {
        auto *button = child<QPushButton>(form, row.name);
        EXPECT_EQ(button->text(), QString::fromUtf16(row.caption)) << row.name;
        EXPECT_EQ(button->pos(), QPoint(Twips::toPixels(row.left), Twips::toPixels(row.top))) << row.name;
    }
    EXPECT_EQ(child<QWidget>(form, "BodyText")->pos(), QPoint(Twips::toPixels(240), Twips::toPixels(3000)));
    EXPECT_EQ(child<QWidget>(form, "Label7")->pos(), QPoint(Twips::toPixels(240), Twips::toPixels(7320)));
    // The address panel lies beyond the normal width, the scratch box below the normal height.
    EXPECT_GE(child<QWidget>(form, "List1")->x(), form->width());
    EXPECT_GE(child<QWidget>(form, "Text4")->y(), form->height());
}

TEST_F(WriteFormTest, GreetingBoxListsTheEightPhrasesInOrder)
{
    WriteForm *form = open();
    auto *combo = child<QComboBox>(form, "Combo1");
    ASSERT_EQ(combo->count(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(combo->itemText(i), ComposeTexts::GreetingPhrases().at(i));
    EXPECT_EQ(combo->itemText(3), QStringLiteral("いつもお世話になっております。"));
}

TEST_F(WriteFormTest, LeavingTheGreetingBoxReplacesTheWholeBody)
{
    WriteForm *form = open();
    auto *combo = child<QComboBox>(form, "Combo1");
    body(form)->setPlainText(QStringLiteral("書きかけの本文"));
    combo->setCurrentIndex(3);
    loseFocus(combo);
    EXPECT_EQ(form->bodyText(), QStringLiteral("いつもお世話になっております。"));
    body(form)->setPlainText(QStringLiteral("また書いた"));
    loseFocus(combo);
    EXPECT_EQ(form->bodyText(), QStringLiteral("いつもお世話になっております。"));
}

TEST_F(WriteFormTest, UndoAfterTheGreetingBringsTheTypedBodyBack)
{
    WriteForm *form = open();
    auto *combo = child<QComboBox>(form, "Combo1");
    body(form)->setFocus();
    QTest::keyClicks(body(form), QStringLiteral("typed body"));
    combo->setCurrentIndex(3);
    loseFocus(combo);
    EXPECT_EQ(form->bodyText(), QStringLiteral("いつもお世話になっております。"));
    QTest::keyClick(body(form), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->bodyText(), QStringLiteral("typed body"));
    QTest::keyClick(body(form), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(form->bodyText(), QStringLiteral("いつもお世話になっております。"));
}

TEST_F(WriteFormTest, LineBreaksInTheRecipientBecomeCommas)
{
    WriteForm *form = open();
    QPlainTextEdit *box = to(form);
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("a@example.jp"));
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClicks(box, QStringLiteral("b@example.jp"));
    EXPECT_EQ(box->toPlainText(), QStringLiteral("a@example.jp,b@example.jp"));
    EXPECT_EQ(box->document()->blockCount(), 1);

    Clipboard::setText(QStringLiteral("c@example.jp\r\nd@example.jp\n"));
    click(form, "Command7");
    EXPECT_EQ(box->toPlainText(), QStringLiteral("c@example.jp,d@example.jp,"));
    box->clear();
    Clipboard::setText(QStringLiteral("e@example.jp\nf@example.jp"));
    box->paste();
    EXPECT_EQ(box->toPlainText(), QStringLiteral("e@example.jp,f@example.jp"));

    auto *subject = child<QLineEdit>(form, "SubjectText");
    subject->setText(QStringLiteral("一行目\n二行目\n"));
    EXPECT_EQ(subject->text(), QStringLiteral("一行目 二行目"));
}

TEST_F(WriteFormTest, ClicksOnTheHelpBoxReachTheBodyUnderIt)
{
    WriteForm *form = open();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    body(form)->setPlainText(QString(40, u'x') + u'\n' + QString(40, u'y'));
    auto *help = child<QPlainTextEdit>(form, "Text14");
    movePointerOver(child<QWidget>(form, "Command3"));
    ASSERT_TRUE(help->isVisible());
    const QPoint inside = help->geometry().center();
    ASSERT_TRUE(body(form)->geometry().contains(inside));
    EXPECT_EQ(form->childAt(inside)->parentWidget(), body(form));
    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, inside);
    EXPECT_TRUE(body(form)->hasFocus());
}

TEST_F(WriteFormTest, TabbingThroughAnUntouchedGreetingBoxEmptiesTheBody)
{
    WriteForm *form = open();
    body(form)->setPlainText(QStringLiteral("本文"));
    loseFocus(child<QComboBox>(form, "Combo1"));
    EXPECT_EQ(form->bodyText(), QString());
}

TEST_F(WriteFormTest, PastingIntoTheBodyTwiceAppendsTheClipboardTwice)
{
    WriteForm *form = open();
    body(form)->setPlainText(QStringLiteral("A"));
    Clipboard::setText(QStringLiteral("B"));
    click(form, "Command5");
    click(form, "Command5");
    EXPECT_EQ(form->bodyText(), QStringLiteral("ABB"));
}

TEST_F(WriteFormTest, EmptyClipboardLeavesTheBodyAndEmptiesTheRecipient)
{
    WriteForm *form = open();
    body(form)->setPlainText(QStringLiteral("A"));
    to(form)->setPlainText(QStringLiteral("old@example.jp"));
    Clipboard::clear();
    click(form, "Command5");
    click(form, "Command7");
    EXPECT_EQ(form->bodyText(), QStringLiteral("A"));
    EXPECT_EQ(to(form)->toPlainText(), QString());
}

TEST_F(WriteFormTest, PastingIntoTheRecipientReplacesIt)
{
    WriteForm *form = open();
    to(form)->setPlainText(QStringLiteral("old@example.jp"));
    Clipboard::setText(QStringLiteral("新しい<new@example.jp>"));
    click(form, "Command7");
    EXPECT_EQ(to(form)->toPlainText(), QStringLiteral("新しい<new@example.jp>"));
}

TEST_F(WriteFormTest, TypingStopsAtSixtyCharactersInTheRecipient)
{
    WriteForm *form = open();
    QPlainTextEdit *box = to(form);
    box->setFocus();
    QTest::keyClicks(box, QString(70, u'a'));
    EXPECT_EQ(box->toPlainText(), QString(60, u'a'));
}

TEST_F(WriteFormTest, WidenRestoreAndCentre)
{
    WriteForm *form = open();
    fillBook(AppPaths::kAddressBook, 2);
    click(form, "Command4");
    EXPECT_EQ(form->width(), clientWidth(9700));
    const QRect screenArea = form->screen()->geometry();
    EXPECT_EQ(form->frameGeometry().left(), (screenArea.width() - form->frameGeometry().width()) / 2);
    EXPECT_EQ(form->frameGeometry().top(), (screenArea.height() - form->frameGeometry().height()) / 2);
    EXPECT_EQ(names(form)->count(), 2);
    click(form, "Option2");
    EXPECT_EQ(listColour(form), QColor(0, 128, 0));
    click(form, "Command6");
    EXPECT_EQ(form->width(), clientWidth(7100));
    EXPECT_EQ(form->height(), clientHeight(8200));
    EXPECT_EQ(listColour(form), QColor(255, 255, 255));
    EXPECT_EQ(names(form)->count(), 2);
    EXPECT_EQ(form->frameGeometry().left(), (screenArea.width() - form->frameGeometry().width()) / 2);
}

TEST_F(WriteFormTest, ClearWhileBulkIsChosenKeepsWidthAndList)
{
    WriteForm *form = open();
    fillBook(AppPaths::kAddressBook, 3);
    click(form, "Command4");
    click(form, "Option2");
    to(form)->setPlainText(QStringLiteral("a@example.jp"));
    child<QLineEdit>(form, "SubjectText")->setText(QStringLiteral("件名"));
    body(form)->setPlainText(QStringLiteral("本文"));
    child<QCheckBox>(form, "Check1")->setChecked(true);
    child<QComboBox>(form, "Combo1")->setCurrentIndex(2);
    click(form, "Command11");
    EXPECT_FALSE(child<QRadioButton>(form, "Option2")->isChecked());
    EXPECT_EQ(listColour(form), QColor(255, 255, 255));
    EXPECT_EQ(form->width(), clientWidth(9700));
    EXPECT_EQ(names(form)->count(), 3);
    EXPECT_EQ(to(form)->toPlainText(), QString());
    EXPECT_EQ(child<QLineEdit>(form, "SubjectText")->text(), QString());
    EXPECT_EQ(form->bodyText(), QString());
    EXPECT_FALSE(child<QCheckBox>(form, "Check1")->isChecked());
    EXPECT_EQ(child<QComboBox>(form, "Combo1")->currentIndex(), 2);
    EXPECT_EQ(form->addressPanel().ListRecordNumbers(), (QList<qint16>{1, 2, 3, 0}));
}

TEST_F(WriteFormTest, CancellingBulkEmptiesTheRecipientAndWhitensTheList)
{
    WriteForm *form = open();
    click(form, "Command4");
    click(form, "Option2");
    to(form)->setPlainText(QStringLiteral("a@example.jp"));
    click(form, "Option1");
    EXPECT_FALSE(child<QRadioButton>(form, "Option2")->isChecked());
    EXPECT_EQ(to(form)->toPlainText(), QString());
    EXPECT_EQ(listColour(form), QColor(255, 255, 255));
}

TEST_F(WriteFormTest, AddressListAtLoadComesFromTheReadOnlyList)
{
    fillBook(AppPaths::kAddressList, 2);
    WriteForm *form = open();
    ASSERT_EQ(names(form)->count(), 2);
    EXPECT_EQ(names(form)->item(0)->text().size(), 90);
    EXPECT_EQ(names(form)->item(0)->text().trimmed(), QStringLiteral("友達1"));
    EXPECT_EQ(child<QLineEdit>(form, "Text1")->text(), QStringLiteral("2"));
    EXPECT_EQ(form->addressPanel().ListRecordNumbers(), (QList<qint16>{1, 2, 0}));
}

TEST_F(WriteFormTest, AddressBookButtonListsEveryRecordWithPadding)
{
    fillBook(AppPaths::kAddressBook, 3);
    WriteForm *form = open();
    click(form, "Command4");
    ASSERT_EQ(names(form)->count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(names(form)->item(i)->text().size(), 90);
    EXPECT_EQ(child<QLineEdit>(form, "Text1")->text(), QStringLiteral("3"));
}

TEST_F(WriteFormTest, PickingPutsTheFirstSixtyCharactersTrimmed)
{
    const QString address = QStringLiteral("  ") + QString(58, u'x') + QString(10, u'y');
    Sandbox::writeFile(m_sandbox.dataPath(AppPaths::kAddressBook),
                       recordBytes(QStringLiteral("長い"), address));
    WriteForm *form = open();
    click(form, "Command4");
    to(form)->setPlainText(QStringLiteral("previous@example.jp"));
    QListWidget *list = names(form);
    const QRect rect = list->visualItemRect(list->item(0));
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(to(form)->toPlainText(), QString(58, u'x'));
    EXPECT_TRUE(m_prompt.boxes.isEmpty());
}

TEST_F(WriteFormTest, PickingWithNothingSelectedSaysSo)
{
    fillBook(AppPaths::kAddressBook, 1);
    WriteForm *form = open();
    click(form, "Command4");
    to(form)->setPlainText(QStringLiteral("keep@example.jp"));
    QListWidget *list = names(form);
    QTest::mousePress(list->viewport(), Qt::RightButton, {}, QPoint(5, list->viewport()->height() - 5));
    ASSERT_EQ(m_prompt.boxes.size(), 1);
    EXPECT_EQ(m_prompt.boxes[0].text, QStringLiteral("データが選択されていません"));
    EXPECT_EQ(m_prompt.boxes[0].icon, Prompt::Icon::Warning);
    EXPECT_TRUE(m_prompt.boxes[0].title.isEmpty());
    EXPECT_EQ(to(form)->toPlainText(), QStringLiteral("keep@example.jp"));
}

TEST_F(WriteFormTest, HelpBoxFollowsThePointer)
{
    WriteForm *form = open();
    auto *help = child<QPlainTextEdit>(form, "Text14");
    movePointerOver(child<QWidget>(form, "Command3"));
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->toPlainText(), QStringLiteral("送信を中止します。"));
    movePointerOver(child<QWidget>(form, "AttachCommand"));
    EXPECT_EQ(help->toPlainText(), QStringLiteral("各種ファイルを添付して送信できます。"));
    movePointerOver(child<QWidget>(form, "Command10"));
    EXPECT_EQ(help->toPlainText(), QStringLiteral("各種ファイルを添付して送信できます。"));
    movePointerOver(body(form)->viewport());
    EXPECT_FALSE(help->isVisible());
    movePointerOver(child<QWidget>(form, "Command8"));
    EXPECT_TRUE(help->isVisible());
    movePointerOver(form);
    EXPECT_FALSE(help->isVisible());
}

TEST_F(WriteFormTest, EmoticonHelpJoinsItsPiecesWithLineBreaks)
{
    const QString help = ComposeTexts::helpFor(QStringLiteral("Command8"));
    EXPECT_TRUE(help.startsWith(QStringLiteral("顔・絵文字の本文への挿入を行います。\r\n\r\n使用方法：")));
    EXPECT_TRUE(help.contains(QStringLiteral("ボタンを。クリックしますと、本分中に挿入されます。\r\n\r\n素材の")));
    EXPECT_TRUE(help.contains(QStringLiteral("自動的に保存されます。\r\n上手な使用方法")));
    EXPECT_TRUE(help.contains(QStringLiteral("良いでしょう。\r\nお気に入りに追加（注意:IEではありません）")));
    EXPECT_TRUE(help.endsWith(QStringLiteral("ボタンをクリックして下さい。")));
}

TEST_F(WriteFormTest, MaboOpensTheScratchBox)
{
    WriteForm *form = open();
    to(form)->setPlainText(QStringLiteral("mabo"));
    QTest::mouseDClick(child<QWidget>(form, "Label7"), Qt::LeftButton);
    EXPECT_EQ(form->height(), clientHeight(8955));
    EXPECT_TRUE(form->rect().contains(child<QWidget>(form, "Text4")->geometry()));
    auto *paste = child<QPushButton>(form, "Command2");
    EXPECT_TRUE(paste->isVisible());
    EXPECT_TRUE(paste->isEnabled());
    Clipboard::setText(QStringLiteral("メモ"));
    click(form, "Command2");
    EXPECT_EQ(child<QLineEdit>(form, "Text4")->text(), QStringLiteral("メモ"));
}

TEST_F(WriteFormTest, OtherTextsDoNotOpenTheScratchBox)
{
    for (const QString &text : {QStringLiteral("MABO"), QStringLiteral("mabo "), QStringLiteral("")}) {
        WriteForm *form = open();
        to(form)->setPlainText(text);
        QTest::mouseDClick(child<QWidget>(form, "Label7"), Qt::LeftButton);
        EXPECT_EQ(form->height(), clientHeight(8200)) << text.toStdString();
        EXPECT_FALSE(child<QPushButton>(form, "Command2")->isVisible());
        form->close();
    }
}

TEST_F(WriteFormTest, StopClosesAndTheNextOpeningStartsAfresh)
{
    WriteForm *form = open();
    body(form)->setPlainText(QStringLiteral("捨てる"));
    click(form, "Command3");
    EXPECT_EQ(Forms::existing<WriteForm>(), nullptr);
    WriteForm *again = open();
    EXPECT_EQ(again->bodyText(), QString());
}

TEST_F(WriteFormTest, InsertionReplacesTheSelectionAndLeavesTheCaretAfter)
{
    WriteForm *form = Forms::get<WriteForm>();
    body(form)->setPlainText(QStringLiteral("abcdef"));
    QTextCursor cursor = body(form)->textCursor();
    cursor.setPosition(1);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    body(form)->setTextCursor(cursor);
    form->insertIntoBody(QStringLiteral("(^^)"));
    EXPECT_EQ(form->bodyText(), QStringLiteral("a(^^)def"));
    EXPECT_EQ(body(form)->textCursor().position(), 5);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(WriteFormTest, EmoticonButtonOpensThePaletteWhichInsertsAtTheBodyCaret)
{
    WriteForm *form = open();
    body(form)->setPlainText(QStringLiteral("前後"));
    QTextCursor caret = body(form)->textCursor();
    caret.setPosition(1);
    body(form)->setTextCursor(caret);
    QTest::mouseClick(child<QPushButton>(form, "Command8"), Qt::LeftButton);
    KaoForm *palette = Forms::existing<KaoForm>();
    ASSERT_NE(palette, nullptr);
    EXPECT_TRUE(palette->isVisible());

    auto *box = palette->findChild<QPlainTextEdit *>(QStringLiteral("Kao1"));
    ASSERT_NE(box, nullptr);
    box->setPlainText(QStringLiteral(" (^_^) "));
    box->selectAll();
    QTest::mouseClick(palette->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_EQ(body(form)->toPlainText(), QStringLiteral("前(^_^)後"));
    EXPECT_EQ(Forms::existing<KaoForm>(), nullptr);
}
