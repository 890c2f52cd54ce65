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
