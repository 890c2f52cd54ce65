#include "emoticons/EmoticonStore.h"

#include "common/AppPaths.h"
#include "common/Cp932.h"
#include "support/Sandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

QString folder()
{
    return AppPaths::resolve(AppPaths::kEmoticonFolder);
}

QByteArray sjis(const char16_t *text)
{
    return Cp932::encode(QString::fromUtf16(text));
}

} // namespace

TEST(EmoticonStore, TableNamesTwelveCollectionsWithTheirBoxesAndFiles)
{
    const auto &table = EmoticonStore::collections();
    EXPECT_EQ(table[0].box, QStringLiteral("Kao1"));
    EXPECT_EQ(table[0].file, QStringLiteral("\\顔文字データ\\Kao1.txt"));
    EXPECT_EQ(table[0].caption, QStringLiteral("顔文字"));
    EXPECT_EQ(table[3].caption, QStringLiteral("春夏秋冬、年中行事"));
    EXPECT_EQ(table[7].caption, QStringLiteral("衣料、雑貨、ゲーム、スポーツ"));
    EXPECT_EQ(table[8].caption, QStringLiteral("SF、場所、音楽"));
    for (int i = 1; i < EmoticonStore::kCount; ++i) {
        EXPECT_EQ(table[i].box, QStringLiteral("Text%1").arg(i));
        EXPECT_EQ(table[i].file, QStringLiteral("\\顔文字データ\\Text%1.txt").arg(i));
    }
    EXPECT_EQ(table[EmoticonStore::kFavourites].caption, QStringLiteral("○お気に入り"));
}

TEST(EmoticonStore, FinalLineBreakIsAddedOnSaveAndDroppedOnLoad)
{
    struct Row {
        QByteArray file;
        QString text;
    };
    const Row rows[] = {
        {"\r\n", QString()},
        {"(^_^)\r\n", QStringLiteral("(^_^)")},
        {"a\r\nb\r\n", QStringLiteral("a\nb")},
        {"a\r\n\r\n", QStringLiteral("a\n")},
        {"\r\n\r\n", QStringLiteral("\n")},
        {sjis(u"　（＾ー＾）　\r\n☆彡\r\n"), QStringLiteral("　（＾ー＾）　\n☆彡")},
    };
    for (const Row &row : rows) {
        EXPECT_EQ(EmoticonStore::fromFileBytes(row.file), row.text) << row.file.toStdString();
        EXPECT_EQ(EmoticonStore::toFileBytes(row.text), row.file) << row.file.toStdString();
    }
}

TEST(EmoticonStore, FilesWrittenWithOrWithoutTheFinalLineBreakOrWithOtherLineEndsLoad)
{
    EXPECT_EQ(EmoticonStore::fromFileBytes("a\r\nb"), QStringLiteral("a\nb"));
    EXPECT_EQ(EmoticonStore::fromFileBytes("a\nb\n"), QStringLiteral("a\nb"));
    EXPECT_EQ(EmoticonStore::fromFileBytes("a\rb\r"), QStringLiteral("a\nb"));
    EXPECT_EQ(EmoticonStore::fromFileBytes(""), QString());
}

TEST(EmoticonStore, EmptiedCollectionIsSavedAsALoneCrLfAndLoadsEmpty)
{
    Sandbox sandbox;
    Sandbox::writeFile(EmoticonStore::path(4), "(-_-)\r\n");
    ASSERT_TRUE(EmoticonStore::save(4, QString()));
    EXPECT_EQ(Sandbox::readFile(EmoticonStore::path(4)), QByteArray("\r\n"));
    EXPECT_EQ(EmoticonStore::load(4), QString());
}

TEST(EmoticonStore, UneditedCollectionComesBackByteForByte)
{
    Sandbox sandbox;
    const QByteArray bytes = sjis(u"（・∀・）\r\n\r\n　　★\r\n　★　★\r\nend ~ \\\r\n");
    Sandbox::writeFile(EmoticonStore::path(0), bytes);
    ASSERT_TRUE(EmoticonStore::save(0, EmoticonStore::load(0)));
    EXPECT_EQ(Sandbox::readFile(EmoticonStore::path(0)), bytes);
}

TEST(EmoticonStore, MissingFileLoadsEmptyAndIsCreatedAtTheNextSave)
{
    Sandbox sandbox;
    ASSERT_FALSE(QFileInfo::exists(EmoticonStore::path(7)));
    EXPECT_EQ(EmoticonStore::load(7), QString());
    EXPECT_EQ(EmoticonStore::loadAll(), QStringList(EmoticonStore::kCount, QString()));
    ASSERT_TRUE(EmoticonStore::save(7, QStringLiteral("⚽")));
    EXPECT_EQ(QFileInfo(EmoticonStore::path(7)).fileName(), QStringLiteral("Text7.txt"));
    // Characters without a CP932 form are written as the encoder's replacement.
    EXPECT_EQ(Sandbox::readFile(EmoticonStore::path(7)), QByteArray("?\r\n"));
}

TEST(EmoticonStore, LetterCaseOfTheFileNameDoesNotMatter)
{
    Sandbox sandbox;
    const QString lower = folder() + QStringLiteral("text1.txt");
    Sandbox::writeFile(lower, "old\r\n");
    EXPECT_EQ(EmoticonStore::load(1), QStringLiteral("old"));
    ASSERT_TRUE(EmoticonStore::save(1, QStringLiteral("new")));
    EXPECT_EQ(Sandbox::readFile(lower), QByteArray("new\r\n"));
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files), QStringList{QStringLiteral("text1.txt")});
}

TEST(EmoticonStore, FailedSaveLeavesTheOldCollectionWholeAndSaysWhy)
{
    Sandbox sandbox;
    const QString target = EmoticonStore::path(2);
    Sandbox::writeFile(target, "(o_o)\r\n");
    // A folder where the temporary file would go makes the save fail, even for root.
    ASSERT_TRUE(QDir().mkpath(target + QStringLiteral(".tmp")));
    QString error;
    EXPECT_FALSE(EmoticonStore::save(2, QStringLiteral("lost"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(Sandbox::readFile(target), QByteArray("(o_o)\r\n"));
}

TEST(EmoticonStore, SaveAllWritesEveryCollectionAndCarriesOnPastAFailure)
{
    Sandbox sandbox;
    ASSERT_TRUE(QDir().mkpath(EmoticonStore::path(5) + QStringLiteral(".tmp")));
    QStringList texts;
    for (int i = 0; i < EmoticonStore::kCount; ++i)
        texts << QStringLiteral("piece %1").arg(i);
    const QStringList failures = EmoticonStore::saveAll(texts);
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].contains(QStringLiteral("Text5.txt"))) << failures[0].toStdString();
    for (int i = 0; i < EmoticonStore::kCount; ++i) {
        if (i == 5)
            EXPECT_FALSE(QFileInfo::exists(EmoticonStore::path(i)));
        else
            EXPECT_EQ(EmoticonStore::load(i), texts[i]);
    }
    // Nothing is left beside the collections but the folder that blocked one.
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files).size(), EmoticonStore::kCount - 1);
}
