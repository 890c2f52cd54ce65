#include "core/history/WholeMailLink.h"

#include "core/common/AppPaths.h"
#include "core/common/Cp932.h"
#include "core/common/CarrierPictographs.h"
#include "core/history/RecordText.h"
#include "core/mail/mime/OutgoingMail.h"
#include "support/Sandbox.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

HistoryRecord record(const QString &subject, const QString &body = QStringLiteral("b"),
                     const QString &from = QStringLiteral("f@example.jp"))
{
    return {subject, QStringLiteral("Mon, 7 Dec 2026 10:00:00 +0900"), from, body};
}

} // namespace

TEST(WholeMailLink, RecordsThatHoldTheirMailNeedNoLink)
{
    EXPECT_TRUE(WholeMailLink::survives(record(QStringLiteral("件名①ｶﾅ"), QStringLiteral("本文\r\n"))));
    EXPECT_TRUE(WholeMailLink::survives(record(QString(50, u'漢'))));
    EXPECT_FALSE(WholeMailLink::survives(record(QString(51, u'漢'))));
    EXPECT_FALSE(WholeMailLink::survives(record(QStringLiteral("😊"))));
    EXPECT_FALSE(WholeMailLink::survives(record(QStringLiteral("s"), QStringLiteral("𠮷"))));
    EXPECT_FALSE(WholeMailLink::survives(record(QStringLiteral("s"), QStringLiteral("b"), QStringLiteral("Zoë"))));
    EXPECT_FALSE(WholeMailLink::survives(record(QStringLiteral("s"), QString(16001, u'本'))));
    // A body that already ends in a link line would name a file of the sender's choosing.
    EXPECT_FALSE(WholeMailLink::survives(
        record(QStringLiteral("s"), QStringLiteral("x\r\n") + WholeMailLink::lineFor(QStringLiteral("添付フォルダ\\a.eml")))));
}

TEST(WholeMailLink, TheLinkLineEndsTheBodyAndAlwaysFitsTheField)
{
    const QString relative = QStringLiteral("添付フォルダ\\件名.eml");
    EXPECT_EQ(WholeMailLink::lineFor(relative), QStringLiteral("♪♪♪　全文: 添付フォルダ\\件名.eml　♪♪♪"));
    EXPECT_EQ(WholeMailLink::appendTo(QStringLiteral("  本文\r\n"), relative),
              QStringLiteral("本文\r\n\r\n♪♪♪　全文: 添付フォルダ\\件名.eml　♪♪♪"));
    EXPECT_EQ(WholeMailLink::find(WholeMailLink::appendTo(QStringLiteral("本文"), relative) + QStringLiteral("   ")),
              relative);
    EXPECT_EQ(WholeMailLink::find(QStringLiteral("本文")), QString());
    EXPECT_EQ(WholeMailLink::find(WholeMailLink::lineFor(relative) + QStringLiteral("\r\nmore")), QString());

    // A long body, ending in a double-byte character at the cut, gives way to the line.
    for (const QString &body : {QString(40000, u'b'), QString(20000, u'本'), QStringLiteral("a") + QString(16000, u'本')}) {
        const HistoryRecord linked = record(QStringLiteral("s"), WholeMailLink::appendTo(body, relative));
        const HistoryRecord stored = HistoryRecord::fromBytes(linked.toBytes());
        EXPECT_EQ(WholeMailLink::find(stored.Body), relative);
        EXPECT_FALSE(stored.Body.contains(QChar::ReplacementCharacter));
    }
}

TEST(WholeMailLink, LinksResolveOnlyToMailFilesInsideTheProgramsFolders)
{
    Sandbox sandbox;
    const QString attachments = AppPaths::resolve(AppPaths::kAttachmentFolder);
    const QString sent = AppPaths::resolve(AppPaths::kSentMailFolder);
    Sandbox::writeFile(attachments + QStringLiteral("a.eml"), "Subject: a\r\n\r\nx");
    Sandbox::writeFile(sent + QStringLiteral("b.EML"), "Subject: b\r\n\r\nx");
    Sandbox::writeFile(attachments + QStringLiteral("c.txt"), "text");
    QTemporaryDir outside;
    Sandbox::writeFile(outside.path() + QStringLiteral("/secret.eml"), "Subject: s\r\n\r\nx");
    ASSERT_TRUE(QFile::link(outside.path() + QStringLiteral("/secret.eml"), attachments + QStringLiteral("link.eml")));
    QDir().mkpath(attachments + QStringLiteral("sub"));
    Sandbox::writeFile(attachments + QStringLiteral("sub/d.eml"), "Subject: d\r\n\r\nx");

    EXPECT_EQ(WholeMailLink::resolve(QStringLiteral("添付フォルダ\\a.eml")), attachments + QStringLiteral("a.eml"));
    EXPECT_EQ(WholeMailLink::resolve(QStringLiteral("送信メール\\b.EML")), sent + QStringLiteral("b.EML"));
    for (const char16_t *refused :
         {u"添付フォルダ\\c.txt", u"添付フォルダ\\missing.eml", u"添付フォルダ\\link.eml", u"添付フォルダ\\sub\\d.eml",
          u"添付フォルダ\\..\\添付フォルダ\\a.eml", u"..\\..\\etc\\passwd.eml", u"\\添付フォルダ\\a.eml",
          u"添付フォルダ/a.eml", u"添付フォルダ\\..", u"★MAilData\\a.eml", u"", u"a.eml"})
        EXPECT_FALSE(WholeMailLink::resolve(QString::fromUtf16(refused))) << QString::fromUtf16(refused).toStdString();
}

TEST(WholeMailLink, KeptFilesAreNamedForTheCp932LinkAndNeverOverwrite)
{
    Sandbox sandbox;
    HistoryRecord first = record(QStringLiteral("おはよう😊/../x"));
    HistoryRecord second = first;
    QString error;
    ASSERT_TRUE(WholeMailLink::keepReceived(first, "raw one", first.Subject, &error));
    ASSERT_TRUE(WholeMailLink::keepReceived(second, "raw two", second.Subject, &error));
    const auto one = WholeMailLink::linkedFile(first);
    const auto two = WholeMailLink::linkedFile(second);
    ASSERT_TRUE(one && two);
    EXPECT_NE(*one, *two);
    EXPECT_EQ(Sandbox::readFile(*one), "raw one");
    EXPECT_EQ(Sandbox::readFile(*two), "raw two");
    const QString relative = WholeMailLink::find(first.Body);
    EXPECT_EQ(Cp932::decode(Cp932::encode(relative)), relative);
    EXPECT_EQ(relative, QStringLiteral("添付フォルダ\\おはよう__.._x.eml"));

    // Without the folder the mail check is told why.
    ASSERT_TRUE(QDir(AppPaths::resolve(AppPaths::kAttachmentFolder)).removeRecursively());
    HistoryRecord third = record(QStringLiteral("😊"));
    EXPECT_FALSE(WholeMailLink::keepReceived(third, "raw", third.Subject, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(third.Body, QStringLiteral("b"));
}

TEST(WholeMailLink, ASentCopyIsReservedThenFilledWithTheMessage)
{
    Sandbox sandbox;
    HistoryRecord fits = record(QStringLiteral("件名"));
    EXPECT_EQ(WholeMailLink::reserveSent(fits), QString());
    EXPECT_EQ(fits.Body, QStringLiteral("b"));

    HistoryRecord copy = record(QStringLiteral("今日も🎉"), QStringLiteral("本文🎉"), QStringLiteral("to@example.jp"));
    const QString path = WholeMailLink::reserveSent(copy);
    ASSERT_FALSE(path.isEmpty());
    EXPECT_EQ(WholeMailLink::linkedFile(copy), path);
    // Reserved but not yet written: the record stands in.
    EXPECT_FALSE(WholeMailLink::read(copy, HistoryFile::Kind::Sent));

    OutgoingMail mail;
    mail.to = QStringLiteral("to@example.jp");
    mail.from = QStringLiteral("me@example.jp");
    mail.subject = QStringLiteral("今日も🎉");
    mail.body = QStringLiteral("本文🎉\r\n\r\nfortune");
    ASSERT_TRUE(WholeMailLink::fillSent(path, mail));
    const auto whole = WholeMailLink::read(copy, HistoryFile::Kind::Sent);
    ASSERT_TRUE(whole);
    EXPECT_EQ(whole->subject, QStringLiteral("今日も🎉"));
    EXPECT_EQ(whole->body, QStringLiteral("本文🎉\r\n\r\nfortune"));
    EXPECT_EQ(whole->correspondent, QStringLiteral("to@example.jp"));
    EXPECT_EQ(whole->date, QStringLiteral("Mon, 7 Dec 2026 10:00:00 +0900"));

    // A mail that cannot be built leaves no empty file behind.
    HistoryRecord broken = record(QStringLiteral("🎉"));
    const QString brokenPath = WholeMailLink::reserveSent(broken);
    OutgoingMail unusable;
    EXPECT_FALSE(WholeMailLink::fillSent(brokenPath, unusable));
    EXPECT_FALSE(QFile::exists(brokenPath));
}
TEST(WholeMailLink, TheHeaderAloneGivesTheSubjectAndCorrespondentTheWholeMailShows)
{
    Sandbox sandbox;
    const auto encoded = [](const QString &text) { return "=?UTF-8?B?" + text.toUtf8().toBase64() + "?="; };
    const QByteArray hangulFrom = encoded(QStringLiteral("김철수")) + " <kim@example.kr>";
    const struct {
        const char *what;
        QByteArray raw;
        QString subject;
        QString from;
    } cases[] = {
        {"emoji", "From: a@example.jp\r\nSubject: " + encoded(QStringLiteral("お知らせ 1 😊🍊"))
                      + "\r\n\r\nbody\r\n",
         QStringLiteral("お知らせ 1 😊🍊"), QStringLiteral("a@example.jp")},
        {"folded, LF only", "Subject: " + encoded(QStringLiteral("𠮷野家")) + "\n " + encoded(QStringLiteral("の𠮷"))
                                + "\nFrom: " + hangulFrom + "\n\nbody",
         QStringLiteral("𠮷野家の𠮷"), QStringLiteral("김철수 <kim@example.kr>")},
        {"ISO-2022-JP", QByteArray("From: b@example.jp\r\nSubject: =?ISO-2022-JP?B?GyRCJDMkcyRLJEEkTxsoQg==?=\r\n\r\n"),
         QStringLiteral("こんにちは"), QStringLiteral("b@example.jp")},
        {"header only", "Subject: " + encoded(QStringLiteral("안녕")) + "\r\nFrom: c@example.jp\r\n",
         QStringLiteral("안녕"), QStringLiteral("c@example.jp")},
        // The body is far longer than any header read, and its own lines look like headers.
        {"long body", "From: d@example.jp\r\nSubject: " + encoded(QStringLiteral("長い😊")) + "\r\n\r\n"
                          + QByteArray("Subject: not this\r\n").repeated(200000),
         QStringLiteral("長い😊"), QStringLiteral("d@example.jp")},
    };
    for (const auto &mail : cases) {
        SCOPED_TRACE(mail.what);
        for (const auto kind : {HistoryFile::Kind::Received, HistoryFile::Kind::Sent}) {
            // A recipient the To box could not keep comes from the message's To.
            HistoryRecord stored = record(mail.subject, QStringLiteral("本文"),
                                          kind == HistoryFile::Kind::Received ? mail.from : QStringLiteral("김철수"));
            QString error;
            ASSERT_TRUE(WholeMailLink::keepReceived(stored, "To: " + hangulFrom + "\r\n" + mail.raw, mail.subject, &error));
            stored = HistoryRecord::fromBytes(stored.toBytes());
            const auto header = WholeMailLink::readHeader(stored, kind);
            const auto whole = WholeMailLink::read(stored, kind);
            ASSERT_TRUE(header && whole);
            EXPECT_EQ(header->subject, mail.subject);
            EXPECT_EQ(header->subject, whole->subject);
            EXPECT_EQ(header->correspondent, whole->correspondent);
            EXPECT_EQ(header->correspondent,
                      kind == HistoryFile::Kind::Received ? mail.from : QStringLiteral("김철수 <kim@example.kr>"));
        }
    }

    // Where the whole mail cannot be shown, neither can its header.
    HistoryRecord missing = record(QStringLiteral("😊"));
    missing.Body = WholeMailLink::appendTo(missing.Body, QStringLiteral("添付フォルダ\\missing.eml"));
    EXPECT_FALSE(WholeMailLink::readHeader(missing, HistoryFile::Kind::Received));
    EXPECT_FALSE(WholeMailLink::readHeader(record(QStringLiteral("plain")), HistoryFile::Kind::Received));
    HistoryRecord empty = record(QStringLiteral("😊"));
    ASSERT_TRUE(WholeMailLink::keepReceived(empty, "x", empty.Subject, nullptr));
    Sandbox::writeFile(*WholeMailLink::linkedFile(empty), QByteArray());
    EXPECT_FALSE(WholeMailLink::readHeader(empty, HistoryFile::Kind::Received));
    EXPECT_FALSE(WholeMailLink::read(empty, HistoryFile::Kind::Received));
    // A header block that never ends within a megabyte is no mail's: the record stands in.
    HistoryRecord endless = record(QStringLiteral("😊"));
    ASSERT_TRUE(WholeMailLink::keepReceived(endless, "Subject: x\r\n" + QByteArray("X-Pad: y\r\n").repeated(150000),
                                            endless.Subject, nullptr));
    EXPECT_FALSE(WholeMailLink::readHeader(endless, HistoryFile::Kind::Received));
}

TEST(WholeMailLink, TheLinkPartOfAStoredRecordFindsWhatTheWholeRecordFinds)
{
    Sandbox sandbox;
    const QString relative = QStringLiteral("添付フォルダ\\a.eml");
    Sandbox::writeFile(AppPaths::resolve(AppPaths::kAttachmentFolder) + QStringLiteral("a.eml"), "Subject: a\r\n\r\nx");
    const QString line = WholeMailLink::lineFor(relative);
    const struct {
        const char *what;
        QString body;
        bool linked;
    } cases[] = {
        {"short body", WholeMailLink::appendTo(QStringLiteral("本文"), relative), true},
        {"only the link", line, true},
        {"spaces before the only line", QStringLiteral("   ") + line, true},
        {"cut kanji body", WholeMailLink::appendTo(QString(20000, u'本'), relative), true},
        {"no link", QStringLiteral("本文\r\n最後の行"), false},
        {"spaces before the last line", QStringLiteral("本文\r\n  ") + line, false},
        {"link text ending a long line", QString(600, u'本') + line, false},
        {"link text ending a longer line", QStringLiteral("a") + QString(2000, u'本') + line, false},
        {"empty", QString(), false},
    };
    HistoryFile file(HistoryFile::Kind::Received);
    for (const auto &entry : cases)
        ASSERT_TRUE(file.append(record(QStringLiteral("件名"), entry.body)).ok) << entry.what;
    int n = 0;
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        const auto whole = file.read(++n);
        const auto part = WholeMailLink::readLinkPart(HistoryFile::Kind::Received, n);
        ASSERT_TRUE(whole && part);
        EXPECT_EQ(part->Subject, whole->Subject);
        EXPECT_EQ(part->Correspondent, whole->Correspondent);
        EXPECT_EQ(WholeMailLink::linkedFile(*part), WholeMailLink::linkedFile(*whole));
        EXPECT_EQ(WholeMailLink::linkedFile(*part).has_value(), entry.linked);
        EXPECT_EQ(WholeMailLink::readHeader(*part, HistoryFile::Kind::Received).has_value(), entry.linked);
    }
    EXPECT_FALSE(WholeMailLink::readLinkPart(HistoryFile::Kind::Received, n + 1));
    EXPECT_FALSE(WholeMailLink::readLinkPart(HistoryFile::Kind::Received, 0));
    EXPECT_EQ(WholeMailLink::linkedFiles(HistoryFile::Kind::Received).size(), 1);
}


TEST(RecordText, CarrierPictographsGoBackToTheirCodesOnlyForThatCarriersMail)
{
    const QString sun = CarrierPictographs::fromShiftJis(Carrier::Docomo, 0xF89F);
    ASSERT_FALSE(sun.isEmpty());
    const QString stored = Cp932::decode(QByteArray("\xF8\x9F", 2));
    const QString docomo = QStringLiteral("taro@docomo.ne.jp");
    EXPECT_EQ(RecordText::forRecord(QStringLiteral("晴れ") + sun, docomo), QStringLiteral("晴れ") + stored);
    EXPECT_EQ(RecordText::forScreen(QStringLiteral("晴れ") + stored, docomo), QStringLiteral("晴れ") + sun);
    // Other mail keeps what it had, and so does text with a CP932 form.
    EXPECT_EQ(RecordText::forRecord(sun, QStringLiteral("a@example.jp")), sun);
    EXPECT_EQ(RecordText::forRecord(QStringLiteral("↑〒"), docomo), QStringLiteral("↑〒"));
    // Everything a carrier's table knows comes back from the record as it went in.
    for (Carrier carrier : {Carrier::Docomo, Carrier::Au, Carrier::SoftBank}) {
        const QString address = carrier == Carrier::Docomo ? docomo
            : carrier == Carrier::Au                       ? QStringLiteral("a@ezweb.ne.jp")
                                                           : QStringLiteral("s@softbank.ne.jp");
        int known = 0;
        for (char16_t u = 0xE000; u <= 0xE757; ++u) {
            const QString record = Cp932::decode(Cp932::encode(QString(QChar(u))));
            const QString shown = RecordText::forScreen(record, address);
            if (shown == record)
                continue;
            ++known;
            const QString back = RecordText::forRecord(shown, address);
            EXPECT_EQ(RecordText::forScreen(back, address), shown);
        }
        EXPECT_GT(known, 100);
    }
}
