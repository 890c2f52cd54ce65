#include "ComposeTestSupport.h"

#include "core/common/AppPaths.h"
#include "ui/compose/Sender.h"
#include "core/history/HistoryFile.h"
#include "core/mail/MailLibrary.h"
#include "core/common/ClockText.h"
#include "ui/shell/Forms.h"
#include "core/settings/RuntimeSettings.h"
#include "support/MailReader.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "support/Wait.h"
#include "core/history/HistoryState.h"
#include "ui/viewer/TyakuForm.h"

#include "support/MailServerTest.h"

#include <QDir>
#include <QJsonArray>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTreeView>

#include <sys/stat.h>

using namespace compose_test;

namespace {

// The send as the window makes it, through the real mail library, with every call kept.
class SendThroughServer : public MailServerTest {
protected:
    void SetUp() override
    {
        MailServerTest::SetUp();
        if (IsSkipped())
            return;
        ClockText::setSource([] { return QDateTime(QDate(2026, 12, 7), QTime(9, 15, 0)); });
        runtimeSettings().SmtpServer = QStringLiteral("%1:%2").arg(servers->host).arg(servers->smtp);
        runtimeSettings().SenderAddress = QStringLiteral("私<me@example.jp>");
        Sender::installTransport(
            [this](const OutgoingMail &mail) {
                calls << mail;
                return MailLibrary::instance().smtpSendMail(mail);
            },
            [] { return MailLibrary::instance().lastError(); });
    }
    void TearDown() override { Sender::installTransport({}, {}); }

    QString address(const QString &local) const { return local + QStringLiteral("@example.jp"); }

    WriteForm *compose(const QString &to, const QString &subject, const QString &body)
    {
        WriteForm *form = Forms::open<WriteForm>();
        child<QPlainTextEdit>(form, "ToText")->setPlainText(to);
        child<QLineEdit>(form, "SubjectText")->setText(subject);
        child<QPlainTextEdit>(form, "BodyText")->setPlainText(body);
        return form;
    }

    Sandbox m_sandbox;
    ScriptedPrompt m_prompt;
    QList<OutgoingMail> calls;
};

} // namespace

TEST_F(SendThroughServer, SingleSendKeepsTheCopyCallsOnceAndCloses)
{
    const QString to = QStringLiteral("友人<%1>").arg(address(user));
    WriteForm *form = compose(to, QStringLiteral("お知らせ"), QStringLiteral("こんにちは。\n二行目です。"));
    click(form, "Command1");

    HistoryRecord expected;
    expected.Subject = QStringLiteral("お知らせ");
    expected.MailDate = ClockText::now();
    expected.Correspondent = to;
    expected.Body = QStringLiteral("こんにちは。\r\n二行目です。");
    EXPECT_EQ(Sandbox::readFile(m_sandbox.dataPath(AppPaths::kSentHistory)), expected.toBytes(true));

    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].server, runtimeSettings().SmtpServer);
    EXPECT_EQ(calls[0].to, to);
    EXPECT_FALSE(calls[0].cc || calls[0].bcc || calls[0].extraHeader);
    EXPECT_EQ(calls[0].from, QStringLiteral("私<me@example.jp>"));
    EXPECT_EQ(calls[0].subject, QStringLiteral("お知らせ"));
    EXPECT_EQ(calls[0].body, QStringLiteral("こんにちは。\r\n二行目です。"));
    EXPECT_EQ(calls[0].attachments, QString());
    EXPECT_EQ(calls[0].option, 0);
    EXPECT_TRUE(m_prompt.boxes.isEmpty()) << m_prompt.boxes.value(0).text.toStdString();
    EXPECT_EQ(Forms::existing<WriteForm>(), nullptr);

    const QList<QByteArray> mails = servers->delivered(user);
    ASSERT_EQ(mails.size(), 1);
    const QJsonObject seen = MailReader::read(mails[0]);
    EXPECT_EQ(seen[QStringLiteral("subject")].toString(), QStringLiteral("お知らせ"));
    EXPECT_EQ(seen[QStringLiteral("body")].toString(), QStringLiteral("こんにちは。\n二行目です。\n"));
    EXPECT_EQ(seen[QStringLiteral("from")].toArray()[0].toArray()[0].toString(), QStringLiteral("私"));
}

TEST_F(SendThroughServer, BulkFailureOnTheSecondIsShownAndTheThirdStillGoes)
{
    const QString second = QStringLiteral("reject550-") + user;
    QByteArray book;
    for (const QString &local : {user + QStringLiteral("-a"), second, user + QStringLiteral("-c")})
        book += recordBytes(local, address(local));
    Sandbox::writeFile(m_sandbox.dataPath(AppPaths::kAddressBook), book);

    WriteForm *form = compose({}, QStringLiteral("一括"), QStringLiteral("皆様へ"));
    click(form, "Command4");
    click(form, "Option2");
    click(form, "Command1");

    EXPECT_EQ(calls.size(), 3);
    EXPECT_EQ(HistoryFile(HistoryFile::Kind::Sent).count(), 3);
    ASSERT_EQ(m_prompt.boxes.size(), 1);
    EXPECT_EQ(m_prompt.boxes[0].title, QStringLiteral("送信エラー"));
    EXPECT_TRUE(m_prompt.boxes[0].text.endsWith(
        QStringLiteral("\n%1: 550 5.1.1 <%1>: Recipient address rejected: User unknown").arg(address(second))));
    EXPECT_EQ(servers->delivered(user + QStringLiteral("-a")).size(), 1);
    EXPECT_EQ(servers->delivered(user + QStringLiteral("-c")).size(), 1);
    EXPECT_EQ(Forms::existing<WriteForm>(), nullptr);
}

TEST_F(SendThroughServer, ASentMailBeyondCp932ShowsWholeInTheSentHistory)
{
    const QString to = address(user);
    const QString subject = QStringLiteral("今日も🎉");
    WriteForm *form = compose(to, subject, QStringLiteral("おめでとう🎉\n𠮷野家で"));
    click(form, "Command1");
    ASSERT_TRUE(m_prompt.boxes.isEmpty()) << m_prompt.boxes.value(0).text.toStdString();

    // The record keeps CP932 and names the copy of what went out.
    const HistoryRecord stored = HistoryFile(HistoryFile::Kind::Sent).read(1)->trimmed();
    EXPECT_EQ(stored.Subject, QStringLiteral("今日も?"));
    const QStringList kept = QDir(m_sandbox.dataPath(AppPaths::kSentMailFolder)).entryList(QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(stored.Body.endsWith(QStringLiteral("\r\n♪♪♪　全文: 送信メール\\%1　♪♪♪").arg(kept[0])));

    const QList<QByteArray> mails = servers->delivered(user);
    ASSERT_EQ(mails.size(), 1);
    const QJsonObject delivered = MailReader::read(mails[0]);
    const QJsonObject copy = MailReader::read(Sandbox::readFile(m_sandbox.dataPath(AppPaths::kSentMailFolder) + kept[0]));
    EXPECT_EQ(copy[QStringLiteral("subject")], delivered[QStringLiteral("subject")]);
    EXPECT_EQ(copy[QStringLiteral("body")], delivered[QStringLiteral("body")]);
    EXPECT_EQ(copy[QStringLiteral("subject")].toString(), subject);

    TyakuForm *history = TyakuForm::openHistory(HistoryFile::Kind::Sent);
    EXPECT_EQ(history->subjectText(), subject);
    EXPECT_EQ(history->fromText(), to);
    EXPECT_EQ(history->dateText(), ClockText::now());
    EXPECT_EQ(history->bodyText(), QStringLiteral("おめでとう🎉\r\n𠮷野家で"));
    EXPECT_EQ(history->mailList()->model()->index(0, 0).data().toString(), subject);
    Forms::discardAll();
}

TEST_F(SendThroughServer, ATypedPathToAPipeEndsTheSendAtOnceAndKeepsTheMail)
{
    const QString fifo = m_sandbox.workPath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    WriteForm *form = compose(address(user), QStringLiteral("添付"), QStringLiteral("消えては困る本文"));
    // Typed by hand: no dialog looked at it.
    QTest::keyClicks(child<QLineEdit>(form, "AttachText"), fifo);
    click(form, "Command1");

    ASSERT_TRUE(waitUntil([&] { return !m_prompt.boxes.isEmpty(); }, 5000));
    EXPECT_TRUE(m_prompt.boxes[0].text.contains(QStringLiteral("%1 は通常のファイルではないため添付できません。").arg(fifo)))
        << m_prompt.boxes[0].text.toStdString();
    ASSERT_EQ(Forms::existing<WriteForm>(), form);
    EXPECT_EQ(child<QPlainTextEdit>(form, "BodyText")->toPlainText(), QStringLiteral("消えては困る本文"));
    EXPECT_TRUE(servers->delivered(user).isEmpty());
}

// Written and sent without the mouse: Alt keys to the fields, Tab between them,
// a tab in the body where Tab writes one, Alt+S to send.
TEST_F(SendThroughServer, AMailComposedAndSentByKeyboardAlone)
{
    WriteForm *form = Forms::open<WriteForm>();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form));
    const auto type = [form](const QString &text) { QTest::keyClicks(form->focusWidget(), text); };
    const auto key = [form](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(form->focusWidget(), k, modifiers);
    };

    key(Qt::Key_T, Qt::AltModifier);
    ASSERT_EQ(form->focusWidget(), child<QWidget>(form, "ToText"));
    type(address(user));
    key(Qt::Key_Tab);
    ASSERT_EQ(form->focusWidget(), child<QWidget>(form, "SubjectText"));
    type(QStringLiteral("keyboard"));
    key(Qt::Key_B, Qt::AltModifier);
    ASSERT_EQ(form->focusWidget(), child<QWidget>(form, "BodyText"));
    type(QStringLiteral("a"));
    key(Qt::Key_Tab);
    type(QStringLiteral("b"));
    key(Qt::Key_S, Qt::AltModifier);

    ASSERT_TRUE(QTest::qWaitFor([this] { return !calls.isEmpty(); }, 2000));
    ASSERT_TRUE(QTest::qWaitFor([] { return Forms::existing<WriteForm>() == nullptr; }, 10000));
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].to, address(user));
    EXPECT_EQ(calls[0].subject, QStringLiteral("keyboard"));
    EXPECT_EQ(calls[0].body, QStringLiteral("a\tb"));
    EXPECT_TRUE(m_prompt.boxes.isEmpty()) << m_prompt.boxes.value(0).text.toStdString();
    EXPECT_EQ(Forms::existing<WriteForm>(), nullptr);
    const QList<QByteArray> mails = servers->delivered(user);
    ASSERT_EQ(mails.size(), 1);
    EXPECT_EQ(MailReader::read(mails[0])[QStringLiteral("subject")].toString(), QStringLiteral("keyboard"));
}
