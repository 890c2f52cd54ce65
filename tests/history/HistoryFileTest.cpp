#include "core/history/HistoryFile.h"

#include "core/common/AppPaths.h"
#include "support/FileFaults.h"
#include "support/Sandbox.h"
#include "ui/viewer/HistoryListModel.h"

#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <optional>
#include <thread>


#include <gtest/gtest.h>

namespace {

// Fixtures are put together byte by byte here, independently of the code under test.
const QByteArray kKen("\x8C\x8F", 2);      // 件
const QByteArray kMei("\x96\xBC", 2);      // 名
const QByteArray kKanji("\x8A\xBF", 2);    // 漢

QByteArray padded(QByteArray bytes, int width)
{
    bytes.append(width - bytes.size(), ' ');
    return bytes;
}

QByteArray fixture(const QByteArray &subject, const QByteArray &date, const QByteArray &from,
                   const QByteArray &body, char flagLow = 1)
{
    return padded(subject, 100) + padded(date, 90) + padded(from, 90) + padded(body, 32000) + "\r\n"
        + QByteArray(1, flagLow) + QByteArray(1, '\0');
}

QString receivedPath()
{
    return AppPaths::resolve(AppPaths::kReceivedHistory);
}

QString sentPath()
{
    return AppPaths::resolve(AppPaths::kSentHistory);
}

HistoryRecord mail(const QString &subject, const QString &date = QStringLiteral("d"),
                   const QString &from = QStringLiteral("f"), const QString &body = QStringLiteral("b"))
{
    return {subject, date, from, body};
}

QStringList cells(const QByteArray &heads)
{
    HistoryListModel model;
    model.reset(heads);
    QStringList out;
    for (int row = 0; row < model.rowCount(); ++row)
        out << model.cell(row, 0) + u'|' + model.cell(row, 1) + u'|' + model.cell(row, 2);
    return out;
}

} // namespace

TEST(HistoryFile, AppendWritesTheFixedLayoutByteForByte)
{
    Sandbox sandbox;
    HistoryFile file(HistoryFile::Kind::Received);
    ASSERT_TRUE(file.append(mail(QStringLiteral("  件名 "), QStringLiteral(" Mon, 7 Dec 2026 "),
                                 QStringLiteral("a@example.jp"), QStringLiteral("line1\r\nline2  ")))
                    .ok);
    ASSERT_TRUE(file.append(mail(QStringLiteral("x"))).ok);
    EXPECT_EQ(Sandbox::readFile(receivedPath()),
              fixture(kKen + kMei, "Mon, 7 Dec 2026", "a@example.jp", "line1\r\nline2")
                  + fixture("x", "d", "f", "b"));
}

TEST(HistoryFile, SentMailKeepsItsClockTextAsItStands)
{
    Sandbox sandbox;
    HistoryFile file(HistoryFile::Kind::Sent);
    ASSERT_TRUE(file.append(mail(QStringLiteral("s"), QStringLiteral(" 2026/12/06  14:10:21"),
                                 QStringLiteral(" to@a "), QStringLiteral("b")))
                    .ok);
    EXPECT_EQ(Sandbox::readFile(sentPath()), fixture("s", " 2026/12/06  14:10:21", "to@a", "b"));
    EXPECT_FALSE(QFileInfo::exists(receivedPath()));
}

TEST(HistoryFile, FieldsAreCutToTheirWidthsAtWholeCharacters)
{
    Sandbox sandbox;
    HistoryFile file(HistoryFile::Kind::Received);
    const QString hundred(100, u's');
    ASSERT_TRUE(file.append(mail(hundred + u'X', QString(46, u'漢'), QString(91, u'f'),
                                 QString(32001, u'b')))
                    .ok);
    const QByteArray bytes = Sandbox::readFile(receivedPath());
    ASSERT_EQ(bytes.size(), HistoryRecord::kSize);
    EXPECT_EQ(bytes.left(100), hundred.toLatin1());
    EXPECT_EQ(bytes.mid(100, 90), kKanji.repeated(45));
    EXPECT_EQ(bytes.mid(190, 90), QByteArray(90, 'f'));
    EXPECT_EQ(bytes.mid(280, 32000), QByteArray(32000, 'b'));
    EXPECT_EQ(bytes.mid(32280), QByteArray("\r\n\x01\x00", 4));

    // 60 kanji keep 50; the 51st would not fit in 100 bytes.
    ASSERT_TRUE(file.append(mail(QString(60, u'漢'))).ok);
    EXPECT_EQ(file.read(2)->trimmed().Subject, QString(50, u'漢'));
}

TEST(HistoryFile, FileWrittenByTheRulesListsAndReadsIdentically)
{
    Sandbox sandbox;
    const QByteArray nulSubject = QByteArray("ab\0cd", 5);
    Sandbox::writeFile(receivedPath(),
                       fixture(kKen + kMei, "  2026/12/01", "from@a", "  body one  ")
                           + fixture(nulSubject, "d2", "f2", "b2", 0)
                           + fixture("third", "d3", "f3", "b3\r\nmore"));
    HistoryFile file(HistoryFile::Kind::Received);
    EXPECT_EQ(file.count(), 3);
    EXPECT_EQ(cells(file.readHeads()),
              (QStringList{QStringLiteral("件名") + QString(96, u' ') + u'|' + QStringLiteral("from@a")
                               + QString(84, u' ') + u'|' + QStringLiteral("  2026/12/01")
                               + QString(78, u' '),
                           QStringLiteral("ab|f2") + QString(88, u' ') + QStringLiteral("|d2")
                               + QString(88, u' '),
                           QStringLiteral("third") + QString(95, u' ') + QStringLiteral("|f3")
                               + QString(88, u' ') + QStringLiteral("|d3") + QString(88, u' ')}));
    const HistoryRecord first = file.read(1)->trimmed();
    EXPECT_EQ(first.Subject, QStringLiteral("件名"));
    EXPECT_EQ(first.MailDate, QStringLiteral("2026/12/01"));
    EXPECT_EQ(first.Body, QStringLiteral("body one"));
    EXPECT_EQ(file.read(2)->LiveFlag, 0);
    EXPECT_EQ(file.read(3)->trimmed().Body, QStringLiteral("b3\r\nmore"));
}

TEST(HistoryFile, MissingOrEmptyFileListsNothingAndIsCreated)
{
    Sandbox sandbox;
    HistoryFile file(HistoryFile::Kind::Sent);
    EXPECT_TRUE(file.readHeads().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(sentPath()));
    EXPECT_FALSE(file.read(1).has_value());
}

TEST(HistoryFile, TrailingPartialRecordIsNotListed)
{
    Sandbox sandbox;
    Sandbox::writeFile(receivedPath(), fixture("one", "d", "f", "b") + QByteArray(5000, 'x'));
    HistoryFile file(HistoryFile::Kind::Received);
    EXPECT_EQ(cells(file.readHeads()).size(), 1);
    EXPECT_FALSE(file.read(2).has_value());
}

TEST(HistoryFile, InvalidBytesShowAsReplacementCharacters)
{
    Sandbox sandbox;
    Sandbox::writeFile(receivedPath(), fixture("a\x80z", "d", "f", "b\xFF\x81"));
    HistoryFile file(HistoryFile::Kind::Received);
    EXPECT_TRUE(cells(file.readHeads()).first().startsWith(QStringLiteral("a\uFFFDz")));
    EXPECT_EQ(file.read(1)->trimmed().Body, QStringLiteral("b\uFFFD\uFFFD"));
}

TEST(HistoryFile, DeletingKeepsTheOtherRecordsByteForByte)
{
    Sandbox sandbox;
    const QByteArray one = fixture("1", "d", "f", "b");
    const QByteArray two = fixture("2", "d", "f", "b");
    const QByteArray three = fixture("3", "d", "f", "b");
    Sandbox::writeFile(receivedPath(), one + two + three);
    HistoryFile file(HistoryFile::Kind::Received);
    ASSERT_TRUE(file.remove(2).ok);
    EXPECT_EQ(Sandbox::readFile(receivedPath()), one + three);
    EXPECT_FALSE(QFileInfo::exists(AppPaths::resolve(AppPaths::kReceivedHistoryTmp)));

    Sandbox::writeFile(receivedPath(), one);
    ASSERT_TRUE(file.remove(1).ok);
    EXPECT_TRUE(QFileInfo::exists(receivedPath()));
    EXPECT_EQ(QFileInfo(receivedPath()).size(), 0);
}

TEST(HistoryFile, DeleteAllEmptiesOnlyItsOwnHistory)
{
    Sandbox sandbox;
    const QByteArray received = fixture("r", "d", "f", "b");
    Sandbox::writeFile(receivedPath(), received);
    Sandbox::writeFile(sentPath(), fixture("s1", "d", "f", "b") + fixture("s2", "d", "f", "b"));
    ASSERT_TRUE(HistoryFile(HistoryFile::Kind::Sent).removeAll().ok);
    EXPECT_TRUE(QFileInfo::exists(sentPath()));
    EXPECT_EQ(QFileInfo(sentPath()).size(), 0);
    EXPECT_EQ(Sandbox::readFile(receivedPath()), received);
}

TEST(HistoryFile, AFailedRewriteNeverLosesARecord)
{
    Sandbox sandbox;
    const QByteArray content =
        fixture("1", "d", "f", "b") + fixture("2", "d", "f", "b") + fixture("3", "d", "f", "b");
    // Fail before the first byte, inside the first record, and after one whole record.
    for (rlim_t limit : {rlim_t(0), rlim_t(1000), rlim_t(HistoryRecord::kSize + 10)}) {
        Sandbox::writeFile(receivedPath(), content);
        HistoryFile file(HistoryFile::Kind::Received);
        RecordFile::Result result;
        {
            FileSizeLimit full(limit);
            result = file.remove(3);
        }
        EXPECT_FALSE(result.ok) << limit;
        EXPECT_FALSE(result.error.isEmpty()) << limit;
        EXPECT_EQ(Sandbox::readFile(receivedPath()), content) << limit;
        EXPECT_FALSE(QFileInfo::exists(AppPaths::resolve(AppPaths::kReceivedHistoryTmp))) << limit;
    }
}

TEST(HistoryFile, AppendingRecord32768IsRefused)
{
    Sandbox sandbox;
    {
        QFile f(receivedPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(qint64(RecordFile::kMaxRecords) * HistoryRecord::kSize));
    }
    HistoryFile file(HistoryFile::Kind::Received);
    EXPECT_EQ(file.count(), 32767);
    EXPECT_EQ(file.readHeads().size(), qint64(32767) * HistoryRecord::kHeadSize);
    const auto result = file.append(mail(QStringLiteral("one too many")));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(file.count(), 32767);
}

TEST(HistoryFile, ALinkedHistoryStaysLinkedThroughDeletionsAndAppends)
{
    Sandbox sandbox;
    Sandbox::writeFile(receivedPath(), fixture("1", "d", "f", "b") + fixture("2", "d", "f", "b"));
    const QString target = FileFaults::linkAway(receivedPath(), sandbox.workPath(QStringLiteral("mail")));
    HistoryFile file(HistoryFile::Kind::Received);
    ASSERT_TRUE(file.remove(1).ok);
    ASSERT_TRUE(file.append(mail(QStringLiteral("3"))).ok);
    EXPECT_TRUE(QFileInfo(receivedPath()).isSymLink());
    EXPECT_EQ(Sandbox::readFile(target), fixture("2", "d", "f", "b") + fixture("3", "d", "f", "b"));
    ASSERT_TRUE(file.removeAll().ok);
    EXPECT_TRUE(QFileInfo(receivedPath()).isSymLink());
    EXPECT_EQ(QFileInfo(target).size(), 0);
}

TEST(HistoryFile, AWriteProtectedHistoryIsNeitherRewrittenNorAppendedTo)
{
    Sandbox sandbox;
    const QByteArray content = fixture("1", "d", "f", "b") + fixture("2", "d", "f", "b");
    Sandbox::writeFile(sentPath(), content);
    FileFaults::makeReadOnly(sentPath());
    HistoryFile file(HistoryFile::Kind::Sent);
    const QString refusal = sentPath() + QStringLiteral(" に書き込めませんでした（書き込みが許可されていないファイルです）");
    EXPECT_EQ(file.remove(1).error, refusal);
    EXPECT_EQ(file.removeAll().error, refusal);
    EXPECT_EQ(file.append(mail(QStringLiteral("3"))).error, refusal);
    EXPECT_EQ(Sandbox::readFile(sentPath()), content);
}

TEST(HistoryFile, AFailedAppendLeavesNoTornRecord)
{
    Sandbox sandbox;
    const QByteArray content = fixture("1", "d", "f", "b");
    Sandbox::writeFile(receivedPath(), content);
    HistoryFile file(HistoryFile::Kind::Received);
    RecordFile::Result result;
    {
        FileSizeLimit full(HistoryRecord::kSize + 21108);
        result = file.append(mail(QStringLiteral("2")));
    }
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.startsWith(receivedPath() + QStringLiteral(" に書き込めませんでした（")));
    EXPECT_EQ(Sandbox::readFile(receivedPath()), content);
    // Once there is room again the next mail lands right behind the first.
    ASSERT_TRUE(file.append(mail(QStringLiteral("3"))).ok);
    EXPECT_EQ(Sandbox::readFile(receivedPath()), content + fixture("3", "d", "f", "b"));
}

TEST(HistoryFile, OneLineFieldsAreStoredWithoutLineBreaksOrNul)
{
    Sandbox sandbox;
    HistoryFile file(HistoryFile::Kind::Received);
    ASSERT_TRUE(file.append(mail(QStringLiteral("sub\r\nject"), QString::fromUtf16(u"da\0te", 5),
                                 QStringLiteral("a@b\n"), QStringLiteral("body\r\nkeeps lines")))
                    .ok);
    EXPECT_EQ(Sandbox::readFile(receivedPath()), fixture("subject", "date", "a@b", "body\r\nkeeps lines"));
}

namespace {

TEST(HistoryFileSessions, AppendersTakeTurnsAndADeletionWaitsForThem)
{
    Sandbox sandbox;
    HistoryFile file(HistoryFile::Kind::Received);
    HistoryRecord record;
    record.Subject = QStringLiteral("one");
    ASSERT_TRUE(file.append(record).ok);
    ASSERT_TRUE(file.append(record).ok);

    std::atomic_bool secondIn{false};
    std::atomic_bool deleted{false};
    std::optional<HistoryFile::AppendSession> first;
    first.emplace(HistoryFile::Kind::Received);
    std::thread second([&] {
        HistoryFile::AppendSession session(HistoryFile::Kind::Received);
        secondIn = true;
    });
    std::thread deletion([&] {
        EXPECT_TRUE(HistoryFile(HistoryFile::Kind::Received).remove(1).ok);
        deleted = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(secondIn);
    EXPECT_FALSE(deleted);
    first.reset();
    second.join();
    deletion.join();
    EXPECT_TRUE(secondIn);
    EXPECT_TRUE(deleted);
    EXPECT_EQ(file.count(), 1);

    // A deletion that waits can still be stopped, and then changes nothing.
    HistoryFile::AppendSession holding(HistoryFile::Kind::Received);
    std::atomic_bool cancel{true};
    EXPECT_FALSE(file.remove(1, {}, &cancel).ok);
    EXPECT_EQ(file.count(), 1);
}

} // namespace
