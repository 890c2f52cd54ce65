#include "core/addressbook/AddressBook.h"
#include "core/addressbook/AddressBookRecord.h"

#include "core/common/AppPaths.h"
#include "core/common/Cp932.h"
#include "support/FileFaults.h"
#include "support/Sandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

QByteArray recordBytes(const QString &name, const QString &address, qint16 flag = 1)
{
    AddressBookRecord record;
    record.PersonName = name;
    record.MailAddress = address;
    record.LiveFlag = flag;
    return record.toBytes();
}

QByteArray spaces(int n)
{
    return QByteArray(n, ' ');
}

QString repeated(const QString &piece, int times)
{
    return piece.repeated(times);
}

class AddressBookTest : public ::testing::Test {
protected:
    QString bookPath() const { return m_sandbox.dataPath(AppPaths::kAddressBook); }
    QString tmpPath() const { return m_sandbox.dataPath(AppPaths::kAddressBookTmp); }
    QByteArray content() const { return Sandbox::readFile(bookPath()); }
    void setContent(const QByteArray &bytes) const { Sandbox::writeFile(bookPath(), bytes); }
    // Four records whose bytes are all different.
    QByteArray fourRecords() const
    {
        return recordBytes(QStringLiteral("一郎"), QStringLiteral("ichiro@example.jp"))
            + recordBytes(QStringLiteral("二郎"), QStringLiteral("jiro@example.jp"))
            + recordBytes(QStringLiteral("三郎"), QStringLiteral("saburo@example.jp"))
            + recordBytes(QStringLiteral("四郎"), QStringLiteral("shiro@example.jp"));
    }

    Sandbox m_sandbox;
};

} // namespace

TEST_F(AddressBookTest, RecordLayoutIsNameThenCrLfThenLiveFlagThenAddress)
{
    const QByteArray bytes = recordBytes(QStringLiteral("Taro"), QStringLiteral("taro@example.jp"));
    ASSERT_EQ(bytes.size(), 184);
    EXPECT_EQ(bytes.mid(0, 90), QByteArray("Taro") + spaces(86));
    EXPECT_EQ(bytes.mid(90, 2), QByteArray("\r\n"));
    EXPECT_EQ(bytes.mid(92, 2), QByteArray("\x01\x00", 2));
    EXPECT_EQ(bytes.mid(94, 90), QByteArray("taro@example.jp") + spaces(75));

    const QByteArray marked = recordBytes(QStringLiteral("Taro"), QString(), 0);
    EXPECT_EQ(marked.mid(92, 2), QByteArray(2, '\0'));
    EXPECT_EQ(marked.mid(94, 90), spaces(90));
}

TEST_F(AddressBookTest, TextsAreFittedToNinetyBytes)
{
    // 30 double-byte characters take 60 bytes and are padded with 30 spaces.
    const QString name = repeated(QStringLiteral("漢"), 30);
    QByteArray bytes = recordBytes(name, {});
    EXPECT_EQ(bytes.mid(0, 90), Cp932::encode(name) + spaces(30));

    // 60 double-byte characters (120 bytes) keep their first 45.
    const QString address = repeated(QStringLiteral("字"), 60);
    bytes = recordBytes({}, address);
    EXPECT_EQ(bytes.mid(94, 90), Cp932::encode(repeated(QStringLiteral("字"), 45)));
    // In memory a field is 90 characters wide whatever its bytes hold.
    EXPECT_EQ(AddressBookRecord::fromBytes(bytes).MailAddress,
              repeated(QStringLiteral("字"), 45) + QString(45, u' '));

    // A double-byte character straddling byte 90 is dropped and its place padded.
    const QString straddling = QString(89, u'a') + QStringLiteral("漢");
    EXPECT_EQ(AddressBookRecord::fitField(straddling), QByteArray(89, 'a') + spaces(1));

    // Single-byte text longer than the field keeps its first 90 characters.
    EXPECT_EQ(AddressBookRecord::fitField(QString(100, u'x')), QByteArray(90, 'x'));
    EXPECT_EQ(AddressBookRecord::fitField(QString()), spaces(90));
}

TEST_F(AddressBookTest, MissingBookListsEmptyIsCreatedAndFirstAppendIsRecordOne)
{
    AddressBook book;
    EXPECT_FALSE(QFileInfo::exists(bookPath()));
    EXPECT_TRUE(book.windowRows().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(bookPath()));
    EXPECT_EQ(book.count(), 0);

    const RecordFile::Result result = book.append(QStringLiteral("Taro"), QStringLiteral("t@a.jp"));
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.number, 1);
    EXPECT_EQ(content(), recordBytes(QStringLiteral("Taro"), QStringLiteral("t@a.jp")));
}

TEST_F(AddressBookTest, AppendingToThreeRecordsWritesBytes552To735)
{
    const QByteArray three = fourRecords().left(3 * 184);
    setContent(three);
    AddressBook book;
    const RecordFile::Result result =
        book.append(QStringLiteral("五郎"), QStringLiteral("goro@example.jp"));
    EXPECT_EQ(result.number, 4);
    const QByteArray after = content();
    ASSERT_EQ(after.size(), 736);
    EXPECT_EQ(after.left(552), three);
    EXPECT_EQ(after.mid(552), recordBytes(QStringLiteral("五郎"), QStringLiteral("goro@example.jp")));
    EXPECT_EQ(book.count(), 4);
}

TEST_F(AddressBookTest, AnAddressAlreadyInTheBookAndEmptyTextsAreStoredAsGiven)
{
    AddressBook book;
    book.append(QStringLiteral("A"), QStringLiteral("same@example.jp"));
    book.append(QStringLiteral("B"), QStringLiteral("same@example.jp"));
    book.append({}, {});
    EXPECT_EQ(book.count(), 3);
    EXPECT_EQ(content().mid(2 * 184), recordBytes({}, {}));
    EXPECT_EQ(content().mid(2 * 184, 90), spaces(90));
}

TEST_F(AddressBookTest, EachReaderGetsItsOwnTreatmentOfTheFields)
{
    QByteArray raw = recordBytes(QStringLiteral("  花子  "), QStringLiteral("  hanako@example.jp  "));
    raw[4] = '\0';  // a NUL in place of the lead byte of 子
    setContent(raw);
    AddressBook book;

    const auto rows = book.windowRows();
    ASSERT_EQ(rows.size(), 1);
    // List cells: cut at the NUL, pad spaces kept (the field is 90 characters wide).
    EXPECT_EQ(rows[0].address, QStringLiteral("  hanako@example.jp  ") + QString(69, u' '));
    EXPECT_EQ(rows[0].name, QStringLiteral("  花"));

    // Boxes: spaces removed at both ends.
    const auto boxes = book.boxTexts(1);
    ASSERT_TRUE(boxes.has_value());
    EXPECT_EQ(boxes->address, QStringLiteral("hanako@example.jp"));

    // The compose list: the name as stored, 90 characters with its pad spaces.
    const auto entries = book.nameEntries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].number, 1);
    EXPECT_EQ(entries[0].name.size(), 90);
    EXPECT_TRUE(entries[0].name.endsWith(QString(40, u' ')));

    // The compose pick trims both ends; bulk sending trims only the end.
    EXPECT_EQ(book.pickAddress(1), QStringLiteral("hanako@example.jp"));
    EXPECT_EQ(book.bulkAddress(1), QStringLiteral("  hanako@example.jp"));

    EXPECT_FALSE(book.boxTexts(2).has_value());
    EXPECT_FALSE(book.pickAddress(2).has_value());
    EXPECT_FALSE(book.bulkAddress(0).has_value());
}

TEST_F(AddressBookTest, NameCardValueOfNinetyBytesComesBackWholeExceptInThePick)
{
    // 8 bytes of name, "<", 80 bytes of address, ">": exactly 90 bytes.
    const QString address = QString(69, u'm') + QStringLiteral("@example.jp");
    const QString card = QStringLiteral("日本太郎<") + address + u'>';
    ASSERT_EQ(Cp932::encode(card).size(), 90);

    AddressBook book;
    book.append(QStringLiteral("日本太郎"), card);
    EXPECT_EQ(content().mid(94, 90), Cp932::encode(card));

    EXPECT_EQ(book.windowRows().value(0).address.trimmed(), card);
    EXPECT_EQ(book.boxTexts(1)->address, card);
    EXPECT_EQ(book.bulkAddress(1), card);
    EXPECT_EQ(book.pickAddress(1), card.left(60));
}

TEST_F(AddressBookTest, BothSpellingsOfTheFileNameAreOneFile)
{
    const QString lower = AppPaths::resolve(QStringLiteral("\\★MAilData\\tlvdata20.data"));
    Sandbox::writeFile(lower, recordBytes(QStringLiteral("A"), QStringLiteral("a@example.jp")));

    AddressBook book;
    EXPECT_EQ(book.count(), 1);
    book.append(QStringLiteral("B"), QStringLiteral("b@example.jp"));
    EXPECT_EQ(Sandbox::readFile(lower).size(), 2 * 184);
    EXPECT_EQ(QDir(AppPaths::resolve(AppPaths::kDataFolder)).entryList(QDir::Files).size(), 1);
}

TEST_F(AddressBookTest, RemovingRecordTwoOfFourKeepsTheOtherBytesIdentical)
{
    const QByteArray before = fourRecords();
    setContent(before);
    AddressBook book;
    EXPECT_TRUE(book.remove(2).ok);
    EXPECT_EQ(content(), before.left(184) + before.mid(2 * 184));
    EXPECT_EQ(book.boxTexts(2)->address, QStringLiteral("saburo@example.jp"));
    EXPECT_FALSE(QFileInfo::exists(tmpPath()));
}

TEST_F(AddressBookTest, RemovingTheOnlyRecordLeavesAnEmptyFile)
{
    setContent(recordBytes(QStringLiteral("A"), QStringLiteral("a@example.jp")));
    AddressBook book;
    EXPECT_TRUE(book.remove(1).ok);
    EXPECT_TRUE(QFileInfo::exists(bookPath()));
    EXPECT_EQ(QFileInfo(bookPath()).size(), 0);
}

TEST_F(AddressBookTest, RemovingOneOfTwoEqualAddressesRemovesOnlyThatRecord)
{
    const QByteArray first = recordBytes(QStringLiteral("A"), QStringLiteral("same@example.jp"));
    const QByteArray second = recordBytes(QStringLiteral("B"), QStringLiteral("same@example.jp"));
    setContent(first + second);
    AddressBook book;
    book.remove(2);
    EXPECT_EQ(content(), first);
    setContent(first + second);
    book.remove(1);
    EXPECT_EQ(content(), second);
}

TEST_F(AddressBookTest, CompactionKeepsAWellFormedBookAndDropsMarksAndPartialTails)
{
    const QByteArray before = fourRecords();
    setContent(before);
    AddressBook book;
    EXPECT_TRUE(book.compact().ok);
    EXPECT_EQ(content(), before);

    QByteArray marked = before;
    marked[184 + AddressBookRecord::kLiveFlagOffset] = '\0';
    setContent(marked + QByteArray(100, 'x'));
    EXPECT_EQ(book.count(), 4);
    EXPECT_TRUE(book.compact().ok);
    EXPECT_EQ(content(), before.left(184) + before.mid(2 * 184));
}

TEST_F(AddressBookTest, AFailedCompactionLeavesTheBookWhole)
{
    const QByteArray before = fourRecords();
    setContent(before);
    AddressBook book;
    RecordFile::Result result;
    {
        FileSizeLimit full(184 + 10);
        result = book.remove(2);
    }
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.startsWith(bookPath() + QStringLiteral(" に書き込めませんでした（")))
        << result.error.toStdString();
    EXPECT_EQ(content(), before);
    EXPECT_FALSE(QFileInfo::exists(tmpPath()));
}

TEST_F(AddressBookTest, ALinkedBookStaysLinkedAndAWriteProtectedOneIsLeftAlone)
{
    const QByteArray before = fourRecords();
    setContent(before);
    const QString target = FileFaults::linkAway(bookPath(), m_sandbox.workPath(QStringLiteral("shared")));
    AddressBook book;
    ASSERT_TRUE(book.remove(1).ok);
    ASSERT_TRUE(book.append(QStringLiteral("名前"), QStringLiteral("a@b")).ok);
    EXPECT_TRUE(QFileInfo(bookPath()).isSymLink());
    EXPECT_EQ(Sandbox::readFile(target), before.mid(184) + recordBytes(QStringLiteral("名前"), QStringLiteral("a@b")));

    const QByteArray kept = Sandbox::readFile(target);
    FileFaults::makeReadOnly(target);
    const QString refusal = bookPath() + QStringLiteral(" に書き込めませんでした（書き込みが許可されていないファイルです）");
    EXPECT_EQ(book.remove(1).error, refusal);
    EXPECT_EQ(book.compact().error, refusal);
    EXPECT_EQ(book.append(QStringLiteral("x"), QStringLiteral("y")).error, refusal);
    EXPECT_EQ(Sandbox::readFile(target), kept);
}

TEST_F(AddressBookTest, NamesAndAddressesAreStoredOnOneLine)
{
    AddressBook book;
    ASSERT_TRUE(book.append(QStringLiteral("山田\r\n太郎"), QStringLiteral("a@b\n")).ok);
    EXPECT_EQ(content(), recordBytes(QStringLiteral("山田太郎"), QStringLiteral("a@b")));
}

TEST_F(AddressBookTest, AppendingRecord32768IsRefusedWithAMessage)
{
    {
        QFile file(bookPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64(RecordFile::kMaxRecords) * 184));
    }
    AddressBook book;
    const RecordFile::Result result = book.append(QStringLiteral("A"), QStringLiteral("a@a.jp"));
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(QFileInfo(bookPath()).size(), qint64(RecordFile::kMaxRecords) * 184);
}

TEST_F(AddressBookTest, AddressListHasTheSameLayoutAndIsCreatedEmptyWhenMissing)
{
    const QString listPath = m_sandbox.dataPath(AppPaths::kAddressList);
    AddressList list;
    EXPECT_TRUE(list.nameEntries().isEmpty());
    EXPECT_TRUE(QFileInfo::exists(listPath));
    EXPECT_EQ(QFileInfo(listPath).size(), 0);

    Sandbox::writeFile(listPath, fourRecords().left(2 * 184) + QByteArray(10, 'x'));
    const auto entries = list.nameEntries();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[1].number, 2);
    EXPECT_EQ(entries[1].name, QStringLiteral("二郎") + QString(88, u' '));
    EXPECT_EQ(list.pickAddress(2), QStringLiteral("jiro@example.jp"));
}
