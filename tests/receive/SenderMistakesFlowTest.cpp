// Mail from rule-breaking senders received through the real POP3 server: the
// records stored and the files unpacked, one mail of each kind of mistake.
#include "ui/receive/MailCheck.h"

#include "core/check/CheckTexts.h"
#include "core/common/AppPaths.h"
#include "support/MailServerTest.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryState.h"
#include "core/settings/AccountFile.h"
#include "core/settings/RuntimeSettings.h"
#include "ui/shell/Forms.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

const QByteArray kHonbun = hex("1b24424b5c4a381b2842");  // 本文 in ISO-2022-JP

QByteArray mail(const QByteArray &subject, const QByteArray &headers, const QByteArray &body)
{
    return "From: Sender <sender@example.jp>\r\nTo: you@example.jp\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\n"
           "Subject: " + subject + "\r\n" + headers + "\r\n" + body;
}

QByteArray withFile(const QByteArray &subject, const QByteArray &partHeaders)
{
    return mail(subject, "MIME-Version: 1.0\r\nContent-Type: multipart/mixed; boundary=\"b\"\r\n",
                "--b\r\nContent-Type: text/plain; charset=ISO-2022-JP\r\n\r\n" + kHonbun + "\r\n--b\r\n"
                    + partHeaders + "\r\n%PDF\r\n--b--\r\n");
}

struct Received {
    QByteArray raw;
    QString subject;
    QString body;  // as the record keeps it, the program's note left out
    QStringList files;
};

const QList<Received> kMails = {
    {withFile("=?ISO-2022-JP?B?GyRCTD4bKEI=?=",  // 名
              "Content-Type: application/pdf\r\n"
              "Content-Disposition: attachment; filename=\"=?ISO-2022-JP?B?GyRCOCtAUT1xGyhC?=.pdf; size=4\r\n"),
     QStringLiteral("名"), QStringLiteral("本文"), {QStringLiteral("見積書.pdf")}},
    {mail("type", "MIME-Version: 1.0\r\nContent-Type: /; charset=\"ISO-2022-JP\"\r\n", kHonbun + "\r\n"),
     QStringLiteral("type"), QStringLiteral("本文\r\n"), {}},
    {withFile("rfc2231", "Content-Type: application/pdf\r\nContent-Disposition: attachment;\r\n"
                         " filename*0*=UTF-8''%E6%97%A5; filename*1*=UTF-8''%E6%9C%AC.pdf\r\n"),
     QStringLiteral("rfc2231"), QStringLiteral("本文"), {QStringLiteral("日本.pdf")}},
    {mail("named", "MIME-Version: 1.0\r\n"
                   "Content-Type: text/plain; charset=ISO-2022-JP; name=\"=?ISO-2022-JP?B?GyRCJUYlOSVIGyhCLnR4dA==?=\"\r\n",
          kHonbun + "\r\n"),
     QStringLiteral("named"), QStringLiteral("本文\r\n"), {QStringLiteral("テスト.txt")}},
    {mail("qp", "", "=1B$B$3$s$K$A$O=1B(B\r\n"), QStringLiteral("qp"), QStringLiteral("こんにちは\r\n"), {}},
    {mail("equals", "", "a = b\r\nx==y =41\r\n"), QStringLiteral("equals"), QStringLiteral("a = b\r\nx==y =41\r\n"), {}},
};

class SenderMistakesFlow : public MailServerTest {
protected:
    void SetUp() override
    {
        MailServerTest::SetUp();
        if (IsSkipped())
            return;
        historyState() = {};
        runtimeSettings().Pop3Server = servers->pop3Server();
        ASSERT_TRUE(AccountFile().store(user, servers->password));
    }

    Sandbox sandbox;
    ScriptedPrompt prompt;
};

} // namespace

TEST_F(SenderMistakesFlow, EachMailIsStoredReadableWithItsFilesUnpacked)
{
    for (const Received &mail : kMails)
        servers->deliver(user, mail.raw);
    ASSERT_EQ(MailCheck::run().stored, kMails.size());
    EXPECT_TRUE(prompt.boxes.isEmpty());

    const HistoryFile history(HistoryFile::Kind::Received);
    ASSERT_EQ(history.count(), kMails.size());
    QStringList expectedFiles;
    for (int i = 0; i < kMails.size(); ++i) {
        const Received &mail = kMails[i];
        const HistoryRecord record = history.read(i + 1)->trimmed();
        EXPECT_EQ(record.Subject, mail.subject);
        EXPECT_EQ(record.Correspondent, QStringLiteral("Sender <sender@example.jp>"));
        EXPECT_EQ(record.MailDate, QStringLiteral("Mon, 7 Dec 2026 10:00:00 +0900"));
        const QString note = mail.files.isEmpty() ? QString() : QStringLiteral("\r\n") + CheckTexts::kAttachmentNote;
        EXPECT_EQ(record.Body, mail.body + note) << mail.subject.toStdString();
        expectedFiles += mail.files;
    }
    // Only the files the mails carry: nothing had to be kept as a whole mail.
    const QString folder = AppPaths::resolve(AppPaths::kAttachmentFolder);
    QStringList files = QDir(folder).entryList(QDir::Files);
    files.sort();
    expectedFiles.sort();
    EXPECT_EQ(files, expectedFiles);
    EXPECT_EQ(Sandbox::readFile(folder + QStringLiteral("テスト.txt")), kHonbun + "\r\n");
    Forms::discardAll();
}
