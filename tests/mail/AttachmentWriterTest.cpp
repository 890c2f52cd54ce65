#include "core/mail/mime/AttachmentWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "support/MailServers.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char *name;
    QString given;
    QString safe;
};

void PrintTo(const NameCase &c, std::ostream *os) { *os << c.name; }

class MakesNamesSafe : public ::testing::TestWithParam<NameCase> {};

TEST_P(MakesNamesSafe, ToTheExpectedBaseName)
{
    EXPECT_EQ(AttachmentWriter::safeName(GetParam().given), GetParam().safe);
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, MakesNamesSafe,
    ::testing::Values(
        NameCase{"plain", QStringLiteral("資料.pdf"), QStringLiteral("資料.pdf")},
        NameCase{"parent_folders", QStringLiteral("../../x.sh"), QStringLiteral("x.sh")},
        NameCase{"absolute", QStringLiteral("/etc/x"), QStringLiteral("x")},
        NameCase{"windows_path", QStringLiteral("C:\\Windows\\evil.exe"), QStringLiteral("evil.exe")},
        NameCase{"control_characters", QStringLiteral("a\x01\nb\tc.txt"), QStringLiteral("abc.txt")},
        NameCase{"reserved_characters", QStringLiteral("a:b*c?d\"e<f>g|h.txt"), QStringLiteral("a_b_c_d_e_f_g_h.txt")},
        NameCase{"empty", QString(), AttachmentWriter::kFallbackName},
        NameCase{"only_dots", QStringLiteral(".."), AttachmentWriter::kFallbackName},
        NameCase{"trailing_slash", QStringLiteral("dir/"), AttachmentWriter::kFallbackName},
        NameCase{"hidden", QStringLiteral(".bashrc"), QStringLiteral("bashrc")},
        NameCase{"spaces_and_dots_at_ends", QStringLiteral("  name.txt. "), QStringLiteral("name.txt")},
        NameCase{"right_to_left_override", QStringLiteral("invoice\u202Etxt.exe"), QStringLiteral("invoicetxt.exe")},
        NameCase{"isolates_and_zero_width", QStringLiteral("\uFEFFa\u2066b\u2069\u200Bc\u200F.pdf"),
                 QStringLiteral("abc.pdf")}));

TEST(AttachmentWriter, NumbersOnPastWhatTheFolderAlreadyHolds)
{
    QTemporaryDir dir;
    for (const char *existing : {"a.txt", "a (7).txt", "report (2019).pdf"}) {
        QFile file(dir.path() + u'/' + QString::fromLatin1(existing));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    AttachmentWriter writer(dir.path());
    EXPECT_EQ(writer.write(QStringLiteral("a.txt"), "1"), dir.path() + QStringLiteral("/a (8).txt"));
    EXPECT_EQ(writer.write(QStringLiteral("a.txt"), "2"), dir.path() + QStringLiteral("/a (9).txt"));
    EXPECT_EQ(writer.write(QStringLiteral("report.pdf"), "3"), dir.path() + QStringLiteral("/report.pdf"));
    // A file that appeared after the folder was read is still never overwritten.
    {
        QFile file(dir.path() + QStringLiteral("/a (10).txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("theirs");
    }
    EXPECT_EQ(writer.write(QStringLiteral("a.txt"), "4"), dir.path() + QStringLiteral("/a (11).txt"));
    QFile theirs(dir.path() + QStringLiteral("/a (10).txt"));
    ASSERT_TRUE(theirs.open(QIODevice::ReadOnly));
    EXPECT_EQ(theirs.readAll(), QByteArray("theirs"));
    EXPECT_TRUE(writer.sync());
}

TEST(AttachmentWriter, CutsOverlongNamesAndKeepsTheExtension)
{
    const QString safe = AttachmentWriter::safeName(QString(300, u'あ') + QStringLiteral(".txt"));
    EXPECT_LE(safe.toUtf8().size(), 200);
    EXPECT_TRUE(safe.endsWith(QStringLiteral("あ.txt")));
}

TEST(AttachmentWriter, NeverOverwritesAndCountsUp)
{
    QTemporaryDir dir;
    QFile existing(dir.filePath(QStringLiteral("a.txt")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("old");
    existing.close();

    AttachmentWriter writer(dir.path());
    EXPECT_EQ(writer.write(QStringLiteral("a.txt"), "new1"), dir.filePath(QStringLiteral("a (2).txt")));
    EXPECT_EQ(writer.write(QStringLiteral("../a.txt"), "new2"), dir.filePath(QStringLiteral("a (3).txt")));
    EXPECT_EQ(writer.write(QString(), "x"), dir.filePath(AttachmentWriter::kFallbackName));

    QFile check(dir.filePath(QStringLiteral("a.txt")));
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), QByteArray("old"));
}

TEST(AttachmentWriter, StaysInsideItsFolder)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("inbox"));
    AttachmentWriter writer(dir.filePath(QStringLiteral("inbox")));
    const auto path = writer.write(QStringLiteral("../../escape.sh"), "#!/bin/sh\n");
    ASSERT_TRUE(path);
    EXPECT_EQ(QFileInfo(*path).absolutePath(), dir.filePath(QStringLiteral("inbox")));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("escape.sh"))));
}

TEST(AttachmentWriter, ReportsAFolderThatCannotBeWritten)
{
    QTemporaryDir dir;
    AttachmentWriter writer(dir.filePath(QStringLiteral("missing")));
    EXPECT_FALSE(writer.write(QStringLiteral("a.txt"), "x"));
    EXPECT_FALSE(writer.errorText().isEmpty());
}

} // namespace
