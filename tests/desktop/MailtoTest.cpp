#include "ui/desktop/MailtoLink.h"

#include "ui/compose/WriteForm.h"
#include "ui/desktop/Requests.h"
#include "core/instance/SingleInstance.h"
#include "ui/shell/Forms.h"
#include "ui/shell/MainForm.h"
#include "ui/shell/Startup.h"
#include "support/Sandbox.h"
#include "support/Markup.h"
#include "support/ScriptedPrompt.h"
#include "support/Wait.h"
#include "DesktopTestSupport.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocalSocket>
#include <QPlainTextEdit>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

struct LinkCase {
    const char *name;
    const char *link;
    QStringList recipients;
    QString subject;
    QString body;
    QStringList ignored;
};

const QString kSubject = QStringLiteral("会議の件");
const QString kBody = QStringLiteral("こんにちは\n明日です");

std::vector<LinkCase> linkCases()
{
    return {
        {"Bare", "mailto:tanaka@example.jp", {QStringLiteral("tanaka@example.jp")}, {}, {}, {}},
        {"JapaneseSubjectAndBody",
         "mailto:tanaka@example.jp?subject=%E4%BC%9A%E8%AD%B0%E3%81%AE%E4%BB%B6"
         "&body=%E3%81%93%E3%82%93%E3%81%AB%E3%81%A1%E3%81%AF%0D%0A%E6%98%8E%E6%97%A5%E3%81%A7%E3%81%99",
         {QStringLiteral("tanaka@example.jp")}, kSubject, kBody, {}},
        {"ToAndCcJoined", "mailto:a@example.jp,b@example.jp?cc=c@example.jp&To=d@example.jp",
         {QStringLiteral("a@example.jp"), QStringLiteral("b@example.jp"), QStringLiteral("c@example.jp"),
          QStringLiteral("d@example.jp")},
         {}, {}, {}},
        {"OnlyHeadersNoPath", "MAILTO:?to=a%40example.jp&subject=x", {QStringLiteral("a@example.jp")},
         QStringLiteral("x"), {}, {}},
        {"BccAttachAndUnknownLeftOut",
         "mailto:a@example.jp?bcc=spy@example.jp&attach=/home/u/.ssh/id_rsa&Attachment=file:///etc/passwd"
         "&In-Reply-To=%3Cid%40x%3E&subject=hi",
         {QStringLiteral("a@example.jp")}, QStringLiteral("hi"), {},
         {QStringLiteral("bcc"), QStringLiteral("attach"), QStringLiteral("attachment"), QStringLiteral("in-reply-to")}},
        {"PlusStaysAPlus", "mailto:a+tag@example.jp?subject=1+1", {QStringLiteral("a+tag@example.jp")},
         QStringLiteral("1+1"), {}, {}},
        {"LineBreakInSubjectCannotMakeAHeader", "mailto:a@example.jp?subject=x%0D%0ABcc:%20b@example.jp",
         {QStringLiteral("a@example.jp")}, QStringLiteral("x Bcc: b@example.jp"), {}, {}},
        {"ControlCharactersButTheTabLeaveHeaderFields",
         "mailto:a%07@example.jp?cc=b%1B@example.jp&subject=a%0Bb%00c%09d%7Fe%C2%85f%C2%9Bg&body=x%0By",
         {QStringLiteral("a@example.jp"), QStringLiteral("b@example.jp")}, QStringLiteral("abc\tdefg"),
         QStringLiteral("x\vy"), {}},
        {"BadUtf8BecomesReplacement", "mailto:a@example.jp?subject=%FF", {QStringLiteral("a@example.jp")},
         QString(QChar::ReplacementCharacter), {}, {}},
        {"FragmentIgnored", "mailto:a@example.jp?subject=s#frag", {QStringLiteral("a@example.jp")},
         QStringLiteral("s"), {}, {}},
    };
}

void PrintTo(const LinkCase &c, std::ostream *out)
{
    *out << c.name;
}

class MailtoParse : public ::testing::TestWithParam<LinkCase> {};

} // namespace

TEST_P(MailtoParse, FieldsAsTheComposeWindowTakesThem)
{
    const LinkCase &c = GetParam();
    const auto link = MailtoLink::parse(QString::fromUtf8(c.link));
    ASSERT_TRUE(link);
    EXPECT_EQ(link->recipients, c.recipients);
    EXPECT_EQ(link->subject, c.subject);
    EXPECT_EQ(link->body, c.body);
    EXPECT_EQ(link->ignored, c.ignored);
    EXPECT_EQ(link->ignoredNote().isEmpty(), c.ignored.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Links, MailtoParse, ::testing::ValuesIn(linkCases()),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Mailto, OtherArgumentsAreNoLinks)
{
    EXPECT_FALSE(MailtoLink::parse(QStringLiteral("http://example.jp")));
    EXPECT_FALSE(MailtoLink::parse(QStringLiteral("/home/u/file.txt")));
    EXPECT_FALSE(MailtoLink::parse(QString()));
    EXPECT_TRUE(MailtoLink::parse(QStringLiteral("mailto:")));
}

TEST(Mailto, LinkFillsTheComposeWindowAndSaysWhatWasLeftOut)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    ASSERT_TRUE(Requests::openLinks(
        {QStringLiteral("--x"), QStringLiteral("mailto:a@example.jp?cc=b@example.jp&bcc=c@example.jp&attach=%2Fetc%2Fpasswd"
                                               "&subject=%E4%BC%9A%E8%AD%B0%E3%81%AE%E4%BB%B6")}));
    WriteForm *form = Forms::existing<WriteForm>();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->findChild<QPlainTextEdit *>(QStringLiteral("ToText"))->toPlainText(),
              QStringLiteral("a@example.jp,b@example.jp"));
    EXPECT_EQ(form->findChild<QLineEdit *>(QStringLiteral("SubjectText"))->text(), kSubject);
    EXPECT_TRUE(form->attachments().text().isEmpty());
    const QString status = form->findChild<QLabel *>(QStringLiteral("Label7"))->text();
    EXPECT_TRUE(status.contains(QStringLiteral("bcc"))) << qPrintable(status);
    EXPECT_TRUE(status.contains(QStringLiteral("attach"))) << qPrintable(status);
    EXPECT_TRUE(prompt.boxes.isEmpty());
}

// A link's field names are the page's to choose; the status line names them as written.
TEST(Mailto, FieldNameWithMarkupIsShownAsPlainCharacters)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    ASSERT_TRUE(Requests::openLinks({QStringLiteral("mailto:a@example.jp?")
                                     + QString::fromLatin1(QUrl::toPercentEncoding(kHostileHtml)) + QStringLiteral("=x")}));
    WriteForm *form = Forms::existing<WriteForm>();
    ASSERT_NE(form, nullptr);
    const auto *status = form->findChild<QLabel *>(QStringLiteral("Label7"));
    EXPECT_TRUE(status->text().contains(QStringLiteral("<h1"))) << qPrintable(status->text());
    EXPECT_FALSE(drawsAsMarkup(status));
}

TEST(Mailto, MailBeingWrittenIsReplacedOnlyWhenTheUserSaysSo)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    WriteForm *form = Forms::open<WriteForm>();
    form->body()->setPlainText(QStringLiteral("書きかけ"));

    prompt.answerBox(Prompt::Answer::No);
    Requests::openLinks({QStringLiteral("mailto:a@example.jp?body=new")});
    EXPECT_EQ(form->bodyText(), QStringLiteral("書きかけ"));
    ASSERT_EQ(prompt.boxes.size(), 1);

    prompt.answerBox(Prompt::Answer::Yes);
    Requests::openLinks({QStringLiteral("mailto:a@example.jp?body=new")});
    EXPECT_EQ(Forms::existing<WriteForm>()->bodyText(), QStringLiteral("new"));
}

TEST(Mailto, SecondStartWithALinkFillsTheRunningProgramsComposeWindow)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    installProgram(sandbox);
    SingleInstance first;
    ASSERT_EQ(Startup::claimInstallation(first, {}), SingleInstance::Claim::First);
    Startup::run();
    QObject::connect(&first, &SingleInstance::requested, &Requests::handle);
    MainForm *launcher = Forms::existing<MainForm>();
    ASSERT_NE(launcher, nullptr);
    launcher->showMinimized();

    QProcess second;
    startProgram(second, sandbox,
                 {QStringLiteral("mailto:%E7%94%B0%E4%B8%AD%20%3Ctanaka@example.jp%3E?subject=%E4%BB%B6%E5%90%8D")});
    ASSERT_TRUE(waitUntil([&] { return second.state() == QProcess::NotRunning; }));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);

    WriteForm *form = Forms::existing<WriteForm>();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->findChild<QPlainTextEdit *>(QStringLiteral("ToText"))->toPlainText(),
              QStringLiteral("田中 <tanaka@example.jp>"));
    EXPECT_EQ(form->findChild<QLineEdit *>(QStringLiteral("SubjectText"))->text(), QStringLiteral("件名"));
    // Still the one launcher, brought back from the task bar.
    int launchers = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        launchers += qobject_cast<MainForm *>(window) != nullptr;
    EXPECT_EQ(launchers, 1);
    EXPECT_EQ(Forms::existing<MainForm>(), launcher);
    EXPECT_FALSE(launcher->isMinimized());
}

TEST(Mailto, SecondStartsLinkAsksAboutTheMailBeingWrittenOnceItsCallerHasGone)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    installProgram(sandbox);
    SingleInstance first;
    ASSERT_EQ(Startup::claimInstallation(first, {}), SingleInstance::Claim::First);
    Startup::run();
    QObject::connect(&first, &SingleInstance::requested, &Requests::handle);
    WriteForm *form = Forms::open<WriteForm>();
    form->body()->setPlainText(QStringLiteral("書きかけ"));

    // The program's real question stays open until the second start has ended and
    // its connection is gone: the question must not stand on that connection's handler.
    QProcess second;
    prompt.holdNextOpen(
        [&] { return second.state() == QProcess::NotRunning && first.findChildren<QLocalSocket *>().isEmpty(); },
        Prompt::Answer::Yes);
    startProgram(second, sandbox, {QStringLiteral("mailto:a@example.jp?body=new")});
    ASSERT_TRUE(waitUntil([&] { return second.state() == QProcess::NotRunning && !prompt.heldParentsAlive.isEmpty(); }));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.heldParentsAlive, QList<bool>{true});
    EXPECT_EQ(Forms::existing<WriteForm>()->bodyText(), QStringLiteral("new"));
}
