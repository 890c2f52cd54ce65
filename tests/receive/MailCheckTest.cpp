#include "ui/receive/MailCheck.h"

#include "CheckTest.h"

#include "core/common/AppPaths.h"
#include "core/common/Cp932.h"
#include "core/history/HistoryFile.h"
#include "core/mail/net/LineSession.h"
#include "core/settings/AccountFile.h"
#include "ui/settings/IdPassForm.h"
#include "ui/settings/OptionForm.h"
#include "ui/shell/Forms.h"
#include "ui/shell/MainForm.h"
#include "core/settings/RuntimeSettings.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "ui/viewer/TyakuForm.h"

#include "support/MailServerTest.h"
#include "support/ScriptedServer.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

QByteArray sample(const QByteArray &subject, const QByteArray &body, const QByteArray &extra = {})
{
    return "From: Sender <sender@example.jp>\r\nTo: you@example.jp\r\nSubject: " + subject
        + "\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\n" + extra + "\r\n" + body;
}

QByteArray withAttachment(const QByteArray &subject, const QByteArray &fileName)
{
    return sample(subject,
                  "--b\r\nContent-Type: text/plain; charset=ISO-2022-JP\r\n\r\n"
                      + QByteArray::fromHex("1b2442467c4b5c1b2842") + "\r\n"
                      "--b\r\nContent-Type: application/octet-stream\r\nContent-Transfer-Encoding: base64\r\n"
                      "Content-Disposition: attachment; filename=\"" + fileName + "\"\r\n\r\naGVsbG8=\r\n--b--\r\n",
                  "MIME-Version: 1.0\r\nContent-Type: multipart/mixed; boundary=\"b\"\r\n");
}

QStringList folderFiles(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

class MailCheckFlow : public CheckTest {
protected:
    QString attachmentFolder() const { return AppPaths::resolve(AppPaths::kAttachmentFolder); }
};

TEST_F(MailCheckFlow, NoMailWaiting)
{
    const auto outcome = MailCheck::run();
    EXPECT_EQ(outcome.waiting, 0);
    EXPECT_TRUE(launcher->statusText().startsWith(MailCheck::kNoNewMail)) << launcher->statusText().toStdString();
    EXPECT_TRUE(records().isEmpty());
    EXPECT_TRUE(prompt.boxes.isEmpty());
}

TEST_F(MailCheckFlow, StoresThreeMailsInServerOrderAndDeletesThem)
{
    servers->deliver(user, sample("first", "one\r\n"));
    servers->deliver(user, sample("=?ISO-2022-JP?B?GyRCRnxLXDhsGyhC?=",
                                  QByteArray::fromHex("1b2442467c4b5c1b28420d0a"),
                                  "Content-Type: text/plain; charset=ISO-2022-JP\r\n"));
    servers->deliver(user, sample("third", "line 1\r\nline 2\r\n"));

    const auto outcome = MailCheck::run();
    EXPECT_EQ(outcome.waiting, 3);
    EXPECT_EQ(outcome.stored, 3);
    EXPECT_TRUE(prompt.boxes.isEmpty());
    // The plain port offers STLS, so the line was encrypted and the status says so.
    EXPECT_EQ(launcher->statusText(), MailCheck::kNewMail + MailCheck::kEncrypted);
    EXPECT_EQ(servers->waiting(user), 0);

    const auto stored = records();
    ASSERT_EQ(stored.size(), 3);
    EXPECT_EQ(stored[0].Subject, QStringLiteral("first"));
    EXPECT_EQ(stored[0].Correspondent, QStringLiteral("Sender <sender@example.jp>"));
    EXPECT_EQ(stored[0].MailDate, QStringLiteral("Mon, 7 Dec 2026 10:00:00 +0900"));
    EXPECT_EQ(stored[1].Subject, QStringLiteral("日本語"));
    EXPECT_EQ(stored[1].Body, QStringLiteral("日本\r\n"));
    EXPECT_EQ(stored[2].Body, QStringLiteral("line 1\r\nline 2\r\n"));

    // The history window's boxes carried the last mail.
    TyakuForm *history = Forms::existing<TyakuForm>();
    ASSERT_TRUE(history);
    EXPECT_FALSE(history->isVisible());
    EXPECT_EQ(history->subjectText(), QStringLiteral("third"));
}

TEST_F(MailCheckFlow, ShowsProgressBetweenMailsInTheStatusLine)
{
    servers->deliver(user, sample("a", "x\r\n"));
    servers->deliver(user, sample("b", "y\r\n"));
    QStringList shown;
    auto *status = launcher->findChild<QLineEdit *>(QStringLiteral("Text1"));
    ASSERT_TRUE(status);
    QObject::connect(status, &QLineEdit::textChanged, [&](const QString &text) { shown << text; });
    MailCheck::run();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("メールのチェックをしています。"),
                                  QStringLiteral("メールのチェックをしています。 1/2"),
                                  QStringLiteral("メールのチェックをしています。 2/2"),
                                  QStringLiteral("新着メール有り。（暗号化）")}));
}

TEST_F(MailCheckFlow, LogsInWithApopWhenChosen)
{
    runtimeSettings().UseApop = 1;
    servers->deliver(user, sample("apop", "x\r\n"));
    EXPECT_EQ(MailCheck::run().stored, 1);
    EXPECT_TRUE(prompt.boxes.isEmpty());
}

TEST_F(MailCheckFlow, ShowsTheServersTextForAWrongPassword)
{
    ASSERT_TRUE(AccountFile().store(user, QStringLiteral("wrong")));
    servers->deliver(user, sample("kept", "x\r\n"));
    MailCheck::run();
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].title, QStringLiteral("エラー"));
    EXPECT_EQ(prompt.boxes[0].text,
              QStringLiteral("サーバーがログインを拒否しました（-ERR [AUTH] Authentication failed.）"));
    EXPECT_TRUE(launcher->statusText().startsWith(MailCheck::kNoNewMail)) << launcher->statusText().toStdString();
    EXPECT_EQ(servers->waiting(user), 1);
}

TEST_F(MailCheckFlow, OpensTheAccountWindowWhenNothingIsStored)
{
    QFile::remove(AccountFile().path());
    IdPassForm *typed = Forms::get<IdPassForm>();
    typed->setId(QStringLiteral("typed-not-saved"));
    typed->setPassword(QStringLiteral("typed"));
    servers->deliver(user, sample("waiting", "x\r\n"));

    MailCheck::run();
    IdPassForm *account = Forms::existing<IdPassForm>();
    ASSERT_TRUE(account);
    EXPECT_TRUE(account->isVisible());
    EXPECT_EQ(account->id(), QString());
    EXPECT_EQ(runtimeSettings().AccountId, QString());
    EXPECT_TRUE(prompt.boxes.isEmpty());
    EXPECT_TRUE(launcher->statusText().startsWith(MailCheck::kNoNewMail)) << launcher->statusText().toStdString();
    EXPECT_EQ(servers->waiting(user), 1);
}

TEST_F(MailCheckFlow, WithoutAServerSaysSoAndOpensTheServerOptions)
{
    runtimeSettings().Pop3Server.clear();
    const auto outcome = MailCheck::run();
    EXPECT_TRUE(outcome.failed);
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].text, MailCheck::kNoServer);
    ASSERT_NE(Forms::existing<OptionForm>(), nullptr);
    EXPECT_TRUE(Forms::existing<OptionForm>()->isVisible());
    EXPECT_TRUE(launcher->statusText().startsWith(MailCheck::kNoNewMail)) << launcher->statusText().toStdString();
}

TEST_F(MailCheckFlow, SaysWhyWhenTheServerCannotBeReached)
{
    const QString address = ScriptedServer([](ScriptedServer::Peer &) {}, 0).address();
    runtimeSettings().Pop3Server = address;
    MailCheck::run();
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].title, QStringLiteral("エラー"));
    EXPECT_TRUE(prompt.boxes[0].text.contains(address));
    EXPECT_TRUE(launcher->statusText().startsWith(MailCheck::kNoNewMail)) << launcher->statusText().toStdString();
    EXPECT_TRUE(records().isEmpty());
}

TEST_F(MailCheckFlow, UnpacksAttachmentsAndNotesThemInTheBody)
{
    servers->deliver(user, withAttachment("with file", "../../x.sh"));
    const auto outcome = MailCheck::run();
    EXPECT_TRUE(outcome.attachment);
    EXPECT_TRUE(prompt.boxes.isEmpty());
    EXPECT_EQ(folderFiles(attachmentFolder()), QStringList{QStringLiteral("x.sh")});
    EXPECT_EQ(Sandbox::readFile(attachmentFolder() + QStringLiteral("/x.sh")), QByteArray("hello"));
    const auto stored = records();
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored[0].Body, QStringLiteral("日本\r\n") + MailCheck::kAttachmentNote);
    EXPECT_TRUE(launcher->statusText().startsWith(MailCheck::kNewMail)) << launcher->statusText().toStdString();
    EXPECT_EQ(servers->waiting(user), 0);
}

TEST_F(MailCheckFlow, StoresEveryTextPartAndKeepsTheInvitationBeforeDeleting)
{
    servers->deliver(user, sample("two texts",
                                  "--b\r\nContent-Type: text/plain; charset=UTF-8\r\n\r\nfirst\r\n"
                                  "--b\r\nContent-Type: text/calendar; method=REQUEST\r\n\r\nBEGIN:VCALENDAR\r\n"
                                  "--b\r\nContent-Type: text/plain; charset=EUC-JP\r\n\r\n"
                                      + QByteArray::fromHex("a4b3a4f3a4cba4c1a4cf") + "\r\n--b--\r\n",
                                  "MIME-Version: 1.0\r\nContent-Type: multipart/mixed; boundary=\"b\"\r\n"));
    MailCheck::run();
    const auto stored = records();
    ASSERT_EQ(stored.size(), 1);
    // The invitation went to the attachment folder, so the note says so.
    EXPECT_EQ(stored[0].Body, QStringLiteral("first\r\n----------------------------------------\r\nこんにちは\r\n")
                                  + MailCheck::kAttachmentNote);
    EXPECT_EQ(folderFiles(attachmentFolder()), QStringList{QStringLiteral("part-2.ics")});
    EXPECT_EQ(servers->waiting(user), 0);
}

TEST_F(MailCheckFlow, KeepsTheWholeMailWhenItsPartsCannotBeToldApart)
{
    const QByteArray raw = sample("broken", "--elsewhere\r\nContent-Type: text/plain\r\n\r\nlost\r\n--elsewhere--\r\n",
                                  "MIME-Version: 1.0\r\nContent-Type: multipart/mixed; boundary=\"nowhere\"\r\n");
    servers->deliver(user, raw);
    MailCheck::run();
    EXPECT_EQ(records().size(), 1);
    EXPECT_EQ(folderFiles(attachmentFolder()), QStringList{QStringLiteral("broken.eml")});
    EXPECT_EQ(Sandbox::readFile(attachmentFolder() + QStringLiteral("/broken.eml")), raw);
    EXPECT_EQ(servers->waiting(user), 0);
}

TEST_F(MailCheckFlow, CapitalAttachmentIsNoMarker)
{
    servers->deliver(user, sample("word", "See the Attachment section.\r\n"));
    EXPECT_FALSE(MailCheck::run().attachment);
    ASSERT_EQ(records().size(), 1);
    EXPECT_EQ(records()[0].Body, QStringLiteral("See the Attachment section.\r\n"));
}

TEST_F(MailCheckFlow, KeepsAMailWholeWhenItsRecordIsCut)
{
    const QByteArray subject(120, 's');
    const QByteArray body = QByteArray(40000, 'b') + "\r\n";
    servers->deliver(user, sample(subject, body));
    MailCheck::run();
    const auto stored = records();
    ASSERT_EQ(stored.size(), 1);
    EXPECT_EQ(stored[0].Subject, QString(100, u's'));
    const QStringList kept = folderFiles(attachmentFolder());
    ASSERT_EQ(kept.size(), 1);
    EXPECT_TRUE(kept[0].endsWith(QStringLiteral(".eml")));
    EXPECT_EQ(Sandbox::readFile(attachmentFolder() + u'/' + kept[0]), sample(subject, body));
    // The cut body makes room for the line that names the kept file.
    const QString link = QStringLiteral("\r\n♪♪♪　全文: 添付フォルダ\\%1　♪♪♪").arg(kept[0]);
    EXPECT_TRUE(stored[0].Body.endsWith(link));
    EXPECT_EQ(Cp932::encode(stored[0].Body).size(), 32000);
    EXPECT_EQ(servers->waiting(user), 0);
}

TEST_F(MailCheckFlow, KeepsTheMailOnTheServerWhenAnAttachmentCannotBeWritten)
{
    ASSERT_TRUE(QDir(attachmentFolder()).removeRecursively());
    servers->deliver(user, withAttachment("no folder", "a.txt"));
    servers->deliver(user, sample("plain", "x\r\n"));
    MailCheck::run();
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].text, QStringLiteral("添付ファイルをオープンできません"));
    EXPECT_EQ(prompt.boxes[0].title, QString());
    EXPECT_EQ(records().size(), 2);
    EXPECT_EQ(servers->waiting(user), 1);
}

TEST_F(MailCheckFlow, ReportsAFragmentOfASplitMailAndKeepsIt)
{
    servers->deliver(user, sample("split", "Subject: inner\r\n\r\npart one\r\n",
                                  "MIME-Version: 1.0\r\nContent-Type: message/partial; id=\"p@x\"; number=1; total=2\r\n"));
    MailCheck::run();
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].text, QStringLiteral("分割されたメールが全て揃っていません"));
    EXPECT_EQ(records().size(), 1);
    EXPECT_EQ(folderFiles(attachmentFolder()), QStringList{QStringLiteral("split.eml")});
    EXPECT_EQ(servers->waiting(user), 0);
}

TEST_F(MailCheckFlow, LeavesTheMailOnTheServerWhenTheHistoryIsFull)
{
    QFile history(AppPaths::resolve(AppPaths::kReceivedHistory));
    ASSERT_TRUE(history.open(QIODevice::WriteOnly));
    ASSERT_TRUE(history.resize(qint64(32767) * HistoryRecord::kSize));  // sparse, so cheap
    history.close();
    servers->deliver(user, sample("one too many", "x\r\n"));

    const auto outcome = MailCheck::run();
    EXPECT_TRUE(outcome.failed);
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].title, QStringLiteral("エラー"));
    EXPECT_TRUE(prompt.boxes[0].text.contains(QStringLiteral("32767")));
    EXPECT_TRUE(prompt.boxes[0].text.contains(QStringLiteral("受信履歴がいっぱいです")));
    EXPECT_EQ(QFileInfo(history).size(), qint64(32767) * HistoryRecord::kSize);
    EXPECT_EQ(servers->waiting(user), 1);
}

// A fetch that fails stores nothing for that mail and deletes nothing more.
TEST(MailCheckFault, CutConnectionEndsTheCheckKeepingWhatWasStored)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    MainForm *launcher = Forms::get<MainForm>();
    ASSERT_TRUE(AccountFile().store(QStringLiteral("u"), QStringLiteral("p")));
    const QByteArray first = sample("first", "one\r\n");
    const QString historyPath = AppPaths::resolve(AppPaths::kReceivedHistory);
    int recordsAtDelete = -1;
    ScriptedServer server([&](ScriptedServer::Peer &peer) {
        peer.send("+OK ready\r\n");
        peer.expect("CAPA", "-ERR\r\n");
        peer.expect("USER u", "+OK\r\n");
        peer.expect("PASS p", "+OK\r\n");
        peer.expect("STAT", "+OK 3 900\r\n");
        peer.expect("UIDL", "-ERR no UIDL here\r\n");
        peer.expect("LIST", "+OK 3 messages\r\n1 " + QByteArray::number(first.size()) + "\r\n2 300\r\n3 300\r\n.\r\n");
        peer.expect("RETR 1", "+OK\r\n" + first + ".\r\n");
        const QByteArray dele = peer.readLine();
        // The record is on disk before the server hears of deleting the mail.
        recordsAtDelete = static_cast<int>(QFileInfo(historyPath).size() / HistoryRecord::kSize);
        peer.send(dele == "DELE 1" ? "+OK\r\n" : "-ERR unexpected\r\n");
        peer.expect("RETR 2", "+OK\r\nSubject: second\r\n\r\nhalf");
    });
    runtimeSettings().Pop3Server = server.address();

    const auto outcome = MailCheck::run();
    EXPECT_TRUE(outcome.failed);
    EXPECT_EQ(outcome.stored, 1);
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].title, QStringLiteral("エラー"));
    EXPECT_EQ(prompt.boxes[0].text, QStringLiteral("サーバーとの接続が切れました。"));
    const HistoryFile file(HistoryFile::Kind::Received);
    ASSERT_EQ(file.count(), 1);
    EXPECT_EQ(file.read(1)->trimmed().Subject, QStringLiteral("first"));
    EXPECT_TRUE(launcher->statusText().startsWith(MailCheck::kNewMail)) << launcher->statusText().toStdString();
    EXPECT_FALSE(server.scriptMismatched());
    EXPECT_EQ(recordsAtDelete, 1);
}

TEST(MailCheckFault, AMailTheServerRefusesStaysAndTheOthersComeThrough)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    ASSERT_TRUE(AccountFile().store(QStringLiteral("u"), QStringLiteral("p")));
    bool quitSeen = false;
    ScriptedServer server([&](ScriptedServer::Peer &peer) {
        peer.send("+OK ready\r\n");
        peer.expect("CAPA", "-ERR\r\n");
        peer.expect("USER u", "+OK\r\n");
        peer.expect("PASS p", "+OK\r\n");
        peer.expect("STAT", "+OK 3 300\r\n");
        peer.expect("UIDL", "-ERR\r\n");
        peer.expect("LIST", "+OK\r\n1 100\r\n2 100\r\n3 100\r\n.\r\n");
        peer.expect("RETR 1", "+OK\r\n" + sample("one", "1\r\n") + ".\r\n");
        peer.expect("DELE 1", "+OK\r\n");
        peer.expect("RETR 2", "-ERR Message is being expunged\r\n");
        peer.expect("RETR 3", "+OK\r\n" + sample("three", "3\r\n") + ".\r\n");
        peer.expect("DELE 3", "+OK\r\n");
        quitSeen = peer.readLine() == "QUIT";
        peer.send("+OK\r\n");
    });
    runtimeSettings().Pop3Server = server.address();
    const auto outcome = MailCheck::run();
    // The refused mail blocks nobody behind it and is named once at the end.
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_EQ(prompt.boxes[0].text,
              QStringLiteral("次のメールは受信できなかったため、サーバーに残しました。\n"
                             "2 通目: -ERR Message is being expunged"));
    const HistoryFile file(HistoryFile::Kind::Received);
    ASSERT_EQ(file.count(), 2);
    EXPECT_EQ(file.read(1)->trimmed().Subject, QStringLiteral("one"));
    EXPECT_EQ(file.read(2)->trimmed().Subject, QStringLiteral("three"));
    EXPECT_EQ(outcome.stored, 2);
    EXPECT_FALSE(server.scriptMismatched());
    EXPECT_TRUE(quitSeen);
}

} // namespace
