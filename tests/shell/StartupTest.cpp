#include "ui/shell/Startup.h"

#include "core/common/AppPaths.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"
#include "core/mail/MailLibrary.h"
#include "ui/settings/IdPassForm.h"
#include "ui/settings/OptionForm.h"
#include "ui/shell/Forms.h"
#include "ui/shell/MainForm.h"
#include "core/settings/RuntimeSettings.h"
#include "support/Sandbox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void writeOptions(const QString &dir, const QByteArray &content)
{
    Sandbox::writeFile(dir + QStringLiteral("/tolvar.ini"), content);
}

void writeAccount(const QByteArray &content)
{
    Sandbox::writeFile(AppPaths::resolve(AppPaths::kAccountFile), content);
}

bool shown(QWidget *window)
{
    return window && window->isVisible();
}

} // namespace

TEST(Startup, WithServerAndStoredAccountOnlyTheLauncherShows)
{
    Sandbox sandbox;
    writeOptions(sandbox.workDir(), "SMTP=smtp.a\r\nPOP3=pop.a\r\nMAIL=me@a\r\nAPOP=1\r\n");
    writeAccount("[EXEINI]\r\nNAME=user\r\nNAME2=secret\r\nNAME3=1\r\n");
    Startup::run();

    EXPECT_TRUE(shown(Forms::existing<MainForm>()));
    EXPECT_EQ(Forms::existing<OptionForm>(), nullptr);
    // The account window is loaded, holding the stored pair, but not shown.
    ASSERT_NE(Forms::existing<IdPassForm>(), nullptr);
    EXPECT_FALSE(Forms::existing<IdPassForm>()->isVisible());
    EXPECT_EQ(Forms::existing<IdPassForm>()->id(), QStringLiteral("user"));
    EXPECT_EQ(runtimeSettings().Pop3Server, QStringLiteral("pop.a"));
    EXPECT_EQ(runtimeSettings().UseApop, 1);
    // Only the account window and the mail check fill the runtime account.
    EXPECT_TRUE(runtimeSettings().AccountId.isEmpty());
    EXPECT_TRUE(MailLibrary::instance().isInitialized());
    EXPECT_EQ(MailLibrary::instance().bufferSize(), 8192);
}

TEST(Startup, FirstRunOpensBothSettingsWindowsAboveTheLauncher)
{
    Sandbox sandbox;
    Startup::run();
    EXPECT_TRUE(shown(Forms::existing<MainForm>()));
    EXPECT_TRUE(shown(Forms::existing<OptionForm>()));
    EXPECT_TRUE(shown(Forms::existing<IdPassForm>()));
    // The options window stays on top, so it must not hide the account window.
    EXPECT_FALSE(Forms::existing<OptionForm>()->frameGeometry().intersects(
        Forms::existing<IdPassForm>()->frameGeometry()));
}

TEST(Startup, EmptyPop3LineOrMissingPasswordOpensTheirWindows)
{
    Sandbox sandbox;
    writeOptions(sandbox.workDir(), "SMTP=smtp.a\r\nPOP3=\r\n");
    writeAccount("[EXEINI]\r\nNAME=user\r\nNAME3=0\r\n");
    Startup::run();
    EXPECT_TRUE(shown(Forms::existing<OptionForm>()));
    EXPECT_TRUE(shown(Forms::existing<IdPassForm>()));
}

TEST(Startup, OptionsComeFromTheWorkingDirectoryNotTheProgramFolder)
{
    Sandbox sandbox;
    writeOptions(sandbox.appDir(), "POP3=in.app.folder\r\n");
    writeAccount("[EXEINI]\r\nNAME=user\r\nNAME2=secret\r\n");
    Startup::run();
    EXPECT_TRUE(runtimeSettings().Pop3Server.isEmpty());
    EXPECT_TRUE(shown(Forms::existing<OptionForm>()));
    Forms::discardAll();

    QTemporaryDir other;
    writeOptions(other.path(), "POP3=from.other.dir\r\n");
    QDir::setCurrent(other.path());
    Startup::run();
    EXPECT_EQ(runtimeSettings().Pop3Server, QStringLiteral("from.other.dir"));
    EXPECT_EQ(Forms::existing<OptionForm>(), nullptr);
}

TEST(Startup, ARecordTornAtTheEndOfAHistoryIsCutBeforeItCanBeListed)
{
    Sandbox sandbox;
    writeOptions(sandbox.workDir(), "SMTP=smtp.a\r\nPOP3=pop.a\r\nMAIL=me@a\r\nAPOP=1\r\n");
    writeAccount("[EXEINI]\r\nNAME=user\r\nNAME2=secret\r\nNAME3=1\r\n");
    HistoryRecord whole;
    whole.Subject = QStringLiteral("whole");
    for (const HistoryFile::Kind kind : {HistoryFile::Kind::Received, HistoryFile::Kind::Sent}) {
        HistoryFile file(kind);
        ASSERT_TRUE(file.append(whole).ok);
        // Three quarters of a second record: a power cut during its write.
        QFile raw(file.path());
        ASSERT_TRUE(raw.open(QIODevice::Append));
        raw.write(whole.toBytes().left(HistoryRecord::kSize * 3 / 4));
    }
    Startup::recoverStoresUnderLock();
    for (const HistoryFile::Kind kind : {HistoryFile::Kind::Received, HistoryFile::Kind::Sent}) {
        HistoryFile file(kind);
        EXPECT_EQ(file.length(), HistoryRecord::kSize);
        HistoryRecord next;
        next.Subject = QStringLiteral("next");
        ASSERT_TRUE(file.append(next).ok);
        ASSERT_EQ(file.count(), 2);
        EXPECT_EQ(file.read(2)->trimmed().Subject, QStringLiteral("next"));
    }
    Forms::discardAll();
}

TEST(Startup, MissingInstallationFoldersAreCreated)
{
    Sandbox sandbox(false);
    Startup::run();
    for (const QString &folder : AppPaths::installationFolders())
        EXPECT_TRUE(QDir(AppPaths::resolve(folder)).exists()) << folder.toStdString();
}

TEST(Startup, EndReleasesTheMailLayer)
{
    Sandbox sandbox;
    Startup::run();
    Forms::existing<MainForm>()->close();
    EXPECT_FALSE(MailLibrary::instance().isInitialized());
    EXPECT_EQ(Forms::existing<IdPassForm>(), nullptr);
}

TEST(Startup, TemporariesOfReplacedFilesLeftByACrashGoUnderTheLockAndNothingElse)
{
    Sandbox sandbox;
    const QString data = AppPaths::resolve(AppPaths::kDataFolder) + u'/';
    const QString elsewhere = sandbox.workPath(QStringLiteral("elsewhere"));
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    // The tokens kept outside the installation through a link.
    Sandbox::writeFile(elsewhere + QStringLiteral("/tokens.ini"), "[a]\n");
    ASSERT_TRUE(QFile::link(elsewhere + QStringLiteral("/tokens.ini"), data + QStringLiteral("OAuthTokens.ini")));

    const QStringList leftovers = {
        data + QStringLiteral("uidl-0123456789abcdef.txt.tmp.a1B2c3D4e5F6"),
        data + QStringLiteral("uidl-deleted.txt.tmp.zzzzzzzzzzzz"),
        data + QStringLiteral("iniIdPass.ini.tmp.000000000000"),
        data + QStringLiteral("ServerTrust.ini.tmp.QWERTYuiop12"),
        elsewhere + QStringLiteral("/OAuthTokens.ini.tmp.abcdefghijkl"),
        sandbox.workPath(QStringLiteral("tolvar.ini.tmp.Zz09Zz09Zz09")),
        AppPaths::resolve(AppPaths::kEmoticonFolder) + QStringLiteral("Kao1.txt.tmp.mnbvcxzlkjhg"),
        AppPaths::resolve(AppPaths::kSentMailFolder) + QStringLiteral("件名.eml.tmp.poiuytrewq12"),
        // Exports the user sent into the installation.
        sandbox.appDir() + QStringLiteral("/book.vcf.tmp.ABCDEFGHIJKL"),
        AppPaths::resolve(AppPaths::kQuickSaveFolder) + QStringLiteral("sent.mbox.tmp.123456789012"),
    };
    const QStringList kept = {
        data + QStringLiteral("uidl-0123456789abcdef.txt"),
        data + QStringLiteral("uidl-0123456789abcdef.txt.tmp"),
        data + QStringLiteral("uidl-0123456789abcdef.txt.tmp.short"),
        data + QStringLiteral("uidl-0123456789abcdef.txt.tmp.a1B2c3D4e5F6x"),
        data + QStringLiteral("uidl-0123456789abcdef.txt.tmp.a1B2c3D4e5-6"),
        data + QStringLiteral("uidl-0123456789abcdef.txt.bak.a1B2c3D4e5F6"),
        data + QStringLiteral(".tmp.a1B2c3D4e5F6"),
        data + QStringLiteral("my notes.txt"),
        elsewhere + QStringLiteral("/other.ini.tmp.abcdefghijkl"),
        sandbox.workPath(QStringLiteral("other.ini.tmp.abcdefghijkl")),
        // A sender may name an attachment anything.
        AppPaths::resolve(AppPaths::kAttachmentFolder) + QStringLiteral("report.tmp.a1B2c3D4e5F6"),
    };
    for (const QString &path : leftovers + kept)
        Sandbox::writeFile(path, "x");
    // A link under such a name is not a leftover of ours.
    const QString link = data + QStringLiteral("ServerTrust.ini.tmp.LINKLINKLINK");
    ASSERT_TRUE(QFile::link(data + QStringLiteral("my notes.txt"), link));

    SingleInstance instance;
    ASSERT_EQ(Startup::claimInstallation(instance, {}), SingleInstance::Claim::First);
    for (const QString &path : leftovers)
        EXPECT_FALSE(QFileInfo::exists(path)) << qPrintable(path);
    for (const QString &path : kept)
        EXPECT_TRUE(QFileInfo::exists(path)) << qPrintable(path);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(Sandbox::readFile(elsewhere + QStringLiteral("/tokens.ini")), "[a]\n");
}

TEST(Startup, TheFirstStartMakesAnOlderInstallationsMailPrivateUnderTheLock)
{
    Sandbox sandbox;
    const QString received = AppPaths::resolve(AppPaths::kReceivedHistory);
    HistoryFile(HistoryFile::Kind::Received)
        .append({QStringLiteral("件名"), QStringLiteral("Mon, 7 Dec 2026 08:30:00 +0900"), QStringLiteral("a@example.jp"),
                 QStringLiteral("本文")});
    // As an older version left them under a umask of 022.
    const QString attachments = AppPaths::resolve(AppPaths::kAttachmentFolder);
    QFile::setPermissions(attachments, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                           | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(received, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);

    SingleInstance instance;
    ASSERT_EQ(Startup::claimInstallation(instance, {}), SingleInstance::Claim::First);
    EXPECT_EQ(QFileInfo(received).permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
    EXPECT_EQ(QFileInfo(attachments).permissions() & (QFile::ReadOther | QFile::ExeOther), QFile::Permissions());
}
