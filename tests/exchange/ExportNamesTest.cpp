// Exports write to the name the user gave: whatever is there is replaced,
// never followed, and what another user planted in a shared folder is refused.
#include "core/exchange/CommandLine.h"

#include "core/addressbook/AddressBook.h"
#include "core/history/HistoryFile.h"
#include "core/history/HistoryState.h"
#include "ui/viewer/HistoryExchangeActions.h"
#include "ui/viewer/TyakuForm.h"
#include "support/OtherUser.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"
#include "support/Wait.h"

#include <QAction>
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

class ExportNames : public ::testing::Test {
protected:
    ExportNames()
    {
        HistoryFile(HistoryFile::Kind::Received)
            .append({QStringLiteral("攻撃者から"), QStringLiteral("Mon, 7 Dec 2026 08:30:00 +0900"),
                     QStringLiteral("a@example.jp"), QStringLiteral("echo owned\r\n")});
        AddressBook().append(QStringLiteral("山田"), QStringLiteral("yamada@example.jp"));
        Sandbox::writeFile(victim, "export PATH\n");
    }
    ~ExportNames() override { historyState() = {}; }

    Sandbox sandbox;
    const QString victim = sandbox.workPath(QStringLiteral(".bashrc"));
    // The exports of the command line, by the name they write to.
    const QList<QStringList> exports = {
        {QStringLiteral("--export-mbox"), QStringLiteral("received")},
        {QStringLiteral("--export-addresses")},
    };
    static QString nameFor(const QStringList &form)
    {
        return form.size() == 2 ? QStringLiteral("pintora-export.mbox") : QStringLiteral("pintora-export.vcf");
    }
};

} // namespace

TEST_F(ExportNames, ALinkOfTheUsersOwnIsReplacedByAPrivateFileAndItsTargetKept)
{
    Umask mask(0022);
    for (const QStringList &form : exports) {
        SCOPED_TRACE(qPrintable(form.join(u' ')));
        const QString name = sandbox.workPath(nameFor(form));
        ASSERT_TRUE(QFile::link(victim, name));
        const auto result = CommandLine::run(QStringList(form) << name);
        EXPECT_EQ(result.status, CommandLine::kDone) << qPrintable(result.error);
        EXPECT_FALSE(QFileInfo(name).isSymLink());
        EXPECT_GT(QFileInfo(name).size(), 0);
        EXPECT_EQ(modeOf(name), 0600u);
        EXPECT_EQ(Sandbox::readFile(victim), QByteArray("export PATH\n"));
    }
}

TEST_F(ExportNames, AnExistingFileKeepsThePermissionsItsOwnerGaveIt)
{
    for (const QStringList &form : exports) {
        SCOPED_TRACE(qPrintable(form.join(u' ')));
        const QString name = sandbox.workPath(nameFor(form));
        Sandbox::writeFile(name, "old");
        ::chmod(QFile::encodeName(name).constData(), 0644);
        EXPECT_EQ(CommandLine::run(QStringList(form) << name).status, CommandLine::kDone);
        EXPECT_NE(Sandbox::readFile(name), QByteArray("old"));
        EXPECT_EQ(modeOf(name), 0644u);
    }
}

TEST_F(ExportNames, ALinkAnotherUserPlantedInASharedFolderIsRefusedOnOneLine)
{
    const auto other = OtherUser::ids();
    if (!other)
        GTEST_SKIP() << OtherUser::kUnavailable;
    const QString shared = OtherUser::stickyFolder(sandbox.workPath(QStringLiteral("tmp")));
    for (const QStringList &form : exports) {
        SCOPED_TRACE(qPrintable(form.join(u' ')));
        const QString name = shared + u'/' + nameFor(form);
        ASSERT_TRUE(OtherUser::plantLink(victim, name, *other));
        const auto result = CommandLine::run(QStringList(form) << name);
        EXPECT_EQ(result.status, CommandLine::kFailed);
        EXPECT_TRUE(result.error.endsWith(
            QStringLiteral("%1 に書き込めませんでした（共有フォルダに別のユーザーが置いたリンクです。別の名前を選んでください）")
                .arg(name)))
            << qPrintable(result.error);
        EXPECT_EQ(Sandbox::readFile(victim), QByteArray("export PATH\n"));
        EXPECT_TRUE(QFileInfo(name).isSymLink());
        EXPECT_EQ(QDir(shared).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot).size(),
                  1 + exports.indexOf(form));
    }
}

TEST_F(ExportNames, TheHistoryWindowSaysSoInABoxAndTheEmlFilesArePrivate)
{
    Umask mask(0);
    ScriptedPrompt prompt;
    TyakuForm *form = TyakuForm::openHistory(HistoryFile::Kind::Received);
    const auto finished = [] { return waitUntil([] { return !ExchangeActions::isRunning(); }); };

    if (const auto other = OtherUser::ids()) {
        const QString name = OtherUser::stickyFolder(sandbox.workPath(QStringLiteral("tmp"))) + QStringLiteral("/x.mbox");
        ASSERT_TRUE(OtherUser::plantLink(victim, name, *other));
        prompt.answerFile(name);
        form->findChild<QAction *>(QStringLiteral("mexportmbox"))->trigger();
        ASSERT_TRUE(finished());
        ASSERT_EQ(prompt.boxes.size(), 1);
        EXPECT_EQ(prompt.boxes[0].icon, Prompt::Icon::Critical);
        EXPECT_EQ(prompt.boxes[0].text,
                  QStringLiteral("受信履歴を書き出せませんでした。\n%1 に書き込めませんでした（共有フォルダに別のユーザーが"
                                 "置いたリンクです。別の名前を選んでください）")
                      .arg(name));
        EXPECT_EQ(Sandbox::readFile(victim), QByteArray("export PATH\n"));
        prompt.boxes.clear();
    } else {
        std::printf("[ part skipped ] %s\n", OtherUser::kUnavailable);
    }

    const QString folder = sandbox.workPath(QStringLiteral("eml"));
    QDir().mkpath(folder);
    prompt.answerFile(folder);
    form->findChild<QAction *>(QStringLiteral("mexporteml"))->trigger();
    ASSERT_TRUE(finished());
    const QString file = folder + QStringLiteral("/00001 攻撃者から.eml");
    ASSERT_TRUE(QFile::exists(file)) << qPrintable(prompt.boxes.value(0).text);
    EXPECT_EQ(modeOf(file), 0600u);
}
