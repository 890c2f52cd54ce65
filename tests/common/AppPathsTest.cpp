#include "core/common/AppPaths.h"

#include "support/Sandbox.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

TEST(AppPaths, BothSpellingsOfTheDataFolderNameOneFolder)
{
    Sandbox sandbox(false);
    QDir(sandbox.appDir()).mkdir(QStringLiteral("★MAilData"));
    const QString expected = sandbox.appDir() + QStringLiteral("/★MAilData/iniIdPass.ini");
    EXPECT_EQ(AppPaths::resolve(AppPaths::kAccountFile), expected);
    EXPECT_EQ(AppPaths::resolve(QStringLiteral("\\★MAilData\\iniIdPass.ini")), expected);
}

TEST(AppPaths, FileNamesResolveToAnExistingSpellingOrStayAsWritten)
{
    Sandbox sandbox;
    const QString folder = sandbox.appDir() + QStringLiteral("/★MAilData/");
    EXPECT_EQ(AppPaths::resolve(AppPaths::kAddressBook), folder + QStringLiteral("Tlvdata20.data"));
    Sandbox::writeFile(folder + QStringLiteral("tlvdata20.data"), "x");
    EXPECT_EQ(AppPaths::resolve(AppPaths::kAddressBook), folder + QStringLiteral("tlvdata20.data"));
    EXPECT_EQ(AppPaths::resolve(QStringLiteral("\\★MAilData\\TLVDATA20.DATA")),
              folder + QStringLiteral("tlvdata20.data"));
    EXPECT_EQ(AppPaths::resolve(AppPaths::kAttachmentFolder),
              sandbox.appDir() + QStringLiteral("/添付フォルダ/"));
}

TEST(AppPaths, StartUpCreatesMissingFoldersOnceWhateverTheirSpelling)
{
    Sandbox sandbox(false);
    QDir(sandbox.appDir()).mkdir(QStringLiteral("★MailData"));
    EXPECT_TRUE(AppPaths::ensureInstallationFolders().isEmpty());
    QStringList entries = QDir(sandbox.appDir()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    entries.sort();
    QStringList expected{QStringLiteral("★MailData"), QStringLiteral("添付フォルダ"),
                         QStringLiteral("送信メール"),
                         QStringLiteral("顔文字データ"), QStringLiteral("■TextQuickSave")};
    expected.sort();
    EXPECT_EQ(entries, expected);
}

TEST(AppPaths, OptionsFileIsABareNameInTheWorkingDirectory)
{
    Sandbox sandbox;
    EXPECT_EQ(QFileInfo(AppPaths::kOptionsFile).absoluteFilePath(),
              QFileInfo(sandbox.workPath(QStringLiteral("tolvar.ini"))).absoluteFilePath());
}
