#include "ComposeTestSupport.h"

#include "core/common/AppPaths.h"
#include "core/send/Fortune.h"
#include "ui/compose/Sender.h"
#include "core/history/HistoryFile.h"
#include "core/common/ClockText.h"
#include "ui/shell/Forms.h"
#include "core/settings/RuntimeSettings.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace compose_test;

namespace {

class SenderTest : public ::testing::Test {
protected:
    SenderTest()
    {
        ClockText::setSource([] { return QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7)); });
        runtimeSettings().SmtpServer = QStringLiteral("smtp.example.jp");
        runtimeSettings().SenderAddress = QStringLiteral("me@example.jp");
        Sender::installTransport(
            [this](const OutgoingMail &mail) {
                calls << mail;
                statusDuringCall = Forms::existing<WriteForm>()
                    ? child<QLabel>(Forms::existing<WriteForm>(), "Label7")->text()
                    : QString();
                return failOn.contains(static_cast<int>(calls.size())) ? -1 : 0;
            },
            [] { return QStringLiteral("550 5.1.1 <x@example.jp>: Recipient address rejected"); });
    }
    ~SenderTest() override
    {
        Sender::installTransport({}, {});
        Fortune::setRandomSource({});
    }

    void fillBook(int count)
    {
        QByteArray bytes;
        for (int n = 1; n <= count; ++n)
            bytes += recordBytes(QStringLiteral("友達%1").arg(n), QStringLiteral("friend%1@example.jp   ").arg(n));
        Sandbox::writeFile(m_sandbox.dataPath(AppPaths::kAddressBook), bytes);
    }

    WriteForm *compose(const QString &to, const QString &subject, const QString &body)
    {
        WriteForm *form = Forms::open<WriteForm>();
        child<QPlainTextEdit>(form, "ToText")->setPlainText(to);
        child<QLineEdit>(form, "SubjectText")->setText(subject);
        child<QPlainTextEdit>(form, "BodyText")->setPlainText(body);
        return form;
    }

    HistoryFile sent() const { return HistoryFile(HistoryFile::Kind::Sent); }

    Sandbox m_sandbox;
    ScriptedPrompt m_prompt;
    QList<OutgoingMail> calls;
    QList<int> failOn;
    QString statusDuringCall;
};

} // namespace

TEST_F(SenderTest, SingleSendStoresTheCopyThenCallsTheLibraryThenCloses)
{
    WriteForm *form = compose(QStringLiteral(" to@example.jp "), QStringLiteral(" 件名 "),
                              QStringLiteral(" 本文\n二行目 "));
    const QString clock = ClockText::now();
    click(form, "Command1");

    ASSERT_EQ(sent().count(), 1);
    HistoryRecord expected;
    expected.Subject = QStringLiteral("件名");
    expected.MailDate = clock;
    expected.Correspondent = QStringLiteral("to@example.jp");
    expected.Body = QStringLiteral("本文\r\n二行目");
    const QByteArray bytes = Sandbox::readFile(m_sandbox.dataPath(AppPaths::kSentHistory));
    EXPECT_EQ(bytes, expected.toBytes(true));

    ASSERT_EQ(calls.size(), 1);
    const OutgoingMail &mail = calls[0];
    EXPECT_EQ(mail.server, QStringLiteral("smtp.example.jp"));
    EXPECT_EQ(mail.to, QStringLiteral(" to@example.jp "));
    EXPECT_FALSE(mail.cc.has_value());
    EXPECT_FALSE(mail.bcc.has_value());
    EXPECT_EQ(mail.from, QStringLiteral("me@example.jp"));
    EXPECT_EQ(mail.subject, QStringLiteral(" 件名 "));
    EXPECT_EQ(mail.body, QStringLiteral(" 本文\r\n二行目 "));
    EXPECT_FALSE(mail.extraHeader.has_value());
    EXPECT_EQ(mail.attachments, QString());
    EXPECT_EQ(mail.option, 0);
    EXPECT_EQ(statusDuringCall, QStringLiteral("メールを送信中です。しばらくお待ち下さい。"));
    EXPECT_TRUE(m_prompt.boxes.isEmpty());
    EXPECT_EQ(Forms::existing<WriteForm>(), nullptr);
}

TEST_F(SenderTest, StatusSaysDoneBeforeTheWindowCloses)
{
    WriteForm *form = compose(QStringLiteral("a@example.jp"), {}, {});
    QLabel *status = child<QLabel>(form, "Label7");
    form->send();
    // The window is closed but not yet deleted: its last status stands.
    EXPECT_EQ(status->text(), QStringLiteral("送信完了です。"));
}

TEST_F(SenderTest, AttachmentTextIsSentAndTheListHidden)
{
    WriteForm *form = compose(QStringLiteral("a@example.jp"), {}, {});
    m_prompt.answerFile(QStringLiteral("/x/1.txt"));
    click(form, "AttachCommand");
    m_prompt.answerFile(QStringLiteral("/x/2.txt"));
    click(form, "Command9");
    form->send();
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].attachments, QStringLiteral("/x/1.txt,/x/2.txt"));
}

TEST_F(SenderTest, FortuneGoesToTheMailButNotToItsCopy)
{
    Fortune::setRandomSource([] { return 0.0f; });
    WriteForm *form = compose(QStringLiteral("a@example.jp"), QStringLiteral("s"), QStringLiteral("本文"));
    child<QCheckBox>(form, "Check1")->setChecked(true);
    form->send();
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].body, QStringLiteral("本文") + Fortune::block(1));
    EXPECT_EQ(sent().read(1)->trimmed().Body, QStringLiteral("本文"));
}

TEST_F(SenderTest, DrawJustBelowOneSendsTheTwelfthFortune)
{
    Fortune::setRandomSource([] { return std::nextafter(1.0f, 0.0f); });
    WriteForm *form = compose(QStringLiteral("a@example.jp"), {}, QStringLiteral("本文"));
    child<QCheckBox>(form, "Check1")->setChecked(true);
    form->send();
    ASSERT_EQ(calls.size(), 1);
    EXPECT_TRUE(calls[0].body.endsWith(Fortune::FortuneTable(12)));
}

TEST_F(SenderTest, BulkSendGoesToEveryRecordInOrderWithTheSameCorrespondent)
{
    fillBook(3);
    WriteForm *form = compose(QStringLiteral(" typed@example.jp "), QStringLiteral("一括"), QStringLiteral("皆様"));
    click(form, "Command4");
    click(form, "Option2");
    child<QPlainTextEdit>(form, "ToText")->setPlainText(QStringLiteral(" typed@example.jp "));
    form->send();
    ASSERT_EQ(calls.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(calls[i].to, QStringLiteral("friend%1@example.jp").arg(i + 1));
    ASSERT_EQ(sent().count(), 3);
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(sent().read(n)->trimmed().Correspondent, QStringLiteral("typed@example.jp"));
}

TEST_F(SenderTest, BulkFailureOnTheSecondStillRunsTheThird)
{
    fillBook(3);
    failOn = {2};
    WriteForm *form = compose({}, QStringLiteral("一括"), QStringLiteral("皆様"));
    click(form, "Command4");
    click(form, "Option2");
    click(form, "Command1");
    EXPECT_EQ(calls.size(), 3);
    EXPECT_EQ(sent().count(), 3);
    ASSERT_EQ(m_prompt.boxes.size(), 1);
    EXPECT_EQ(m_prompt.boxes[0].title, QStringLiteral("送信エラー"));
    EXPECT_EQ(m_prompt.boxes[0].text, QStringLiteral("550 5.1.1 <x@example.jp>: Recipient address rejected"));
    EXPECT_EQ(m_prompt.boxes[0].buttons, Prompt::Buttons::Ok);
    EXPECT_EQ(Forms::existing<WriteForm>(), nullptr);
}

TEST_F(SenderTest, BulkWithAnEmptyListSendsNothing)
{
    WriteForm *form = compose(QStringLiteral("a@example.jp"), {}, QStringLiteral("x"));
    click(form, "Command4");
    click(form, "Option2");
    QLabel *status = child<QLabel>(form, "Label7");
    form->send();
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_EQ(sent().count(), 0);
    EXPECT_EQ(status->text(), QStringLiteral("送信完了です。"));
    EXPECT_EQ(Forms::existing<WriteForm>(), nullptr);
}

TEST_F(SenderTest, BulkPassKCarriesKFortuneBlocksAndItsCopyKMinusOne)
{
    fillBook(3);
    QList<float> draws = {0.0f, 0.5f, 0.99f};
    Fortune::setRandomSource([&draws] { return draws.takeFirst(); });
    WriteForm *form = compose({}, QStringLiteral("占い"), QStringLiteral("本文"));
    click(form, "Command4");
    click(form, "Option2");
    child<QCheckBox>(form, "Check1")->setChecked(true);
    form->send();
    ASSERT_EQ(calls.size(), 3);
    const QString one = QStringLiteral("本文") + Fortune::block(1);
    const QString two = one + Fortune::block(7);
    const QString three = two + Fortune::block(12);
    EXPECT_EQ(calls[0].body, one);
    EXPECT_EQ(calls[1].body, two);
    EXPECT_EQ(calls[2].body, three);
    EXPECT_EQ(sent().read(1)->trimmed().Body, QStringLiteral("本文"));
    EXPECT_EQ(sent().read(2)->trimmed().Body, one);
    EXPECT_EQ(sent().read(3)->trimmed().Body, two);
}

TEST_F(SenderTest, BulkPassWithoutABookRecordSendsNothingAndSaysSo)
{
    // The list at load comes from the read-only list, which is longer than the book.
    QByteArray list;
    for (int n = 1; n <= 2; ++n)
        list += recordBytes(QStringLiteral("名簿%1").arg(n), QStringLiteral("list%1@example.jp").arg(n));
    Sandbox::writeFile(m_sandbox.dataPath(AppPaths::kAddressList), list);
    fillBook(1);
    WriteForm *form = compose({}, QStringLiteral("s"), QStringLiteral("b"));
    form->chooseBulk(true);
    form->send();
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].to, QStringLiteral("friend1@example.jp"));
    EXPECT_EQ(sent().count(), 1);
    ASSERT_EQ(m_prompt.boxes.size(), 1);
    EXPECT_EQ(m_prompt.boxes[0].title, QStringLiteral("送信エラー"));
    EXPECT_TRUE(m_prompt.boxes[0].text.contains(QStringLiteral("2")));
}

TEST_F(SenderTest, FullSentHistoryRefusesTheCopyButStillSends)
{
    QFile file(m_sandbox.dataPath(AppPaths::kSentHistory));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(qint64(HistoryRecord::kSize) * 32767));
    file.close();
    WriteForm *form = compose(QStringLiteral("a@example.jp"), {}, QStringLiteral("b"));
    form->send();
    EXPECT_EQ(calls.size(), 1);
    EXPECT_EQ(QFileInfo(file).size(), qint64(HistoryRecord::kSize) * 32767);
    ASSERT_EQ(m_prompt.boxes.size(), 1);
    EXPECT_TRUE(m_prompt.boxes[0].text.contains(QStringLiteral("32767")));
}

TEST_F(SenderTest, ThreeWholeRecordsMeanTheCopyIsTheFourth)
{
    HistoryRecord old;
    old.Subject = QStringLiteral("old");
    QByteArray three = old.toBytes(true).repeated(3);
    Sandbox::writeFile(m_sandbox.dataPath(AppPaths::kSentHistory), three);
    WriteForm *form = compose(QStringLiteral("a@example.jp"), QStringLiteral("new"), {});
    form->send();
    ASSERT_EQ(sent().count(), 4);
    EXPECT_EQ(sent().read(4)->trimmed().Subject, QStringLiteral("new"));
}

TEST_F(SenderTest, NeitherCloseNorASecondSendGetsInDuringASend)
{
    WriteForm *form = compose(QStringLiteral("a@example.jp"), {}, QStringLiteral("b"));
    bool stillOpen = false;
    Sender::installTransport(
        [&](const OutgoingMail &mail) {
            calls << mail;
            form->close();
            form->send();
            stillOpen = Forms::existing<WriteForm>() == form;
            return 0;
        },
        [] { return QString(); });
    form->send();
    EXPECT_EQ(calls.size(), 1);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(Forms::existing<WriteForm>(), nullptr);
}
