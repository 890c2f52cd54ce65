// Mails beyond CP932 through the real POP3 server into the history and back
// onto the screen, the record files keeping their CP932 bytes.
#include "ui/receive/MailCheck.h"

#include "core/common/AppPaths.h"
#include "core/common/CarrierPictographs.h"
#include "core/common/Cp932.h"
#include "core/history/HistoryFile.h"
#include "core/history/WholeMailLink.h"
#include "core/settings/AccountFile.h"
#include "core/settings/RuntimeSettings.h"
#include "ui/shell/Forms.h"
#include "support/MailServerTest.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "core/history/HistoryState.h"
#include "ui/viewer/MailActions.h"
#include "ui/viewer/TyakuForm.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

const QString kSubject = QStringLiteral("おはよう😊 𠮷野家 한국어 café");
const QString kFrom = QStringLiteral("Zoë 😊 <zoe@example.jp>");
const QString kBody = QStringLiteral("今日も😊\r\n𠮷野家で한국어のメニュー\r\nCafé é\r\n");
const QString kDate = QStringLiteral("Mon, 7 Dec 2026 10:00:00 +0900");

QByteArray wordB(const QString &text)
{
    return "=?UTF-8?B?" + text.toUtf8().toBase64() + "?=";
}

QByteArray plainMail(const QByteArray &subject)
{
    return "From: Plain <plain@example.jp>\r\nTo: you@example.jp\r\nSubject: " + subject + "\r\nDate: "
        + kDate.toLatin1() + "\r\n\r\nplain body\r\n";
}

QByteArray unicodeMail()
{
    return "From: " + wordB(QStringLiteral("Zoë 😊")) + " <zoe@example.jp>\r\nTo: you@example.jp\r\nSubject: "
        + wordB(kSubject) + "\r\nDate: " + kDate.toLatin1()
        + "\r\nMIME-Version: 1.0\r\nContent-Type: text/plain; charset=UTF-8\r\n"
          "Content-Transfer-Encoding: 8bit\r\n\r\n"
        + kBody.toUtf8();
}

class WholeMailFlow : public MailServerTest {
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

    void clickRow(TyakuForm *form, int row)
    {
        QTreeView *list = form->mailList();
        const QRect rect = list->visualRect(list->model()->index(row - 1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }

    QString cell(TyakuForm *form, int row, int column)
    {
        return form->mailList()->model()->index(row - 1, column).data().toString();
    }

    void expectWholeMailShown(TyakuForm *form)
    {
        EXPECT_EQ(form->subjectText(), kSubject);
        EXPECT_EQ(form->fromText(), kFrom);
        EXPECT_EQ(form->dateText(), kDate);
        EXPECT_EQ(form->bodyText(), kBody);
    }

    Sandbox sandbox;
    ScriptedPrompt prompt;
};

} // namespace

TEST_F(WholeMailFlow, EveryCharacterShowsWhileTheRecordKeepsTheCp932Rule)
{
    servers->deliver(user, plainMail("first"));
    servers->deliver(user, unicodeMail());
    ASSERT_EQ(MailCheck::run().stored, 2);
    EXPECT_TRUE(prompt.boxes.isEmpty());

    const QStringList kept = QDir(AppPaths::resolve(AppPaths::kAttachmentFolder)).entryList(QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(Sandbox::readFile(AppPaths::resolve(AppPaths::kAttachmentFolder) + kept[0]), unicodeMail());
    // The file's name holds only characters the record can hold.
    EXPECT_EQ(Cp932::decode(Cp932::encode(kept[0])), kept[0]);

    // Byte for byte what the record rule makes of the mail, the link line ending the body.
    const QByteArray file = Sandbox::readFile(AppPaths::resolve(AppPaths::kReceivedHistory));
    ASSERT_EQ(file.size(), 2 * HistoryRecord::kSize);
    const QByteArray second = file.mid(HistoryRecord::kSize);
    EXPECT_EQ(second.left(100), Cp932::fit(kSubject, 100));
    EXPECT_EQ(second.mid(100, 90), Cp932::fit(kDate, 90));
    EXPECT_EQ(second.mid(190, 90), Cp932::fit(kFrom, 90));
    EXPECT_EQ(second.mid(280, 32000),
              Cp932::fit(kBody + QStringLiteral("\r\n♪♪♪　全文: 添付フォルダ\\%1　♪♪♪").arg(kept[0]), 32000));
    EXPECT_EQ(second.right(4), QByteArray("\r\n\x01\x00", 4));
    EXPECT_TRUE(second.left(100).contains('?'));

    // Listing shows the last record whole, and its row the full subject.
    TyakuForm *form = TyakuForm::openHistory(HistoryFile::Kind::Received);
    expectWholeMailShown(form);
    EXPECT_EQ(cell(form, 2, 0), kSubject);
    EXPECT_EQ(cell(form, 2, 1), kFrom);
    EXPECT_EQ(cell(form, 1, 0).trimmed(), QStringLiteral("first"));

    clickRow(form, 1);
    EXPECT_EQ(form->subjectText(), QStringLiteral("first"));
    clickRow(form, 2);
    expectWholeMailShown(form);
    EXPECT_TRUE(prompt.boxes.isEmpty());

    // The link survives the deletion of the record before it.
    clickRow(form, 1);
    form->actions().deleteOne();
    ASSERT_EQ(HistoryFile(HistoryFile::Kind::Received).count(), 1);
    ASSERT_EQ(prompt.boxes.size(), 1);  // only the deletion question: "first" kept no file
    expectWholeMailShown(form);
    clickRow(form, 1);
    expectWholeMailShown(form);
    EXPECT_EQ(cell(form, 1, 0), kSubject);

    // A kept file removed by hand: the record as stored, without a box.
    ASSERT_TRUE(QFile::remove(AppPaths::resolve(AppPaths::kAttachmentFolder) + kept[0]));
    clickRow(form, 1);
    const HistoryRecord stored = HistoryFile(HistoryFile::Kind::Received).read(1)->trimmed();
    EXPECT_EQ(form->subjectText(), stored.Subject);
    EXPECT_EQ(form->bodyText(), stored.Body);
    EXPECT_TRUE(form->bodyText().endsWith(QStringLiteral("　♪♪♪")));
    EXPECT_EQ(prompt.boxes.size(), 1);
    Forms::discardAll();
}

TEST_F(WholeMailFlow, AMailThatFitsItsRecordKeepsNoFile)
{
    servers->deliver(user, plainMail("=?ISO-2022-JP?B?GyRCRnxLXDhsGyhC?="));
    ASSERT_EQ(MailCheck::run().stored, 1);
    EXPECT_TRUE(QDir(AppPaths::resolve(AppPaths::kAttachmentFolder)).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(HistoryFile(HistoryFile::Kind::Received).read(1)->trimmed().Body, QStringLiteral("plain body\r\n"));
}

TEST_F(WholeMailFlow, ABodyEndingInSomethingLikeALinkIsKeptWholeAndLinkedForReal)
{
    // A mail may not point the viewer at a file of its choosing. A base64 body
    // need not end with a line break, so its last line is the mail's own.
    const QByteArray forged = "From: x@example.jp\r\nSubject: forged\r\nDate: " + kDate.toLatin1()
        + "\r\nMIME-Version: 1.0\r\nContent-Type: text/plain; charset=UTF-8\r\n"
          "Content-Transfer-Encoding: base64\r\n\r\n"
        + QStringLiteral("hello\r\n♪♪♪　全文: 添付フォルダ\\other.eml　♪♪♪").toUtf8().toBase64() + "\r\n";
    servers->deliver(user, forged);
    ASSERT_EQ(MailCheck::run().stored, 1);
    const HistoryRecord stored = *HistoryFile(HistoryFile::Kind::Received).read(1);
    EXPECT_EQ(WholeMailLink::find(stored.Body), QStringLiteral("添付フォルダ\\forged.eml"));
    const auto whole = WholeMailLink::read(stored, HistoryFile::Kind::Received);
    ASSERT_TRUE(whole);
    EXPECT_TRUE(whole->body.contains(QStringLiteral("other.eml")));
}

TEST_F(WholeMailFlow, CarrierPictographsKeepTheirCodesInTheRecordAndShowAsEmoji)
{
    const QByteArray sun("\xF8\x9F", 2);
    const QByteArray mail = "From: taro@docomo.ne.jp\r\nSubject: =?Shift_JIS?B?" + ("hi" + sun).toBase64()
        + "?=\r\nDate: " + kDate.toLatin1()
        + "\r\nMIME-Version: 1.0\r\nContent-Type: text/plain; charset=Shift_JIS\r\n"
          "Content-Transfer-Encoding: 8bit\r\n\r\n"
        + Cp932::encode(QStringLiteral("晴れ")) + sun + "\r\n";
    servers->deliver(user, mail);
    ASSERT_EQ(MailCheck::run().stored, 1);

    // The record holds the carrier's bytes, as it always has; nothing needed keeping whole.
    const QByteArray record = Sandbox::readFile(AppPaths::resolve(AppPaths::kReceivedHistory));
    EXPECT_EQ(record.left(4), "hi" + sun);
    EXPECT_EQ(record.mid(280, 8), Cp932::encode(QStringLiteral("晴れ")) + sun + "\r\n");
    EXPECT_TRUE(QDir(AppPaths::resolve(AppPaths::kAttachmentFolder)).entryList(QDir::Files).isEmpty());

    const QString emoji = CarrierPictographs::fromShiftJis(Carrier::Docomo, 0xF89F);
    ASSERT_FALSE(emoji.isEmpty());
    TyakuForm *form = TyakuForm::openHistory(HistoryFile::Kind::Received);
    EXPECT_EQ(form->subjectText(), QStringLiteral("hi") + emoji);
    EXPECT_EQ(form->bodyText(), QStringLiteral("晴れ") + emoji + QStringLiteral("\r\n"));
    EXPECT_EQ(form->mailList()->model()->index(0, 0).data().toString().trimmed(), QStringLiteral("hi") + emoji);
    Forms::discardAll();
}
