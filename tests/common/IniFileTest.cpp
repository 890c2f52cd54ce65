#include "core/common/IniFile.h"

#include "core/common/Cp932.h"
#include "support/Sandbox.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class IniFileTest : public ::testing::Test {
protected:
    QString path() const { return m_dir.path() + QStringLiteral("/a.ini"); }
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(IniFileTest, MissingFileSectionOrKeyGiveTheDefault)
{
    IniFile ini(path());
    EXPECT_EQ(ini.read(QStringLiteral("EXEINI"), QStringLiteral("NAME")), QString());
    EXPECT_EQ(ini.read(QStringLiteral("EXEINI"), QStringLiteral("NAME"), QStringLiteral("d")),
              QStringLiteral("d"));
    Sandbox::writeFile(path(), "[OTHER]\r\nNAME=x\r\n");
    EXPECT_EQ(ini.read(QStringLiteral("EXEINI"), QStringLiteral("NAME")), QString());
}

TEST_F(IniFileTest, WritingOneKeyKeepsEveryOtherLineByteForByte)
{
    IniFile ini(path());
    // Bytes that are no CP932 (a lead byte without its trail) in other keys and a comment.
    const QByteArray other = "[A]\r\nB=\x81\r\n;\xff\xfe note\r\nC=\x82\xa0\r\n";
    Sandbox::writeFile(path(), other);
    const QString before = ini.read(QStringLiteral("A"), QStringLiteral("B"));
    ASSERT_TRUE(ini.write(QStringLiteral("A"), QStringLiteral("D"), QStringLiteral("d")));
    EXPECT_EQ(Sandbox::readFile(path()), "[A]\r\nB=\x81\r\n;\xff\xfe note\r\nC=\x82\xa0\r\nD=d\r\n");
    EXPECT_EQ(ini.read(QStringLiteral("A"), QStringLiteral("B")), before);
    ASSERT_TRUE(ini.write(QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("c")));
    EXPECT_EQ(Sandbox::readFile(path()), "[A]\r\nB=\x81\r\n;\xff\xfe note\r\nC=c\r\nD=d\r\n");
}

TEST_F(IniFileTest, WritingCreatesTheFileAndSectionInCp932WithCrLf)
{
    IniFile ini(path());
    ASSERT_TRUE(ini.write(QStringLiteral("EXEINI"), QStringLiteral("NAME"), QStringLiteral("山田")));
    ASSERT_TRUE(ini.write(QStringLiteral("EXEINI"), QStringLiteral("NAME2"), QStringLiteral("pw")));
    EXPECT_EQ(Sandbox::readFile(path()),
              "[EXEINI]\r\nNAME=" + Cp932::encode(QStringLiteral("山田")) + "\r\nNAME2=pw\r\n");
    EXPECT_EQ(ini.read(QStringLiteral("EXEINI"), QStringLiteral("NAME")), QStringLiteral("山田"));
}

TEST_F(IniFileTest, ReplacesAKeyInPlaceAndKeepsEveryOtherLine)
{
    Sandbox::writeFile(path(), "; note\r\n[a]\r\nk=1\r\n\r\n[exeini]\r\nname = old\r\nother=2\r\n\r\n[z]\r\nq=3\r\n");
    IniFile ini(path());
    EXPECT_EQ(ini.read(QStringLiteral("EXEINI"), QStringLiteral("NAME")), QStringLiteral("old"));
    ASSERT_TRUE(ini.write(QStringLiteral("EXEINI"), QStringLiteral("NAME"), QStringLiteral("new")));
    ASSERT_TRUE(ini.write(QStringLiteral("EXEINI"), QStringLiteral("NAME3"), QStringLiteral("1")));
    EXPECT_EQ(Sandbox::readFile(path()),
              QByteArray("; note\r\n[a]\r\nk=1\r\n\r\n[exeini]\r\nNAME=new\r\nother=2\r\nNAME3=1\r\n\r\n"
                         "[z]\r\nq=3\r\n"));
}

TEST_F(IniFileTest, ReadsAtMost255BytesAndCutsAtNul)
{
    IniFile ini(path());
    ASSERT_TRUE(ini.write(QStringLiteral("S"), QStringLiteral("long"), QString(300, u'a')));
    EXPECT_EQ(ini.read(QStringLiteral("S"), QStringLiteral("long")), QString(255, u'a'));
    // A double-byte character across byte 255 is not split.
    ASSERT_TRUE(ini.write(QStringLiteral("S"), QStringLiteral("kanji"), QString(200, u'字')));
    EXPECT_EQ(ini.read(QStringLiteral("S"), QStringLiteral("kanji")), QString(127, u'字'));
    Sandbox::writeFile(path(), QByteArray("[S]\r\nk=ab\0cd\r\n", 15));
    EXPECT_EQ(ini.read(QStringLiteral("S"), QStringLiteral("k")), QStringLiteral("ab"));
}

TEST_F(IniFileTest, ModeIsAppliedToTheWrittenFile)
{
    IniFile ini(path(), 0600);
    ASSERT_TRUE(ini.write(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v")));
    EXPECT_EQ(QFile::permissions(path()),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
}

TEST_F(IniFileTest, FailedWriteIsReportedAndLeavesNoFile)
{
    IniFile ini(m_dir.path() + QStringLiteral("/missing/a.ini"));
    QString error;
    EXPECT_FALSE(ini.write(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v"), &error));
    EXPECT_FALSE(error.isEmpty());
}
