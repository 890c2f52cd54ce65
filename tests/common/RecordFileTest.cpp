#include "core/common/RecordFile.h"

#include "support/FileFaults.h"
#include "support/Sandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Small records keep the tests fast: 6 bytes of text, then the live flag.
constexpr int kSize = 8;
constexpr int kFlag = 6;

QByteArray record(char fill, qint16 flag = 1)
{
    QByteArray r(kSize, fill);
    RecordFile::setLiveFlag(r, kFlag, flag);
    return r;
}

class RecordFileTest : public ::testing::Test {
protected:
    QString path() const { return m_dir.path() + QStringLiteral("/data.data"); }
    QString tmp() const { return m_dir.path() + QStringLiteral("/DATA.TMP"); }
    QByteArray content() const
    {
        QFile f(path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void setContent(const QByteArray &bytes) const
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(RecordFileTest, AppendsAtTheEndAndReadsBackByNumber)
{
    RecordFile file(path(), kSize, kFlag);
    EXPECT_EQ(file.wholeRecords(), 0);
    EXPECT_EQ(file.append(record('a')).number, 1);
    EXPECT_EQ(file.append(record('b')).number, 2);
    EXPECT_EQ(file.append(record('c')).number, 3);
    EXPECT_EQ(content(), record('a') + record('b') + record('c'));
    EXPECT_EQ(file.wholeRecords(), 3);
    EXPECT_EQ(file.read(2), record('b'));
    EXPECT_FALSE(file.read(4).has_value());
    EXPECT_FALSE(file.read(0).has_value());
}

TEST_F(RecordFileTest, MissingFileReadsAsEmptyAndIsCreatedOnDemand)
{
    RecordFile file(path(), kSize, kFlag);
    EXPECT_FALSE(file.read(1).has_value());
    EXPECT_FALSE(QFileInfo::exists(path()));
    EXPECT_TRUE(file.ensureExists());
    EXPECT_TRUE(QFileInfo::exists(path()));
    EXPECT_EQ(file.length(), 0);
}

TEST_F(RecordFileTest, PartialTrailingRecordIsNeverReadAndAppendsRoundHalfToEven)
{
    RecordFile file(path(), kSize, kFlag);
    // 1.5 records: 2.5 rounds to 2, overwriting the partial record.
    setContent(record('a') + QByteArray(4, 'x'));
    EXPECT_EQ(file.wholeRecords(), 1);
    EXPECT_FALSE(file.read(2).has_value());
    EXPECT_EQ(file.roundedRecords(), 2);
    EXPECT_EQ(file.appendNumber(), 2);
    EXPECT_EQ(file.append(record('b')).number, 2);
    EXPECT_EQ(content(), record('a') + record('b'));

    // 2.5 records: 3.5 rounds to 4, one place after the partial record.
    setContent(record('a') + record('b') + QByteArray(4, 'x'));
    EXPECT_EQ(file.appendNumber(), 4);
    EXPECT_EQ(file.roundedRecords(), 2);

    // Less than half a record counts as nothing more.
    setContent(record('a') + QByteArray(3, 'x'));
    EXPECT_EQ(file.appendNumber(), 2);
    setContent(record('a') + QByteArray(5, 'x'));
    EXPECT_EQ(file.appendNumber(), 3);
}

TEST_F(RecordFileTest, CompactionDropsMarkedAndDeadRecordsKeepingOrderAndBytes)
{
    RecordFile file(path(), kSize, kFlag);
    setContent(record('a') + record('b') + record('c', 0) + record('d') + record('e'));
    const auto result = file.compact(tmp(), {2, 5});
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(content(), record('a') + record('d'));
    EXPECT_FALSE(QFileInfo::exists(tmp()));

    ASSERT_TRUE(file.compact(tmp(), {1, 2}).ok);
    EXPECT_EQ(file.length(), 0);
    EXPECT_TRUE(QFileInfo::exists(path()));
}

TEST_F(RecordFileTest, CompactionSkipsATrailingPartialRecordAndHandlesAMissingFile)
{
    RecordFile file(path(), kSize, kFlag);
    ASSERT_TRUE(file.compact(tmp()).ok);
    EXPECT_EQ(file.length(), 0);

    setContent(record('a') + record('b') + QByteArray(3, 'x'));
    ASSERT_TRUE(file.compact(tmp(), {1}).ok);
    EXPECT_EQ(content(), record('b'));
}

TEST_F(RecordFileTest, FailedCompactionLeavesTheFileWhole)
{
    RecordFile file(path(), kSize, kFlag);
    const QByteArray before = record('a') + record('b');
    setContent(before);
    RecordFile::Result result;
    {
        FileSizeLimit full(kSize / 2);
        result = file.compact(tmp(), {1});
    }
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.startsWith(path() + QStringLiteral(" に書き込めませんでした（")))
        << result.error.toStdString();
    EXPECT_EQ(content(), before);
    EXPECT_TRUE(FileFaults::strays(m_dir.path(), {"data.data"}).isEmpty());
}

TEST_F(RecordFileTest, AFailedAppendLeavesTheFileAsItWas)
{
    RecordFile file(path(), kSize, kFlag);
    // Whole records; then a partial tail the append lands on and writes over.
    for (const QByteArray &before : {record('a') + record('b'), record('a') + record('b') + "xyz"}) {
        setContent(before);
        RecordFile::Result result;
        {
            FileSizeLimit full(before.size() + 1);
            result = file.append(record('c'));
        }
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.error.startsWith(path() + QStringLiteral(" に書き込めませんでした（")))
            << result.error.toStdString();
        EXPECT_EQ(content(), before);
    }
}

TEST_F(RecordFileTest, AFullDiskIsSaidInJapaneseWithTheFileName)
{
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), path()));
    RecordFile file(path(), kSize, kFlag);
    const auto result = file.append(record('a'));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, path() + QStringLiteral(" に書き込めませんでした（ディスクの空きがありません）"));
}

TEST_F(RecordFileTest, AWriteProtectedFileIsNeitherAppendedToNorRewritten)
{
    RecordFile file(path(), kSize, kFlag);
    const QByteArray before = record('a') + record('b', 0);
    setContent(before);
    FileFaults::makeReadOnly(path());
    const QString refusal = path() + QStringLiteral(" に書き込めませんでした（書き込みが許可されていないファイルです）");
    EXPECT_EQ(file.append(record('c')).error, refusal);
    EXPECT_EQ(file.compact(tmp(), {1}).error, refusal);
    EXPECT_EQ(content(), before);
    EXPECT_TRUE(FileFaults::strays(m_dir.path(), {"data.data"}).isEmpty());
}

TEST_F(RecordFileTest, ALinkedFileStaysLinkedThroughAppendsAndCompaction)
{
    const QString target = FileFaults::linkAway(path(), m_dir.path() + QStringLiteral("/kept"));
    RecordFile file(path(), kSize, kFlag);
    ASSERT_TRUE(file.append(record('a')).ok);
    ASSERT_TRUE(file.append(record('b')).ok);
    ASSERT_TRUE(file.compact(tmp(), {1}).ok);
    ASSERT_TRUE(file.append(record('c')).ok);
    EXPECT_TRUE(QFileInfo(path()).isSymLink());
    EXPECT_EQ(Sandbox::readFile(target), record('b') + record('c'));
}

TEST_F(RecordFileTest, RefusesRecord32768WithAMessageAndChangesNothing)
{
    RecordFile file(path(), kSize, kFlag);
    {
        QFile f(path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(qint64(RecordFile::kMaxRecords) * kSize));
    }
    const auto result = file.append(record('z'));
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.contains(QStringLiteral("32767")));
    EXPECT_EQ(file.length(), qint64(RecordFile::kMaxRecords) * kSize);

    // The last allowed record can still be written in place.
    EXPECT_TRUE(file.write(RecordFile::kMaxRecords, record('y')).ok);
    EXPECT_EQ(file.read(RecordFile::kMaxRecords), record('y'));
}

TEST_F(RecordFileTest, ReadHeadsTakesTheStartOfEveryWholeRecord)
{
    RecordFile file(path(), kSize, kFlag);
    EXPECT_TRUE(file.readHeads(2).isEmpty());
    setContent(record('a') + record('b') + record('c') + QByteArray(2, 'x'));
    EXPECT_EQ(file.readHeads(2), QByteArray("aabbcc"));
}

TEST_F(RecordFileTest, LiveFlagIsLittleEndianSixteenBits)
{
    QByteArray r(kSize, ' ');
    RecordFile::setLiveFlag(r, kFlag, 1);
    EXPECT_EQ(r.mid(kFlag), QByteArray("\x01\x00", 2));
    RecordFile::setLiveFlag(r, kFlag, -2);
    EXPECT_EQ(r.mid(kFlag), QByteArray("\xFE\xFF", 2));
    RecordFile file(path(), kSize, kFlag);
    EXPECT_TRUE(file.isLive(r));
    RecordFile::setLiveFlag(r, kFlag, 0);
    EXPECT_FALSE(file.isLive(r));
}
