// Mail and addresses are the user's alone: what Pintora makes is 0700 and
// 0600 whatever the umask, and older installations are made so once.
#include "core/common/AppPaths.h"
#include "core/common/PrivateFolders.h"

#include "core/addressbook/AddressBook.h"
#include "core/history/HistoryFile.h"
#include "core/mail/mime/AttachmentWriter.h"
#include "support/OtherUser.h"
#include "support/Sandbox.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

mode_t modeOf(const QString &path)
{
    struct stat info {};
    ::lstat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 07777;
}

void setMode(const QString &path, mode_t mode)
{
    ::chmod(QFile::encodeName(path).constData(), mode);
}

QString folderOf(const QString &relative)
{
    QString path = AppPaths::resolve(relative);
    while (path.endsWith(u'/'))
        path.chop(1);
    return path;
}

} // namespace

TEST(PrivateFolders, WhatPintoraMakesForMailIsTheUsersAloneWhateverTheUmask)
{
    Umask mask(0);
    Sandbox sandbox;
    for (const QString &relative : PrivateFolders::mailFolders())
        EXPECT_EQ(modeOf(folderOf(relative)), 0700u) << qPrintable(relative);
    EXPECT_EQ(modeOf(folderOf(AppPaths::kEmoticonFolder)), 0777u);

    HistoryFile(HistoryFile::Kind::Received)
        .append({QStringLiteral("件名"), QStringLiteral("Mon, 7 Dec 2026 08:30:00 +0900"), QStringLiteral("a@example.jp"),
                 QStringLiteral("本文")});
    HistoryFile(HistoryFile::Kind::Sent)
        .append({QStringLiteral("件名"), QStringLiteral("2026/12/07  09:15:00"), QStringLiteral("b@example.jp"),
                 QStringLiteral("本文")});
    AddressBook().append(QStringLiteral("山田"), QStringLiteral("yamada@example.jp"));
    const auto attachment =
        AttachmentWriter(AppPaths::resolve(AppPaths::kAttachmentFolder)).write(QStringLiteral("見積書.pdf"), "%PDF");
    ASSERT_TRUE(attachment);
    for (const QString &file : {AppPaths::resolve(AppPaths::kReceivedHistory), AppPaths::resolve(AppPaths::kSentHistory),
                                AppPaths::resolve(AppPaths::kAddressBook), *attachment})
        EXPECT_EQ(modeOf(file), 0600u) << qPrintable(file);

    // A mail folder the user removed comes back private.
    const QString sent = folderOf(AppPaths::kSentMailFolder);
    ASSERT_TRUE(QDir(sent).removeRecursively());
    EXPECT_TRUE(PrivateFolders::make(AppPaths::resolve(AppPaths::kSentMailFolder)));
    EXPECT_EQ(modeOf(sent), 0700u);
}

TEST(PrivateFolders, AnOlderInstallationIsTightenedOnceAndWhatLinksPointAtIsLeftAlone)
{
    Sandbox sandbox;
    const QString data = folderOf(AppPaths::kDataFolder);
    const QString attachments = folderOf(AppPaths::kAttachmentFolder);
    const QString quickSave = folderOf(AppPaths::kQuickSaveFolder);
    const QString emoticons = folderOf(AppPaths::kEmoticonFolder);
    // As an installation made under a umask of 022 left them.
    for (const QString &folder : {data, attachments, quickSave, emoticons, folderOf(AppPaths::kSentMailFolder)})
        setMode(folder, 0755);
    QDir().mkpath(attachments + QStringLiteral("/old"));
    setMode(attachments + QStringLiteral("/old"), 0755);
    const QStringList files = {data + QStringLiteral("/tlvdata2.data"), attachments + QStringLiteral("/a.pdf"),
                               attachments + QStringLiteral("/old/b.eml"), quickSave + QStringLiteral("/c.txt")};
    for (const QString &file : files) {
        Sandbox::writeFile(file, "mail");
        setMode(file, 0644);
    }
    Sandbox::writeFile(emoticons + QStringLiteral("/kao.txt"), "(^_^)");
    setMode(emoticons + QStringLiteral("/kao.txt"), 0644);
    // Shared on purpose, outside the installation: through a file link and a folder link.
    const QString shared = sandbox.workPath(QStringLiteral("shared.txt"));
    Sandbox::writeFile(shared, "for everyone");
    setMode(shared, 0644);
    ASSERT_TRUE(QFile::link(shared, quickSave + QStringLiteral("/shared.txt")));
    const QString elsewhere = sandbox.workPath(QStringLiteral("sent elsewhere"));
    QDir().mkpath(elsewhere);
    setMode(elsewhere, 0755);
    Sandbox::writeFile(elsewhere + QStringLiteral("/d.eml"), "mail");
    setMode(elsewhere + QStringLiteral("/d.eml"), 0644);
    ASSERT_TRUE(QDir(folderOf(AppPaths::kSentMailFolder)).removeRecursively());
    ASSERT_TRUE(QFile::link(elsewhere, folderOf(AppPaths::kSentMailFolder)));
    // A file the user keeps readable only for the group stays readable for nobody else.
    setMode(files[1], 0640);

    const QStringList changed = PrivateFolders::tightenOnce();
    EXPECT_EQ(changed.size(), 3 + 1 + files.size());
    for (const QString &folder : {data, attachments, attachments + QStringLiteral("/old"), quickSave})
        EXPECT_EQ(modeOf(folder), 0700u) << qPrintable(folder);
    for (const QString &file : files)
        EXPECT_EQ(modeOf(file), 0600u) << qPrintable(file);
    EXPECT_EQ(modeOf(emoticons), 0755u);
    EXPECT_EQ(modeOf(emoticons + QStringLiteral("/kao.txt")), 0644u);
    EXPECT_EQ(modeOf(shared), 0644u);
    EXPECT_EQ(modeOf(elsewhere), 0755u);
    EXPECT_EQ(modeOf(elsewhere + QStringLiteral("/d.eml")), 0644u);

    // Once: what the user opens up afterwards stays open.
    setMode(files[3], 0644);
    EXPECT_TRUE(PrivateFolders::tightenOnce().isEmpty());
    EXPECT_EQ(modeOf(files[3]), 0644u);
}

TEST(PrivateFolders, FilesOfAnotherUserInTheInstallationAreNotTheirsToChange)
{
    const auto other = OtherUser::ids();
    if (!other)
        GTEST_SKIP() << OtherUser::kUnavailable;
    Sandbox sandbox;
    const QString theirs = folderOf(AppPaths::kAttachmentFolder) + QStringLiteral("/theirs.txt");
    Sandbox::writeFile(theirs, "x");
    setMode(theirs, 0644);
    ASSERT_EQ(::chown(QFile::encodeName(theirs).constData(), other->uid, other->gid), 0);
    PrivateFolders::tightenOnce();
    EXPECT_EQ(modeOf(theirs), 0644u);
}
