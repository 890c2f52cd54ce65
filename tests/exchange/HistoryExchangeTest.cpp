#include "core/exchange/HistoryExchange.h"
#include "core/common/Mbox.h"

#include "core/common/AppPaths.h"
#include "core/common/RecordFile.h"
#include "core/history/HistoryFile.h"
#include "core/history/WholeMailLink.h"
#include "ui/receive/MailCheck.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "core/history/HistoryState.h"
#include "ui/viewer/TyakuForm.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeView>

#include <gtest/gtest.h>

namespace {

QByteArray utf8Mail(const QByteArray &from, const QString &subject, const QString &body)
{
    return "From: " + from + "\r\nTo: me@example.jp\r\nSubject: =?UTF-8?B?" + subject.toUtf8().toBase64()
        + "?=\r\nDate: Tue, 8 Dec 2026 10:00:00 +0900\r\nMessage-ID: <" + QByteArray::number(qHash(subject))
        + "@example.com>\r\nMIME-Version: 1.0\r\nContent-Type: text/plain; charset=UTF-8\r\n"
          "Content-Transfer-Encoding: base64\r\n\r\n"
        + body.toUtf8().toBase64() + "\r\n";
}

QJsonArray readWithPython(const QString &mbox)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(PINTORA_MBOX_READER), mbox});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        ADD_FAILURE() << python.readAllStandardError().constData();
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
}

// Mail the way the history window shows it, row by row.
struct ShownMail {
    QString subject, from, body;
};

QList<ShownMail> shownRows(HistoryFile::Kind kind)
{
    QList<ShownMail> rows;
    TyakuForm *form = TyakuForm::openHistory(kind);
    for (int row = 1; row <= form->rowCount(); ++row) {
        form->mailList()->setCurrentIndex(form->mailList()->model()->index(row - 1, 0));
        form->showSelectedMail();
        rows.append({form->subjectText(), form->fromText(), form->bodyText()});
    }
    return rows;
}

QString normalisedBody(QString body)
{
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    while (body.endsWith(u'\n') || body.endsWith(u' '))
        body.chop(1);
    return body;
}

HistoryExchange::Outcome importBytes(const QString &name, const QByteArray &bytes, const QString &dir)
{
    const QString path = dir + u'/' + name;
    Sandbox::writeFile(path, bytes);
    return HistoryExchange::import(path);
}

class HistoryExchangeTest : public ::testing::Test {
protected:
    ~HistoryExchangeTest() override { historyState() = {}; }
    Sandbox sandbox;
    ScriptedPrompt prompt;
};

} // namespace

TEST(Mbox, QuotesFromLinesHoweverTheMessageArrivesInPieces)
{
    const QByteArray message = "Subject: x\r\n\r\nFrom here\r\n>From there\r\n>>From far\r\nFrom\r\n>Fro\r\nFromage\r\nx From y\r\nlast";
    const QByteArray expected = "Subject: x\r\n\r\n>From here\r\n>>From there\r\n>>>From far\r\nFrom\r\n>Fro\r\nFromage\r\nx From y\r\nlast";
    for (qsizetype piece : {1, 2, 3, 7, 1000}) {
        Mbox::Quoter quoter;
        QByteArray out;
        for (qsizetype i = 0; i < message.size(); i += piece)
            out += quoter.feed(message.mid(i, piece));
        out += quoter.finish();
        EXPECT_EQ(out, expected) << "pieces of " << piece;
        EXPECT_FALSE(quoter.endedWithLineBreak());
    }
    EXPECT_EQ(Mbox::separator("a@b.jp", QDateTime::fromString(QStringLiteral("Mon, 7 Dec 2026 08:30:05 +0900"), Qt::RFC2822Date)),
              QByteArray("From a@b.jp Sun Dec  6 23:30:05 2026\n"));
    EXPECT_EQ(Mbox::separator({}, {}), QByteArray("From MAILER-DAEMON Thu Jan  1 00:00:00 1970\n"));
}

TEST(Mbox, ReadsBackEveryMessageExactlyAsWritten)
{
    const QList<QByteArray> messages = {
        "Subject: a\r\n\r\nFrom the start\r\n\r\nFrom after a blank line\r\n",
        "Subject: b\n\nno line break at the end",
        "Subject: c\r\n\r\n>From quoted already\r\n\r\n\r\n",
        "",
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("box.mbox"));
    QByteArray bytes;
    for (const QByteArray &message : messages)
        bytes += Mbox::entry("From x@y Mon Dec  7 08:30:00 2026\n", message);
    Sandbox::writeFile(path, bytes);

    Mbox::Reader reader(path);
    ASSERT_TRUE(reader.open());
    QList<QByteArray> read;
    while (const auto message = reader.next())
        read << *message;
    ASSERT_EQ(read.size(), 4);
    EXPECT_EQ(read[0], messages[0]);
    EXPECT_EQ(read[1], messages[1] + "\n");  // an mbox message always ends a line
    EXPECT_EQ(read[2], messages[2]);
    EXPECT_EQ(read[3], QByteArray());

    Sandbox::writeFile(path, "Subject: not an mbox\r\n");
    Mbox::Reader notMbox(path);
    EXPECT_FALSE(notMbox.open());
    EXPECT_TRUE(notMbox.error().contains(path));
}

TEST(HistoryExchangeDates, RecordDatesBecomeMoments)
{
    EXPECT_EQ(HistoryExchange::recordMoment(QStringLiteral("Mon, 7 Dec 2026 08:30:00 +0900 (JST)")).toUTC(),
              QDateTime(QDate(2026, 12, 6), QTime(23, 30), Qt::UTC));
    EXPECT_EQ(HistoryExchange::recordMoment(QStringLiteral("7 Dec 2026 08:30 GMT")).toUTC(),
              QDateTime(QDate(2026, 12, 7), QTime(8, 30), Qt::UTC));
    EXPECT_EQ(HistoryExchange::recordMoment(QStringLiteral("2026/12/07  09:15:00")),
              QDateTime(QDate(2026, 12, 7), QTime(9, 15)));
    EXPECT_FALSE(HistoryExchange::recordMoment(QStringLiteral("きのう")).isValid());
}

TEST_F(HistoryExchangeTest, AnotherProgramReadsEveryMailAsTheHistoryWindowShowsIt)
{
    // Mails a check kept whole (emoji, a long body) come in through the check's own path.
    QTemporaryDir in;
    const QString emojiBody = QStringLiteral("今夜はお寿司🍣にしましょう。\r\nFrom 駅前の店\r\n");
    const QByteArray emojiMail = utf8Mail("=?UTF-8?B?" + QStringLiteral("花子").toUtf8().toBase64() + "?= <hanako@example.com>",
                                          QStringLiteral("お寿司🍣"), emojiBody);
    QString longBody;
    for (int i = 0; i < 2000; ++i)
        longBody += QStringLiteral("%1行目：長いメールの本文です。\r\n").arg(i);
    const QByteArray longMail = utf8Mail("long@example.jp", QStringLiteral("長いメール"), longBody);
    ASSERT_TRUE(importBytes(QStringLiteral("a.eml"), emojiMail, in.path()).ok);
    ASSERT_TRUE(importBytes(QStringLiteral("b.eml"), longMail, in.path()).ok);

    HistoryFile received(HistoryFile::Kind::Received);
    const QString sun = QString(QChar(0xE63E));  // a docomo pictograph as records keep it
    ASSERT_TRUE(received.append({QStringLiteral("会議の件について"), QStringLiteral("Mon, 7 Dec 2026 08:30:00 +0900"),
                                 QStringLiteral("山田 太郎 <taro@example.jp>"),
                                 QStringLiteral("お世話になっております。\r\nFrom 山田\r\n>From quoted\r\n")})
                    .ok);
    ASSERT_TRUE(received.append({QStringLiteral("晴れ") + sun, QStringLiteral("Mon, 7 Dec 2026 09:00:00 +0900"),
                                 QStringLiteral("docomo.user@docomo.ne.jp"), QStringLiteral("今日は") + sun + QStringLiteral("です")})
                    .ok);
    ASSERT_TRUE(received.append({QStringLiteral("long line"), QStringLiteral("garbage date"), QStringLiteral("x@example.jp"),
                                 QString(1500, u'a') + QStringLiteral("\r\nend")})
                    .ok);

    const QString mbox = sandbox.workPath(QStringLiteral("received.mbox"));
    const auto outcome = HistoryExchange::exportMbox(HistoryFile::Kind::Received, mbox);
    ASSERT_TRUE(outcome.ok) << qPrintable(outcome.error);
    EXPECT_EQ(outcome.count, 5);

    const QJsonArray read = readWithPython(mbox);
    const QList<ShownMail> shown = shownRows(HistoryFile::Kind::Received);
    ASSERT_EQ(read.size(), 5);
    ASSERT_EQ(shown.size(), 5);
    for (int i = 0; i < 5; ++i) {
        const QJsonObject mail = read[i].toObject();
        SCOPED_TRACE(i);
        EXPECT_EQ(mail[QStringLiteral("subject")].toString(), shown[i].subject);
        EXPECT_EQ(mail[QStringLiteral("from")].toString(), shown[i].from);
        EXPECT_EQ(normalisedBody(mail[QStringLiteral("body")].toString()), normalisedBody(shown[i].body));
        EXPECT_TRUE(mail[QStringLiteral("defects")].toArray().isEmpty());
        EXPECT_FALSE(mail[QStringLiteral("messageId")].toString().isEmpty());
    }
    EXPECT_TRUE(shown[0].subject.contains(QStringLiteral("🍣")));
    EXPECT_TRUE(shown[3].body.contains(QStringLiteral("☀")));
    // The kept whole mails come out byte for byte.
    EXPECT_EQ(QByteArray::fromBase64(read[0].toObject()[QStringLiteral("raw")].toString().toLatin1()), emojiMail);
    EXPECT_EQ(QByteArray::fromBase64(read[1].toObject()[QStringLiteral("raw")].toString().toLatin1()), longMail);
    EXPECT_EQ(read[2].toObject()[QStringLiteral("date")].toString(), QStringLiteral("2026-12-07T08:30:00+09:00"));
    EXPECT_TRUE(read[2].toObject()[QStringLiteral("separator")].toString().startsWith(QStringLiteral("taro@example.jp Sun Dec  6 23:30:00 2026")));

    // The same history gives the same bytes again.
    const QString again = sandbox.workPath(QStringLiteral("again.mbox"));
    ASSERT_TRUE(HistoryExchange::exportMbox(HistoryFile::Kind::Received, again).ok);
    EXPECT_EQ(Sandbox::readFile(again), Sandbox::readFile(mbox));

    // The folder form: one file per record, the same messages.
    const QString folder = sandbox.workPath(QStringLiteral("eml"));
    QDir().mkpath(folder);
    const auto eml = HistoryExchange::exportEmlFolder(HistoryFile::Kind::Received, folder);
    ASSERT_TRUE(eml.ok) << qPrintable(eml.error);
    const QStringList names = QDir(folder).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(names, QStringList({QStringLiteral("00001 お寿司_.eml"), QStringLiteral("00002 長いメール.eml"),
                                  QStringLiteral("00003 会議の件について.eml"), QStringLiteral("00004 晴れ☀.eml"),
                                  QStringLiteral("00005 long line.eml")}));
    for (int i = 0; i < names.size() && i < read.size(); ++i)
        EXPECT_EQ(Sandbox::readFile(QDir(folder).filePath(names[i])),
                  QByteArray::fromBase64(read[i].toObject()[QStringLiteral("raw")].toString().toLatin1()));
    // A second export into the same folder never replaces a file.
    const auto twice = HistoryExchange::exportEmlFolder(HistoryFile::Kind::Received, folder);
    EXPECT_FALSE(twice.ok);
    EXPECT_TRUE(twice.error.contains(QStringLiteral("00001 お寿司_.eml")));
}

TEST_F(HistoryExchangeTest, SentMailGoesToItsRecipientFromTheOwnAddress)
{
    HistoryFile sent(HistoryFile::Kind::Sent);
    ASSERT_TRUE(sent.append({QStringLiteral("お礼"), QStringLiteral("2026/12/07  09:15:00"),
                             QStringLiteral("hanako@example.com"), QStringLiteral("ありがとうございました。")})
                    .ok);
    const QString mbox = sandbox.workPath(QStringLiteral("sent.mbox"));
    ASSERT_TRUE(HistoryExchange::exportMbox(HistoryFile::Kind::Sent, mbox, {}, QStringLiteral("me@example.jp")).ok);
    const QJsonArray read = readWithPython(mbox);
    ASSERT_EQ(read.size(), 1);
    const QJsonObject mail = read[0].toObject();
    EXPECT_EQ(mail[QStringLiteral("to")].toString(), QStringLiteral("hanako@example.com"));
    EXPECT_EQ(mail[QStringLiteral("from")].toString(), QStringLiteral("me@example.jp"));
    EXPECT_EQ(mail[QStringLiteral("subject")].toString(), QStringLiteral("お礼"));
    // No line break the user never typed.
    EXPECT_EQ(mail[QStringLiteral("body")].toString(), QStringLiteral("ありがとうございました。"));
    EXPECT_EQ(QDateTime::fromString(mail[QStringLiteral("date")].toString(), Qt::ISODate),
              QDateTime(QDate(2026, 12, 7), QTime(9, 15)));
}

TEST_F(HistoryExchangeTest, ExportThenImportIntoAnEmptyInstallationGivesTheSameRecords)
{
    QTemporaryDir in;
    const QByteArray attached =
        "From: Sato <sato@example.jp>\r\nSubject: =?ISO-2022-JP?B?GyRCRTpJVRsoQg==?=\r\n"
        "Date: Wed, 9 Dec 2026 12:00:00 +0900\r\nMIME-Version: 1.0\r\n"
        "Content-Type: multipart/mixed; boundary=\"b1\"\r\n\r\n--b1\r\nContent-Type: text/plain; charset=UTF-8\r\n\r\n"
        "資料を送ります。\r\n--b1\r\nContent-Type: application/octet-stream; name=\"data.bin\"\r\n"
        "Content-Disposition: attachment; filename=\"data.bin\"\r\nContent-Transfer-Encoding: base64\r\n\r\n"
        "AAECAwQ=\r\n--b1--\r\n";
    ASSERT_TRUE(importBytes(QStringLiteral("1.eml"), attached, in.path()).ok);
    EXPECT_EQ(Sandbox::readFile(AppPaths::resolve(AppPaths::kAttachmentFolder) + QStringLiteral("data.bin")),
              QByteArray::fromHex("0001020304"));
    ASSERT_TRUE(importBytes(QStringLiteral("2.eml"),
                            utf8Mail("x@example.com", QStringLiteral("絵文字😊"), QStringLiteral("本文😊\r\n")), in.path())
                    .ok);
    HistoryFile received(HistoryFile::Kind::Received);
    const QList<HistoryRecord> typed = {
        {QStringLiteral("会議の件"), QStringLiteral("Mon, 7 Dec 2026 08:30:00 +0900"), QStringLiteral("山田 太郎 <taro@example.jp>"),
         QStringLiteral("お世話になっております。\r\nFrom 山田\r\n\r\n")},
        {QStringLiteral("Plain ASCII subject that is rather long, longer than one folded header line would be"),
         QStringLiteral("Tue, 8 Dec 2026 10:00:00 +0000"), QStringLiteral("\"Doe, John\" <john@example.com>"),
         QStringLiteral("no line break at the end")},
        {QStringLiteral("晴れ") + QChar(0xE63E), QStringLiteral("Mon, 7 Dec 2026 09:00:00 +0900"),
         QStringLiteral("docomo.user@docomo.ne.jp"), QStringLiteral("今日は") + QChar(0xE63E) + QStringLiteral("です\r\n") + QString(1200, u'x')},
    };
    for (const HistoryRecord &record : typed)
        ASSERT_TRUE(received.append(record).ok);
    EXPECT_TRUE(received.read(1)->Body.contains(MailCheck::kAttachmentNote));
    EXPECT_FALSE(WholeMailLink::find(received.read(2)->Body).isEmpty());

    const QString mbox = sandbox.workPath(QStringLiteral("all.mbox"));
    ASSERT_TRUE(HistoryExchange::exportMbox(HistoryFile::Kind::Received, mbox).ok);
    const QByteArray before = Sandbox::readFile(received.path());
    const QString keptMail = *WholeMailLink::linkedFile(*received.read(2));
    const QByteArray keptBytes = Sandbox::readFile(keptMail);

    QTemporaryDir empty;
    AppPaths::setAppDir(empty.path());
    AppPaths::ensureInstallationFolders();
    const auto outcome = HistoryExchange::import(mbox);
    ASSERT_TRUE(outcome.ok) << qPrintable(outcome.error);
    EXPECT_EQ(outcome.count, 5);
    const QByteArray after = Sandbox::readFile(HistoryFile(HistoryFile::Kind::Received).path());
    ASSERT_EQ(after.size(), before.size());
    for (int n = 0; n < 5; ++n)
        EXPECT_EQ(after.mid(n * HistoryRecord::kSize, HistoryRecord::kSize),
                  before.mid(n * HistoryRecord::kSize, HistoryRecord::kSize))
            << "record " << n + 1;
    EXPECT_EQ(Sandbox::readFile(*WholeMailLink::linkedFile(*HistoryFile(HistoryFile::Kind::Received).read(2))), keptBytes);
    AppPaths::setAppDir(sandbox.appDir());
}

TEST_F(HistoryExchangeTest, ImportsMboxesOfOtherProgramsAndFoldersOfMailFiles)
{
    const auto outcome = HistoryExchange::import(QStringLiteral(PINTORA_EXCHANGE_DATA "/other-client.mbox"));
    ASSERT_TRUE(outcome.ok) << qPrintable(outcome.error);
    EXPECT_EQ(outcome.count, 3);
    HistoryFile received(HistoryFile::Kind::Received);
    ASSERT_EQ(received.count(), 3);
    EXPECT_EQ(received.read(1)->trimmed().Subject, QStringLiteral("打ち合わせの日程"));
    EXPECT_EQ(received.read(1)->trimmed().Correspondent, QStringLiteral("鈴木 一郎 <ichiro@example.co.jp>"));
    EXPECT_EQ(received.read(1)->trimmed().Body, QStringLiteral("来週の火曜日はいかがでしょうか。\r\nFrom 鈴木\r\n"));
    EXPECT_EQ(received.read(2)->trimmed().Subject, QStringLiteral("Re: schedule"));
    EXPECT_TRUE(received.read(3)->trimmed().Body.endsWith(MailCheck::kAttachmentNote));
    EXPECT_EQ(Sandbox::readFile(AppPaths::resolve(AppPaths::kAttachmentFolder) + QStringLiteral("メモ.txt")),
              QByteArray("memo"));

    // A folder of .eml files, in name order; other files are left alone.
    QTemporaryDir folder;
    Sandbox::writeFile(folder.filePath(QStringLiteral("2.eml")), utf8Mail("b@example.jp", QStringLiteral("二通目"), QStringLiteral("b\r\n")));
    Sandbox::writeFile(folder.filePath(QStringLiteral("1.EML")), utf8Mail("a@example.jp", QStringLiteral("一通目"), QStringLiteral("a\r\n")));
    Sandbox::writeFile(folder.filePath(QStringLiteral("notes.txt")), "not a mail");
    const auto fromFolder = HistoryExchange::import(folder.path());
    ASSERT_TRUE(fromFolder.ok) << qPrintable(fromFolder.error);
    EXPECT_EQ(fromFolder.count, 2);
    EXPECT_EQ(received.read(4)->trimmed().Subject, QStringLiteral("一通目"));
    EXPECT_EQ(received.read(5)->trimmed().Subject, QStringLiteral("二通目"));

    const auto missing = HistoryExchange::import(sandbox.workPath(QStringLiteral("none.mbox")));
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.error.contains(QStringLiteral("none.mbox")));
    Sandbox::writeFile(sandbox.workPath(QStringLiteral("text.mbox")), "hello\n");
    EXPECT_FALSE(HistoryExchange::import(sandbox.workPath(QStringLiteral("text.mbox"))).ok);
    EXPECT_EQ(received.count(), 5);
}

TEST_F(HistoryExchangeTest, ImportStopsAtTheLastRecordNumberAndWhenStopped)
{
    QByteArray mbox;
    for (int i = 1; i <= 3; ++i)
        mbox += Mbox::entry("From a@b Mon Dec  7 08:30:00 2026\n",
                            utf8Mail("a@example.jp", QStringLiteral("件名%1").arg(i), QStringLiteral("本文\r\n")));
    const QString path = sandbox.workPath(QStringLiteral("three.mbox"));
    Sandbox::writeFile(path, mbox);

    // Stopped after the first message.
    std::atomic_bool cancel = false;
    HistoryExchange::Work work;
    work.cancel = &cancel;
    work.progress = [&](qint64, qint64) { cancel = true; };
    const auto stopped = HistoryExchange::import(path, work);
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_FALSE(stopped.ok);
    EXPECT_EQ(stopped.count, 1);

    // One record number left: one message taken, then a clean stop.
    HistoryFile received(HistoryFile::Kind::Received);
    QFile file(received.path());
    ASSERT_TRUE(file.resize(qint64(RecordFile::kMaxRecords - 1) * HistoryRecord::kSize));
    const auto full = HistoryExchange::import(path);
    EXPECT_TRUE(full.full);
    EXPECT_FALSE(full.ok);
    EXPECT_EQ(full.count, 1);
    EXPECT_EQ(received.count(), RecordFile::kMaxRecords);
    EXPECT_EQ(received.read(RecordFile::kMaxRecords)->trimmed().Subject, QStringLiteral("件名1"));
    file.resize(0);
}
