#include "core/emoticons/EmoticonStore.h"

#include "core/common/AppPaths.h"
#include "core/common/Cp932.h"
#include "support/FileFaults.h"
#include "support/Sandbox.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

TEST(EmoticonStore, OneFinalLineBreakIsAddedOnSaveAndDroppedOnLoad)
{
    const std::pair<QByteArray, QString> rows[] = {
        {"\r\n", QString()},
        {"a\r\nb\r\n", QStringLiteral("a\nb")},
        {"a\r\n\r\n", QStringLiteral("a\n")},
        {Cp932::encode(QStringLiteral("　（＾ー＾）　\r\n☆彡 ~ \\\r\n")), QStringLiteral("　（＾ー＾）　\n☆彡 ~ \\")},
    };
    for (const auto &[file, text] : rows) {
        EXPECT_EQ(EmoticonStore::fromFileBytes(file), text) << file.toStdString();
        EXPECT_EQ(EmoticonStore::toFileBytes(text), file) << file.toStdString();
    }
    // Files from elsewhere load too: without the final break, or with other line ends.
    EXPECT_EQ(EmoticonStore::fromFileBytes("a\r\nb"), QStringLiteral("a\nb"));
    EXPECT_EQ(EmoticonStore::fromFileBytes("a\nb\n"), QStringLiteral("a\nb"));
    EXPECT_EQ(EmoticonStore::fromFileBytes("a\rb\r"), QStringLiteral("a\nb"));
}

TEST(EmoticonStore, MissingFileLoadsEmptyAndAnyLetterCaseNamesTheSameFile)
{
    Sandbox sandbox;
    EXPECT_EQ(EmoticonStore::loadAll(), QStringList(EmoticonStore::kCount, QString()));
    ASSERT_TRUE(EmoticonStore::save(0, QStringLiteral("⚽")));
    EXPECT_EQ(Sandbox::readFile(sandbox.dataPath(QStringLiteral("\\顔文字データ\\Kao1.txt"))),
              QByteArray("?\r\n"));  // no CP932 form: the encoder's replacement

    const QString lower = sandbox.dataPath(QStringLiteral("\\顔文字データ\\")) + QStringLiteral("text1.txt");
    Sandbox::writeFile(lower, "old\r\n");
    EXPECT_EQ(EmoticonStore::load(1), QStringLiteral("old"));
    ASSERT_TRUE(EmoticonStore::save(1, QString()));
    EXPECT_EQ(Sandbox::readFile(lower), QByteArray("\r\n"));
    EXPECT_EQ(QDir(QFileInfo(lower).path()).entryList(QDir::Files),
              (QStringList{QStringLiteral("Kao1.txt"), QStringLiteral("text1.txt")}));
}

TEST(EmoticonStore, FailedSaveKeepsTheOldFileWholeAndTheOthersAreStillSaved)
{
    Sandbox sandbox;
    Sandbox::writeFile(EmoticonStore::path(5), "(o_o)\r\n");
    FileFaults::makeReadOnly(EmoticonStore::path(5));
    QStringList texts;
    for (int i = 0; i < EmoticonStore::kCount; ++i)
        texts << QStringLiteral("piece %1").arg(i);

    const QStringList failures = EmoticonStore::saveAll(texts);
    ASSERT_EQ(failures.size(), 1);
    EXPECT_EQ(failures[0], EmoticonStore::path(5)
                               + QStringLiteral(" に書き込めませんでした（書き込みが許可されていないファイルです）"));
    EXPECT_EQ(Sandbox::readFile(EmoticonStore::path(5)), QByteArray("(o_o)\r\n"));
    for (int i : {0, 4, 6, 11})
        EXPECT_EQ(EmoticonStore::load(i), texts[i]);
}

TEST(EmoticonStore, ALinkedCollectionStaysALink)
{
    Sandbox sandbox;
    Sandbox::writeFile(EmoticonStore::path(0), "(^_^)\r\n");
    const QString target = FileFaults::linkAway(EmoticonStore::path(0), sandbox.workPath(QStringLiteral("mine")));
    ASSERT_TRUE(EmoticonStore::save(0, QStringLiteral("(^o^)")));
    EXPECT_TRUE(QFileInfo(EmoticonStore::path(0)).isSymLink());
    EXPECT_EQ(Sandbox::readFile(target), QByteArray("(^o^)\r\n"));
    EXPECT_TRUE(FileFaults::strays(QFileInfo(EmoticonStore::path(0)).path(), {"Kao1.txt"}).isEmpty());
}
