#include "core/common/FileError.h"
#include "core/common/SafeFile.h"

#include "support/FileFaults.h"
#include "support/OtherUser.h"
#include "support/Sandbox.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

// The system's own words, in whatever language the tests run.
QString words(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

class SafeFileTest : public ::testing::Test {
protected:
    QString at(const QString &name) const { return m_dir.path() + u'/' + name; }
    QTemporaryDir m_dir;
};

} // namespace

TEST_F(SafeFileTest, ALinkPlantedAtTheOldTemporaryNameIsNeitherFollowedNorReplaced)
{
    const QString victim = at(QStringLiteral("victim"));
    Sandbox::writeFile(victim, "precious");
    Sandbox::writeFile(at(QStringLiteral("a.ini")), "old");
    ASSERT_TRUE(QFile::link(victim, at(QStringLiteral("a.ini.tmp"))));
    ASSERT_TRUE(QFile::link(victim, at(QStringLiteral("A.TMP"))));

    QString error;
    ASSERT_TRUE(SafeFile::replace(at(QStringLiteral("a.ini")), "new", {}, {}, &error)) << error.toStdString();
    ASSERT_TRUE(SafeFile::replace(at(QStringLiteral("a.ini")), "newer", at(QStringLiteral("A.TMP"))));
    EXPECT_EQ(Sandbox::readFile(at(QStringLiteral("a.ini"))), QByteArray("newer"));
    EXPECT_EQ(Sandbox::readFile(victim), QByteArray("precious"));
    EXPECT_TRUE(QFileInfo(at(QStringLiteral("a.ini.tmp"))).isSymLink());
    EXPECT_TRUE(FileFaults::strays(m_dir.path(), {"victim", "a.ini", "a.ini.tmp", "A.TMP"}).isEmpty());
}

TEST_F(SafeFileTest, TemporaryNamesAreUnpredictableAndLieBesideTheFile)
{
    SafeFile first(at(QStringLiteral("f")), at(QStringLiteral("F.TMP")));
    SafeFile second(at(QStringLiteral("f")), at(QStringLiteral("F.TMP")));
    ASSERT_TRUE(first.open());
    ASSERT_TRUE(second.open());
    EXPECT_NE(first.temporaryPath(), second.temporaryPath());
    EXPECT_TRUE(first.temporaryPath().startsWith(at(QStringLiteral("F.TMP."))));
    EXPECT_GE(first.temporaryPath().size(), at(QStringLiteral("F.TMP.")).size() + 12);
}

TEST_F(SafeFileTest, ALinkStaysALinkAndItsTargetIsReplaced)
{
    // Absolute, relative, and a chain of two links into another folder.
    Sandbox::writeFile(at(QStringLiteral("real")), "old");
    ASSERT_TRUE(QFile::link(at(QStringLiteral("real")), at(QStringLiteral("absolute"))));
    ASSERT_EQ(::symlink("real", QFile::encodeName(at(QStringLiteral("relative"))).constData()), 0);
    ASSERT_TRUE(QDir().mkpath(at(QStringLiteral("elsewhere"))));
    Sandbox::writeFile(at(QStringLiteral("elsewhere/far")), "old");
    ASSERT_EQ(::symlink("far", QFile::encodeName(at(QStringLiteral("elsewhere/near"))).constData()), 0);
    ASSERT_TRUE(QFile::link(at(QStringLiteral("elsewhere/near")), at(QStringLiteral("chain"))));

    for (const char *name : {"absolute", "relative"}) {
        ASSERT_TRUE(SafeFile::replace(at(QLatin1String(name)), name)) << name;
        EXPECT_TRUE(QFileInfo(at(QLatin1String(name))).isSymLink()) << name;
        EXPECT_EQ(Sandbox::readFile(at(QStringLiteral("real"))), QByteArray(name));
    }
    ASSERT_TRUE(SafeFile::replace(at(QStringLiteral("chain")), "far away"));
    EXPECT_TRUE(QFileInfo(at(QStringLiteral("chain"))).isSymLink());
    EXPECT_TRUE(QFileInfo(at(QStringLiteral("elsewhere/near"))).isSymLink());
    EXPECT_EQ(Sandbox::readFile(at(QStringLiteral("elsewhere/far"))), QByteArray("far away"));
    // The temporary file went beside the target, so nothing is left in either folder.
    EXPECT_TRUE(FileFaults::strays(at(QStringLiteral("elsewhere")), {"far", "near"}).isEmpty());

    // A link whose target is not there yet gets it created.
    ASSERT_TRUE(QFile::link(at(QStringLiteral("later")), at(QStringLiteral("dangling"))));
    ASSERT_TRUE(SafeFile::replace(at(QStringLiteral("dangling")), "first"));
    EXPECT_TRUE(QFileInfo(at(QStringLiteral("dangling"))).isSymLink());
    EXPECT_EQ(Sandbox::readFile(at(QStringLiteral("later"))), QByteArray("first"));
}

TEST_F(SafeFileTest, AWriteProtectedFileIsRefusedWithItsName)
{
    const QString path = at(QStringLiteral("tolvar.ini"));
    Sandbox::writeFile(path, "old");
    FileFaults::makeReadOnly(path);
    QString error;
    EXPECT_FALSE(SafeFile::replace(path, "new", {}, {}, &error));
    EXPECT_EQ(error, path + QStringLiteral(" に書き込めませんでした（書き込みが許可されていないファイルです）"));
    EXPECT_EQ(Sandbox::readFile(path), QByteArray("old"));
    EXPECT_TRUE(FileFaults::strays(m_dir.path(), {"tolvar.ini"}).isEmpty());

    // Through a link the target's permissions count.
    ASSERT_TRUE(QFile::link(path, at(QStringLiteral("link"))));
    EXPECT_FALSE(SafeFile::replace(at(QStringLiteral("link")), "new"));
    EXPECT_EQ(Sandbox::readFile(path), QByteArray("old"));
}

TEST_F(SafeFileTest, PermissionsAreKeptOrSetExactly)
{
    const QString path = at(QStringLiteral("f"));
    Sandbox::writeFile(path, "old");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    ASSERT_TRUE(SafeFile::replace(path, "new"));
    EXPECT_EQ(QFile::permissions(path), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser
                                                  | QFile::WriteUser | QFile::ReadGroup);
    ASSERT_TRUE(SafeFile::replace(path, "newer", {}, 0600));
    EXPECT_EQ(QFile::permissions(path),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
}

TEST_F(SafeFileTest, AFailedWriteLeavesTheOldFileAndNoTemporaryFile)
{
    const QString path = at(QStringLiteral("f"));
    Sandbox::writeFile(path, "old");
    QString error;
    {
        FileSizeLimit full(10);
        EXPECT_FALSE(SafeFile::replace(path, QByteArray(100, 'x'), {}, {}, &error));
    }
    EXPECT_TRUE(error.startsWith(path + QStringLiteral(" に書き込めませんでした（"))) << error.toStdString();
    EXPECT_EQ(Sandbox::readFile(path), QByteArray("old"));
    EXPECT_TRUE(FileFaults::strays(m_dir.path(), {"f"}).isEmpty());

    EXPECT_FALSE(SafeFile::replace(at(QStringLiteral("missing/f")), "x", {}, {}, &error));
    EXPECT_TRUE(error.endsWith(u'（' + words(ENOENT) + u'）')) << error.toStdString();
}

TEST(FileError, SaysWhatFailedWithTheFileThenTheSystemsWords)
{
    EXPECT_EQ(FileError::cannotWrite(QStringLiteral("/d/tlvdata2.data"), EACCES),
              QStringLiteral("/d/tlvdata2.data に書き込めませんでした（%1）").arg(words(EACCES)));
    EXPECT_EQ(FileError::cannotWrite(QStringLiteral("/d/tlvdata2.data"), ENOSPC),
              QStringLiteral("/d/tlvdata2.data に書き込めませんでした（ディスクの空きがありません）"));
    EXPECT_EQ(FileError::cannotRead(QStringLiteral("a"), ENOENT),
              QStringLiteral("a を読み込めませんでした（%1）").arg(words(ENOENT)));
}

TEST_F(SafeFileTest, AChosenNameIsReplacedWhateverStandsThereAndNeverFollowed)
{
    Umask mask(0);
    const QString victim = at(QStringLiteral("victim"));
    Sandbox::writeFile(victim, "precious");
    ::chmod(QFile::encodeName(victim).constData(), 0644);
    const auto modeOf = [](const QString &path) {
        struct stat info {};
        ::lstat(QFile::encodeName(path).constData(), &info);
        return info.st_mode & 07777;
    };
    // What stands at the name, and the permissions the new file gets.
    const struct {
        const char *name;
        std::function<void(const QString &)> plant;
        mode_t mode;
    } cases[] = {
        {"nothing", [](const QString &) {}, 0600},
        {"a link", [&](const QString &path) { QFile::link(victim, path); }, 0600},
        {"a relative link", [&](const QString &path) { QFile::link(QStringLiteral("victim"), path); }, 0600},
        {"a dangling link", [&](const QString &path) { QFile::link(at(QStringLiteral("gone")), path); }, 0600},
        {"a file of the user's", [&](const QString &path) {
             Sandbox::writeFile(path, "old");
             ::chmod(QFile::encodeName(path).constData(), 0640);
         }, 0640},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = at(QString::fromLatin1(c.name));
        c.plant(path);
        QString error;
        ASSERT_TRUE(SafeFile::replaceChosen(path, "new", &error)) << error.toStdString();
        EXPECT_FALSE(QFileInfo(path).isSymLink());
        EXPECT_EQ(Sandbox::readFile(path), QByteArray("new"));
        EXPECT_EQ(modeOf(path), c.mode);
    }
    EXPECT_EQ(Sandbox::readFile(victim), QByteArray("precious"));
    EXPECT_FALSE(QFile::exists(at(QStringLiteral("gone"))));
    EXPECT_TRUE(FileFaults::strays(m_dir.path(), {"victim", "nothing", "a link", "a relative link", "a dangling link",
                                                  "a file of the user's"})
                    .isEmpty());
}

TEST_F(SafeFileTest, AChosenNameAnotherUserOwnsInASharedFolderIsRefused)
{
    const auto other = OtherUser::ids();
    if (!other)
        GTEST_SKIP() << OtherUser::kUnavailable;
    const QString shared = OtherUser::stickyFolder(at(QStringLiteral("tmp")));
    const QString victim = at(QStringLiteral("victim"));
    Sandbox::writeFile(victim, "precious");
    const QString link = shared + QStringLiteral("/link");
    ASSERT_TRUE(OtherUser::plantLink(victim, link, *other));
    const QString file = shared + QStringLiteral("/file");
    Sandbox::writeFile(file, "theirs");
    ::chmod(QFile::encodeName(file).constData(), 0666);
    ASSERT_EQ(::chown(QFile::encodeName(file).constData(), other->uid, other->gid), 0);

    QString error;
    EXPECT_FALSE(SafeFile::replaceChosen(link, "new", &error));
    EXPECT_EQ(error, FileError::ownedByAnother(link, true));
    EXPECT_FALSE(SafeFile::replaceChosen(file, "new", &error));
    EXPECT_EQ(error, FileError::ownedByAnother(file, false));
    EXPECT_EQ(Sandbox::readFile(victim), QByteArray("precious"));
    EXPECT_EQ(Sandbox::readFile(file), QByteArray("theirs"));
    EXPECT_TRUE(FileFaults::strays(shared, {"link", "file"}).isEmpty());

    // The same names outside a shared folder are the user's to replace.
    ::chmod(QFile::encodeName(shared).constData(), 0777);
    EXPECT_TRUE(SafeFile::replaceChosen(link, "new", &error)) << error.toStdString();
    EXPECT_EQ(Sandbox::readFile(victim), QByteArray("precious"));
}
