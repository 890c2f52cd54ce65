#include "ui/viewer/TyakuForm.h"

#include "core/common/AppPaths.h"
#include "ui/common/Clipboard.h"
#include "core/common/Cp932.h"
#include "ui/shell/Forms.h"
#include "ui/shell/MainForm.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "ui/viewer/EditorState.h"
#include "core/history/HistoryState.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTest>
#include <QToolBar>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

void store(HistoryFile::Kind kind, std::initializer_list<HistoryRecord> records)
{
    HistoryFile file(kind);
    for (const HistoryRecord &record : records)
        ASSERT_TRUE(file.append(record).ok);
}

template <class T = QWidget>
T *control(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

QString text(QWidget *window, const char *name)
{
    return control<QLineEdit>(window, name)->text();
}

void clickRow(TyakuForm *form, int row)
{
    QTreeView *list = form->mailList();
    const QRect rect = list->visualRect(list->model()->index(row - 1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void movePointerOver(QWidget *widget)
{
    const QPointF at(3, 3);
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

class HistoryWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        editorState() = {};
        historyState() = {};
        store(HistoryFile::Kind::Received,
              {{QStringLiteral("件名1"), QStringLiteral("Mon, 1 Dec 2026"), QStringLiteral("a@example.jp"),
                QStringLiteral("本文1")},
               {QStringLiteral("Subject 2"), QStringLiteral("Tue, 2 Dec 2026"),
                QStringLiteral("b@example.jp"), QStringLiteral("body\r\ntwo")},
               {QStringLiteral("三"), QStringLiteral("Wed, 3 Dec 2026"), QStringLiteral("c@example.jp"),
                QStringLiteral("  last body  ")}});
        store(HistoryFile::Kind::Sent, {{QStringLiteral("sent"), QStringLiteral("2026/12/06  14:10:21"),
                                          QStringLiteral("to@example.jp"), QStringLiteral("sent body")}});
    }

    Sandbox sandbox;
};

} // namespace

TEST_F(HistoryWindow, ControlsCarryTheirNamesCaptionsAndPositions)
{
    TyakuForm *form = Forms::get<TyakuForm>();
    const struct {
        const char *name;
        const char16_t *caption;
        QRect pixels;
    } buttons[] = {
        {"Command2", u"TextQuickSave", QRect(264, 0, 121, 23)},
        {"Command3", u"一件削除", QRect(8, 35, 89, 25)},
        {"Command4", u"アドレス帳登録", QRect(104, 35, 89, 25)},
        {"Command5", u"返事を書く", QRect(200, 35, 97, 25)},
        {"Command6", u"全件削除", QRect(304, 35, 97, 25)},
    };
    for (const auto &b : buttons) {
        QPushButton *button = control<QPushButton>(form, b.name);
        EXPECT_EQ(button->text(), QString::fromUtf16(b.caption)) << b.name;
        EXPECT_EQ(button->geometry(), b.pixels) << b.name;
    }
    EXPECT_EQ(control<QPushButton>(form, "Command1")->text(), QStringLiteral("コピー（Subject/from/Data）"));
    EXPECT_EQ(control<QLabel>(form, "Label2")->text(), QStringLiteral("検索文字"));
    EXPECT_EQ(control<QLabel>(form, "Label4")->text(), QStringLiteral("件数"));
    EXPECT_EQ(control<QLineEdit>(form, "Text1")->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_EQ(control<QLineEdit>(form, "Text1")->font().pointSizeF(), 12);
    EXPECT_EQ(control<QLineEdit>(form, "Text7")->font().pointSizeF(), 9.75);
    EXPECT_EQ(form->editor()->objectName(), QStringLiteral("rtfEd"));
    EXPECT_EQ(form->editor()->font().family(), QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(form->editor()->font().pointSizeF(), 11.25);
    EXPECT_NE(form->findChild<QToolBar *>(QStringLiteral("tbToolBar")), nullptr);
    EXPECT_NE(form->findChild<QStatusBar *>(QStringLiteral("StatusBar1")), nullptr);
    EXPECT_NE(form->findChild<QWidget *>(QStringLiteral("Picture1")), nullptr);

    QTreeView *list = form->mailList();
    EXPECT_EQ(list->objectName(), QStringLiteral("MailListView"));
    const QAbstractItemModel *model = list->model();
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Subject"));
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("From"));
    EXPECT_EQ(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Date"));
    EXPECT_EQ(list->columnWidth(0), 625 / 2);
    EXPECT_EQ(list->columnWidth(1), 625 / 4);
}

TEST_F(HistoryWindow, ReceivedHistoryListsEveryRecordAndShowsTheLastOne)
{
    Clipboard::setText(QStringLiteral("before"));
    TyakuForm *form = TyakuForm::openHistory(HistoryFile::Kind::Received);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("着信履歴"));
    EXPECT_EQ(historyState().mode, 1);
    EXPECT_EQ(form->mailList()->palette().color(QPalette::Base), QColor(210, 250, 250));
    EXPECT_EQ(form->rowCount(), 3);
    EXPECT_EQ(text(form, "Text2"), QStringLiteral("3"));

    const QAbstractItemModel *model = form->mailList()->model();
    EXPECT_EQ(model->index(0, 0).data().toString(), QStringLiteral("件名1") + QString(95, u' '));
    EXPECT_EQ(model->index(1, 1).data().toString(), QStringLiteral("b@example.jp") + QString(78, u' '));
    EXPECT_EQ(model->index(2, 2).data().toString(), QStringLiteral("Wed, 3 Dec 2026") + QString(75, u' '));

    EXPECT_EQ(text(form, "Text7"), QStringLiteral("三"));
    EXPECT_EQ(text(form, "Text8"), QStringLiteral("c@example.jp"));
    EXPECT_EQ(text(form, "Text9"), QStringLiteral("Wed, 3 Dec 2026"));
    EXPECT_EQ(form->bodyText(), QStringLiteral("last body"));
    EXPECT_EQ(Clipboard::text(), QStringLiteral("last body"));
    EXPECT_TRUE(form->selectionMarker().isEmpty());
}

TEST_F(HistoryWindow, SentHistoryReusesTheSameWindow)
{
    TyakuForm *received = TyakuForm::openHistory(HistoryFile::Kind::Received);
    TyakuForm *sent = TyakuForm::openHistory(HistoryFile::Kind::Sent);
    EXPECT_EQ(received, sent);
    EXPECT_EQ(sent->windowTitle(), QStringLiteral("送信履歴"));
    EXPECT_EQ(historyState().mode, 2);
    EXPECT_EQ(sent->mailList()->palette().color(QPalette::Base), QColor(250, 250, 255));
    EXPECT_EQ(sent->rowCount(), 1);
    EXPECT_EQ(text(sent, "Text8"), QStringLiteral("to@example.jp"));
    EXPECT_EQ(text(sent, "Text9"), QStringLiteral("2026/12/06  14:10:21"));
}

TEST_F(HistoryWindow, LauncherLabelsOpenTheTwoHistories)
{
    MainForm *launcher = Forms::open<MainForm>();
    QTest::mouseClick(launcher->findChild<QLabel *>(QStringLiteral("Label4")), Qt::LeftButton);
    TyakuForm *form = Forms::existing<TyakuForm>();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("送信履歴"));
    QTest::mouseClick(launcher->findChild<QLabel *>(QStringLiteral("Label3")), Qt::LeftButton);
    EXPECT_EQ(form->windowTitle(), QStringLiteral("着信履歴"));
    EXPECT_EQ(form->rowCount(), 3);
}

TEST_F(HistoryWindow, ClickingARowReadsThatRecordAgainAndSetsTheMarker)
{
    TyakuForm *form = TyakuForm::openHistory(HistoryFile::Kind::Received);
    clickRow(form, 2);
    EXPECT_EQ(form->selectedRow(), 2);
    EXPECT_EQ(form->selectionMarker(), QStringLiteral("1"));
    EXPECT_EQ(text(form, "Text7"), QStringLiteral("Subject 2"));
    EXPECT_EQ(text(form, "Text8"), QStringLiteral("b@example.jp"));
    EXPECT_EQ(form->bodyText(), QStringLiteral("body\r\ntwo"));
    EXPECT_EQ(Clipboard::text(), QStringLiteral("body\ntwo"));
    EXPECT_EQ(historyState().receivedBuffer.trimmed().Subject, QStringLiteral("Subject 2"));

    // The row is read from the file again, not from the list.
    HistoryFile(HistoryFile::Kind::Received).remove(1);
    clickRow(form, 1);
    EXPECT_EQ(text(form, "Text7"), QStringLiteral("Subject 2"));
}

TEST_F(HistoryWindow, KeyboardMovesShowTheMailTheyHighlight)
{
    store(HistoryFile::Kind::Received, {{QStringLiteral("four"), QStringLiteral("d4"), QStringLiteral("d@example.jp"),
                                         QStringLiteral("body four")}});
    TyakuForm *form = TyakuForm::openHistory(HistoryFile::Kind::Received);
    clickRow(form, 2);
    form->setSelectionMarker({});
    const struct {
        Qt::Key key;
        int row;
        const char *subject;
    } moves[] = {{Qt::Key_Down, 3, "三"},    {Qt::Key_Up, 2, "Subject 2"}, {Qt::Key_End, 4, "four"},
                 {Qt::Key_Home, 1, "件名1"}, {Qt::Key_PageDown, 4, "four"}, {Qt::Key_PageUp, 1, "件名1"}};
    for (const auto &move : moves) {
        QTest::keyClick(form->mailList(), move.key);
        EXPECT_EQ(form->selectedRow(), move.row) << move.subject;
        EXPECT_EQ(text(form, "Text7"), QString::fromUtf8(move.subject));
        EXPECT_EQ(historyState().receivedBuffer.trimmed().Subject, QString::fromUtf8(move.subject));
        EXPECT_EQ(form->selectionMarker(), QStringLiteral("1"));
    }
    // A key that moves nowhere reads nothing.
    form->setSelectionMarker({});
    QTest::keyClick(form->mailList(), Qt::Key_Home);
    EXPECT_TRUE(form->selectionMarker().isEmpty());
}

TEST_F(HistoryWindow, ARowTheFileNoLongerHoldsClearsTheBoxesAndListsTheFileAgain)
{
    ScriptedPrompt prompt;
    TyakuForm *form = TyakuForm::openHistory(HistoryFile::Kind::Received);
    clickRow(form, 1);
    form->setSelectionMarker({});
    // Another program cut the file to one whole record and half of the next.
    const QString path = AppPaths::resolve(AppPaths::kReceivedHistory);
    Sandbox::writeFile(path, Sandbox::readFile(path).left(HistoryRecord::kSize + HistoryRecord::kSize / 2));
    clickRow(form, 3);
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].icon, Prompt::Icon::Critical);
    EXPECT_TRUE(prompt.boxes[0].text.startsWith(QStringLiteral("選択されたメールを読み込めませんでした。")));
    EXPECT_TRUE(prompt.boxes[0].text.contains(path));
    EXPECT_TRUE(form->selectionMarker().isEmpty());
    EXPECT_TRUE(text(form, "Text7").isEmpty());
    EXPECT_TRUE(text(form, "Text8").isEmpty());
    EXPECT_TRUE(text(form, "Text9").isEmpty());
    EXPECT_TRUE(form->bodyText().isEmpty());
    EXPECT_EQ(form->rowCount(), 1);
    EXPECT_EQ(text(form, "Text2"), QStringLiteral("1"));
}

TEST_F(HistoryWindow, HeaderBoxesShowTheStartOfLongValuesAndTheCountShowsFiveDigits)
{
    const QString from = QStringLiteral("山田 太郎 <taro.yamada.with.a.long.name@mail.example.co.jp>");
    const QString date = QStringLiteral("Wednesday, 30 December 2026 12:00:00 +0900");
    store(HistoryFile::Kind::Received, {{QString(60, u'件'), date, from, QStringLiteral("b")}});
    TyakuForm *form = TyakuForm::openHistory(HistoryFile::Kind::Received);
    form->show();
    for (const char *name : {"Text7", "Text8", "Text9"}) {
        auto *box = control<QLineEdit>(form, name);
        EXPECT_EQ(box->cursorPosition(), 0) << name;
    }
    EXPECT_EQ(text(form, "Text8"), from);
    clickRow(form, 4);
    for (const char *name : {"Text7", "Text8", "Text9"})
        EXPECT_EQ(control<QLineEdit>(form, name)->cursorPosition(), 0) << name;

    auto *count = control<QLineEdit>(form, "Text2");
    count->setText(QStringLiteral("32767"));
    // The box's frame and its two-pixel inner margins on both sides leave the rest for text.
    const int frame = count->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, count);
    const QMargins margins = count->textMargins();
    EXPECT_LE(count->fontMetrics().horizontalAdvance(count->text()),
              count->width() - 2 * frame - 4 - margins.left() - margins.right());
    EXPECT_EQ(count->x(), 480);
}

TEST_F(HistoryWindow, EmptyHistoryShowsZeroAndAClickSaysThereIsNothing)
{
    HistoryFile(HistoryFile::Kind::Sent).removeAll();
    ScriptedPrompt prompt;
    TyakuForm *form = TyakuForm::openHistory(HistoryFile::Kind::Sent);
    EXPECT_EQ(text(form, "Text2"), QStringLiteral("0"));
    EXPECT_TRUE(text(form, "Text7").isEmpty());
    EXPECT_TRUE(form->bodyText().isEmpty());
    QTest::mouseClick(form->mailList()->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_FALSE(prompt.boxes.isEmpty());
    EXPECT_EQ(prompt.boxes.last().text, QStringLiteral("選択するデータがありません。"));
    EXPECT_EQ(prompt.boxes.last().buttons, Prompt::Buttons::Ok);
    EXPECT_EQ(form->selectionMarker(), QStringLiteral("1"));
}

TEST_F(HistoryWindow, HelpBoxAndCopyFieldFollowThePointer)
{
    TyakuForm *form = TyakuForm::openHistory(HistoryFile::Kind::Received);
    auto *help = control<QPlainTextEdit>(form, "Text4");
    EXPECT_FALSE(help->isVisible());

    movePointerOver(control(form, "Command6"));
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->toPlainText(), QStringLiteral("受信したメール全件削除します。"));
    movePointerOver(control(form, "Text1"));
    EXPECT_TRUE(help->toPlainText().startsWith(QStringLiteral("検索したい文字を入力し")));
    movePointerOver(control(form, "Command1"));
    EXPECT_TRUE(help->toPlainText().contains(QStringLiteral("出来ます。\n\n 本文への貼り付け")));

    movePointerOver(form->editor()->viewport());
    EXPECT_FALSE(help->isVisible());
    EXPECT_FALSE(help->toPlainText().isEmpty());
    movePointerOver(control(form, "Command3"));
    movePointerOver(form->mailList()->viewport());
    EXPECT_FALSE(help->isVisible());
    EXPECT_TRUE(help->toPlainText().isEmpty());

    movePointerOver(control(form, "Text8"));
    EXPECT_EQ(text(form, "Text6"), QStringLiteral("c@example.jp"));
    movePointerOver(control(form, "Text9"));
    EXPECT_EQ(text(form, "Text6"), QStringLiteral("Wed, 3 Dec 2026"));
}

TEST_F(HistoryWindow, ResizeFollowsTheLayoutRules)
{
    TyakuForm *form = TyakuForm::openHistory(HistoryFile::Kind::Received);
    // The layout works on the outer size: 800 x 600 pixels are 12000 x 9000 twips.
    const QSize frame = form->frameGeometry().size() - form->size();
    form->resize(QSize(800, 600) - frame);
    QCoreApplication::processEvents();
    ASSERT_EQ(form->frameGeometry().size(), QSize(800, 600));
    EXPECT_EQ(form->mailList()->geometry(), QRect(0, 64, 792, 150));
    EXPECT_EQ(control(form, "Text7")->geometry(), QRect(0, 213, 400, 25));
    EXPECT_EQ(control(form, "Text8")->width(), 240);
    // The date box ends at the client's edge, short of the outer size's share by the frame.
    const int room = form->centralWidget()->width() - control(form, "Text9")->x();
    EXPECT_EQ(control(form, "Text9")->width(), qMin(160, room));
    EXPECT_EQ(form->editor()->geometry(), QRect(1, 237, 792, 291));

    form->resize(1, 1);
    QCoreApplication::processEvents();
    EXPECT_GE(form->editor()->height(), 0);
}

TEST_F(HistoryWindow, LoadErrorBoxRepeatsOnOkAndGoesOnWithCancel)
{
    ScriptedPrompt prompt;
    editorState().currentFile = sandbox.workPath(QStringLiteral("missing.txt"));
    prompt.answerBox(Prompt::Answer::Ok);
    prompt.answerBox(Prompt::Answer::Cancel);
    TyakuForm *form = Forms::get<TyakuForm>();
    ASSERT_EQ(prompt.boxes.size(), 2);
    EXPECT_TRUE(prompt.boxes[0].text.isEmpty());
    EXPECT_EQ(prompt.boxes[0].title, QStringLiteral("Pintora  Form_LoadError"));
    EXPECT_EQ(prompt.boxes[0].icon, Prompt::Icon::Warning);
    EXPECT_EQ(prompt.boxes[0].buttons, Prompt::Buttons::OkCancel);
    EXPECT_FALSE(editorState().changed);
    EXPECT_TRUE(form->editor()->isVisibleTo(form));
}

TEST_F(HistoryWindow, LoadingReadsTheCurrentFileAndAnEmptyNameIsNoError)
{
    ScriptedPrompt prompt;
    const QString path = sandbox.workPath(QStringLiteral("note.txt"));
    Sandbox::writeFile(path, Cp932::encode(QStringLiteral("一行目\r\n二行目")));
    editorState().currentFile = path;
    editorState().changed = true;
    TyakuForm *form = Forms::get<TyakuForm>();
    EXPECT_EQ(form->bodyText(), QStringLiteral("一行目\r\n二行目\r\n"));
    EXPECT_FALSE(editorState().changed);
    form->close();

    editorState().currentFile.clear();
    Forms::get<TyakuForm>();
    EXPECT_TRUE(prompt.boxes.isEmpty());
}

TEST_F(HistoryWindow, ServesAsHiddenScratchSpaceForTheMailCheck)
{
    TyakuForm *form = Forms::get<TyakuForm>();
    form->setSubjectText(QStringLiteral("s"));
    form->setFromText(QStringLiteral("f"));
    form->setDateText(QStringLiteral("d"));
    form->setBodyText(QStringLiteral("a\r\nb"));
    form->setBodyText(form->bodyText() + QStringLiteral("\r\nc"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->bodyText(), QStringLiteral("a\r\nb\r\nc"));
    EXPECT_EQ(form->subjectText(), QStringLiteral("s"));
}
