#include "ui/shell/MainForm.h"
#include "ui/compose/BackForm.h"
#include "ui/compose/WriteForm.h"
#include "ui/shell/SettingsForm.h"

#include "ui/settings/IdPassForm.h"
#include "ui/settings/OptionForm.h"
#include "core/common/ClockText.h"
#include "ui/shell/Forms.h"
#include "ui/common/HomePage.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"

#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

void movePointerOver(QWidget *widget)
{
    const QPointF at(2, 2);
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

QLabel *label(MainForm *form, int number)
{
    return form->findChild<QLabel *>(QStringLiteral("Label%1").arg(number));
}

// Stands for a window whose close handling saves something.
class SavesOnClose : public QWidget {
public:
    static inline int saves = 0;
    void closeEvent(QCloseEvent *) override { ++saves; }
};

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

} // namespace

TEST(Launcher, MenuLabelsCarryTheirCaptionsAtTheirTwipsPositions)
{
    Sandbox sandbox;
    MainForm *form = Forms::get<MainForm>();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("広がる笑顔！　絵文字、顔文字メール！！"));
    EXPECT_EQ(form->size(), QSize(446, 281));
    EXPECT_EQ(label(form, 1)->text(), QStringLiteral("　　　　新規作成"));
    EXPECT_EQ(label(form, 1)->geometry(), QRect(64, 67, 121, 17));
    EXPECT_EQ(label(form, 2)->text(), QStringLiteral("　　　　受　　　信"));
    EXPECT_EQ(label(form, 8)->text(), QStringLiteral("　　　    　Small"));
    EXPECT_EQ(label(form, 8)->geometry(), QRect(264, 180, 121, 17));
    EXPECT_EQ(label(form, 10)->text(), QStringLiteral("Pintora"));
    EXPECT_EQ(label(form, 11)->text(), QStringLiteral("Ver 1.0"));
    EXPECT_EQ(label(form, 9)->text(), QStringLiteral("　　　　"));
    EXPECT_TRUE(form->findChild<QLineEdit *>(QStringLiteral("Text1"))->text().isEmpty());
    // The clock text lies below the client area.
    EXPECT_GE(form->findChild<QLineEdit *>(QStringLiteral("Text2"))->y(), form->height());
}

TEST(Launcher, HelpSentenceFollowsThePointerAndTheBackgroundHidesIt)
{
    Sandbox sandbox;
    MainForm *form = Forms::open<MainForm>();
    QLabel *help = label(form, 9);

    movePointerOver(label(form, 2));
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->text(), QStringLiteral("新着メールの受信を行います。"));

    movePointerOver(label(form, 4));
    EXPECT_EQ(help->text(), QStringLiteral("送信したメールデータを見ます。送信したかな？　と言う時にご覧下さい。"));

    movePointerOver(form);
    EXPECT_FALSE(help->isVisible());
    EXPECT_TRUE(help->text().isEmpty());

    movePointerOver(label(form, 8));
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->text(), QStringLiteral("画面の最小化を行います。"));
}

TEST(Launcher, ClockTextIsWrittenOnlyWhenItsSecondChanges)
{
    Sandbox sandbox;
    QDateTime moment(QDate(2026, 12, 6), QTime(14, 10, 21));
    ClockText::setSource([&] { return moment; });
    MainForm *form = Forms::open<MainForm>();
    auto *clock = form->findChild<QLineEdit *>(QStringLiteral("Text2"));
    EXPECT_EQ(form->clockText(), ClockText::format(moment, QLocale::system()));
    int writes = 0;
    QObject::connect(clock, &QLineEdit::textChanged, [&] { ++writes; });

    // A clock that stands still writes nothing.
    QTest::qWait(1200);
    EXPECT_EQ(writes, 0);

    // A new second shows within a second, written once.
    moment = moment.addSecs(5);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->clockText() == ClockText::format(moment, QLocale::system()); }, 1100));
    QTest::qWait(300);
    EXPECT_EQ(writes, 1);

    // The real clock: one write a second.
    ClockText::setSource({});
    writes = 0;
    QTest::qWait(3100);
    ClockText::setSource([&] { return moment; });
    EXPECT_GE(writes, 3);
    EXPECT_LE(writes, 4);
    ClockText::setSource({});
}

TEST(Launcher, ClockTextIsNeitherFocusableNorShown)
{
    Sandbox sandbox;
    MainForm *form = Forms::open<MainForm>();
    auto *clock = form->findChild<QLineEdit *>(QStringLiteral("Text2"));
    EXPECT_EQ(clock->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(clock->isVisible());
    EXPECT_FALSE(clock->text().isEmpty());
}

TEST(Launcher, SettingsLabelOpensTheSettingsWindowWhoseButtonsOpenTheirWindows)
{
    Sandbox sandbox;
    MainForm *form = Forms::open<MainForm>();
    QTest::mouseClick(label(form, 6), Qt::LeftButton);
    SettingsForm *settings = Forms::existing<SettingsForm>();
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(settings->isVisible());
    EXPECT_EQ(settings->windowTitle(), QStringLiteral("設定"));

    QTest::mouseClick(settings->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    ASSERT_NE(Forms::existing<IdPassForm>(), nullptr);
    EXPECT_TRUE(Forms::existing<IdPassForm>()->isVisible());
    QTest::mouseClick(settings->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
    ASSERT_NE(Forms::existing<OptionForm>(), nullptr);
    EXPECT_TRUE(Forms::existing<OptionForm>()->isVisible());
    EXPECT_TRUE(settings->isVisible());

    // A second click brings up the same window.
    QTest::mouseClick(label(form, 6), Qt::LeftButton);
    EXPECT_EQ(Forms::existing<SettingsForm>(), settings);
}

TEST(Launcher, NewMailLabelShowsTheOneComposeWindowWithoutReloadingIt)
{
    Sandbox sandbox;
    MainForm *form = Forms::open<MainForm>();
    QTest::mouseClick(label(form, 1), Qt::LeftButton);
    WriteForm *compose = Forms::existing<WriteForm>();
    ASSERT_NE(compose, nullptr);
    EXPECT_TRUE(compose->isVisible());
    compose->insertIntoBody(QStringLiteral("書きかけ"));
    QTest::mouseClick(label(form, 1), Qt::LeftButton);
    EXPECT_EQ(Forms::existing<WriteForm>(), compose);
    EXPECT_EQ(compose->bodyText(), QStringLiteral("書きかけ"));
}

TEST(Launcher, HomePageLabelOpensTheAddressInTheDesktopBrowser)
{
    Sandbox sandbox;
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    MainForm *form = Forms::open<MainForm>();
    QTest::mouseClick(label(form, 7), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened[0], QUrl(HomePage::kAddress));
}

TEST(Launcher, SmallLabelMinimisesTheLauncher)
{
    Sandbox sandbox;
    MainForm *form = Forms::open<MainForm>();
    QTest::mouseClick(label(form, 8), Qt::LeftButton);
    EXPECT_TRUE(form->windowState() & Qt::WindowMinimized);
}

TEST(Launcher, ClosingItEndsEverythingWithoutOtherWindowsCloseHandling)
{
    Sandbox sandbox;
    SavesOnClose::saves = 0;
    MainForm *form = Forms::open<MainForm>();
    Forms::open<SavesOnClose>();
    Forms::open<SettingsForm>();
    form->close();
    EXPECT_EQ(Forms::existing<SavesOnClose>(), nullptr);
    EXPECT_EQ(Forms::existing<SettingsForm>(), nullptr);
    EXPECT_EQ(SavesOnClose::saves, 0);
}

TEST(Launcher, ClosingAsksFirstWhenAComposeOrReplyWindowHoldsUnsentText)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    MainForm *form = Forms::open<MainForm>();
    // Empty windows hold nothing to lose.
    Forms::open<WriteForm>();
    Forms::open<BackForm>();
    form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(prompt.boxes.isEmpty());
    EXPECT_EQ(Forms::existing<WriteForm>(), nullptr);

    for (bool reply : {false, true}) {
        form = Forms::open<MainForm>();
        if (reply)
            Forms::open<BackForm>()->setBodyText(QStringLiteral("書きかけ"));
        else
            Forms::open<WriteForm>()->body()->setPlainText(QStringLiteral("書きかけ"));
        prompt.boxes.clear();
        prompt.answerBox(Prompt::Answer::No);
        EXPECT_FALSE(form->close());
        ASSERT_EQ(prompt.boxes.size(), 1);
        EXPECT_EQ(prompt.boxes[0].text, QStringLiteral("送信していないメールがあります。終了しますか？"));
        EXPECT_EQ(Forms::existing<MainForm>(), form);
        EXPECT_TRUE(reply ? Forms::existing<BackForm>() != nullptr : Forms::existing<WriteForm>() != nullptr);

        prompt.answerBox(Prompt::Answer::Yes);
        EXPECT_TRUE(form->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(Forms::existing<WriteForm>(), nullptr);
        EXPECT_EQ(Forms::existing<BackForm>(), nullptr);
    }
}

#include "LauncherTest.moc"
