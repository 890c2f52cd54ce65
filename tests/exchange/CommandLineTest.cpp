#include "core/exchange/CommandLine.h"
#include "core/instance/SingleInstance.h"
#include "core/instance/InstallationLock.h"

#include "core/addressbook/AddressBook.h"
#include "core/common/AppPaths.h"
#include "core/history/HistoryFile.h"
#include "support/ProgramRun.h"
#include "support/Sandbox.h"

#include <QFile>
#include <QProcess>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

// Another program holding the installation, as a running Pintora does.
class HeldLock {
public:
    HeldLock()
    {
        m_fd = ::open(QFile::encodeName(SingleInstance::lockPath()).constData(),
                      O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        held = m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) == 0;
    }
    ~HeldLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool held = false;

private:
    int m_fd = -1;
};

class CommandLineTest : public ::testing::Test {
protected:
    CommandLineTest()
    {
        HistoryFile received(HistoryFile::Kind::Received);
        received.append({QStringLiteral("件名一"), QStringLiteral("Mon, 7 Dec 2026 08:30:00 +0900"),
                         QStringLiteral("a@example.jp"), QStringLiteral("本文一\r\n")});
        received.append({QStringLiteral("件名二"), QStringLiteral("Mon, 7 Dec 2026 09:30:00 +0900"),
                         QStringLiteral("b@example.jp"), QStringLiteral("本文二\r\n")});
    }

    ProgramRun program(const QStringList &arguments)
    {
        return ProgramRun::of(sandbox, QStringLiteral(PINTORA_EXECUTABLE), arguments, 60000);
    }

    Sandbox sandbox;
};

} // namespace

TEST_F(CommandLineTest, ExportsAndImportsWithoutAWindow)
{
    const QString mbox = sandbox.workPath(QStringLiteral("received.mbox"));
    auto result = CommandLine::run({QStringLiteral("--export-mbox"), QStringLiteral("received"), mbox});
    EXPECT_EQ(result.status, CommandLine::kDone) << qPrintable(result.error);
    EXPECT_EQ(result.output, QStringLiteral("受信履歴の 2 通を %1 に書き出しました。").arg(mbox));
    EXPECT_TRUE(result.error.isEmpty());
    EXPECT_EQ(Sandbox::readFile(mbox).count("\nFrom "), 1);

    result = CommandLine::run({QStringLiteral("--import-mbox"), mbox});
    EXPECT_EQ(result.status, CommandLine::kDone) << qPrintable(result.error);
    EXPECT_EQ(result.output, QStringLiteral("2 通を受信履歴に取り込みました。"));
    EXPECT_EQ(HistoryFile(HistoryFile::Kind::Received).count(), 4);

    const QString vcf = sandbox.workPath(QStringLiteral("book.vcf"));
    AddressBook().append(QStringLiteral("山田"), QStringLiteral("yamada@example.jp"));
    result = CommandLine::run({QStringLiteral("--export-addresses"), vcf});
    EXPECT_EQ(result.status, CommandLine::kDone);
    EXPECT_EQ(result.output, QStringLiteral("アドレス帳の 1 件を %1 に書き出しました。").arg(vcf));

    result = CommandLine::run({QStringLiteral("--import-addresses"), QStringLiteral(PINTORA_EXCHANGE_DATA "/contacts-4.0.vcf")});
    EXPECT_EQ(result.status, CommandLine::kFailed);
    EXPECT_EQ(result.output, QStringLiteral("2 件をアドレス帳に追加しました。"));
    EXPECT_EQ(result.error, QStringLiteral("記録に収まらないため追加しなかった項目が 1 件あります: 渡辺 𠮷男 <yoshio@example.jp>"
                                           "（名前の「𠮷」はシフトJISにない文字です）"));
    EXPECT_EQ(AddressBook().count(), 3);
}

TEST_F(CommandLineTest, SaysWhatIsWrongOnOneLine)
{
    const struct {
        QStringList arguments;
        int status;
        QString error;
    } cases[] = {
        {{QStringLiteral("--export-mbox"), QStringLiteral("both"), QStringLiteral("x.mbox")}, CommandLine::kUsage,
         QStringLiteral("使い方:")},
        {{QStringLiteral("--import-mbox")}, CommandLine::kUsage, QStringLiteral("使い方:")},
        {{QStringLiteral("--import-mbox"), QStringLiteral("missing.mbox")}, CommandLine::kFailed,
         QStringLiteral("メールを取り込めませんでした（0 通は取り込み済みです）。missing.mbox が見つかりません。")},
        {{QStringLiteral("--import-addresses"), QStringLiteral("missing.csv")}, CommandLine::kFailed,
         QStringLiteral("アドレス帳に取り込めませんでした。missing.csv が見つかりません。")},
        {{QStringLiteral("--export-addresses"), QStringLiteral("book.txt")}, CommandLine::kUsage,
         QStringLiteral("書き出すファイルの名前は .vcf か .csv で終えてください: book.txt")},
        {{QStringLiteral("--export-mbox"), QStringLiteral("sent"), QStringLiteral("/nonexistent/folder/x.mbox")},
         CommandLine::kFailed, QStringLiteral("mbox に書き出せませんでした。")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(qPrintable(c.arguments.join(u' ')));
        const auto result = CommandLine::run(c.arguments);
        EXPECT_EQ(result.status, c.status);
        EXPECT_TRUE(result.error.startsWith(c.error)) << qPrintable(result.error);
        EXPECT_FALSE(result.error.contains(u'\n'));
        EXPECT_TRUE(result.output.isEmpty());
    }
}

TEST_F(CommandLineTest, RefusesWhilePintoraRuns)
{
    HeldLock running;
    ASSERT_TRUE(running.held);
    const QString mbox = sandbox.workPath(QStringLiteral("x.mbox"));
    const auto result = CommandLine::run({QStringLiteral("--export-mbox"), QStringLiteral("received"), mbox});
    EXPECT_EQ(result.status, CommandLine::kInUse);
    EXPECT_EQ(result.error, QStringLiteral("Pintora が起動しているため実行できません。Pintora を終了してからもう一度実行してください。"));
    EXPECT_FALSE(QFile::exists(mbox));
}

TEST_F(CommandLineTest, TheProgramItselfRunsTheFormsAndGivesTheirStatus)
{
    auto run = program({QStringLiteral("--export-mbox"), QStringLiteral("received"), QStringLiteral("out.mbox")});
    EXPECT_EQ(run.status, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, QStringLiteral("受信履歴の 2 通を out.mbox に書き出しました。\n"));
    EXPECT_TRUE(Sandbox::readFile(sandbox.workPath(QStringLiteral("out.mbox"))).startsWith("From a@example.jp "));

    run = program({QStringLiteral("--import-mbox"), QStringLiteral("missing.mbox")});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, QStringLiteral("メールを取り込めませんでした（0 通は取り込み済みです）。missing.mbox が見つかりません。\n"));

    {
        HeldLock running;
        ASSERT_TRUE(running.held);
        run = program({QStringLiteral("--import-mbox"), QStringLiteral("out.mbox")});
        EXPECT_EQ(run.status, 3);
        EXPECT_EQ(run.err, QStringLiteral("Pintora が起動しているため実行できません。Pintora を終了してからもう一度実行してください。\n"));
        EXPECT_EQ(HistoryFile(HistoryFile::Kind::Received).count(), 2);
    }
    run = program({QStringLiteral("--import-mbox"), QStringLiteral("out.mbox")});
    EXPECT_EQ(run.status, 0) << qPrintable(run.err);
    EXPECT_EQ(HistoryFile(HistoryFile::Kind::Received).count(), 4);
}
