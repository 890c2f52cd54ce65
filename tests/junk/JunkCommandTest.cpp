#include "JunkSamples.h"

#include "core/common/Mbox.h"
#include "core/instance/SingleInstance.h"
#include "core/junk/JunkCommand.h"
#include "core/junk/JunkFilter.h"

#include "support/ProgramRun.h"
#include "support/Sandbox.h"

#include <QFile>
#include <QRegularExpression>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

const QStringList kCharsets = {QStringLiteral("ISO-2022-JP"), QStringLiteral("Shift_JIS"), QStringLiteral("UTF-8")};

QByteArray junkRaw(int n)
{
    return JunkSamples::mail(kCharsets[n % 3], QStringLiteral("ｷｬﾝﾍﾟｰﾝ事務局 <win%1@prize-center.example>").arg(n),
                             QStringLiteral("【当選】現金%1万円が当たりました").arg(n + 10),
                             QStringLiteral("おめでとうございます！今すぐ下記から受け取り手続きを。\n"
                                            "http://prize-center.example/get?n=%1\n期限は本日中です。")
                                 .arg(n));
}

QByteArray goodRaw(int n)
{
    return JunkSamples::mail(kCharsets[n % 3], QStringLiteral("佐藤 花子 <sato%1@example.co.jp>").arg(n % 4),
                             QStringLiteral("議事録 第%1回 定例会").arg(n + 10),
                             QStringLiteral("お疲れさまです。本日の定例会の議事録をお送りします。\n"
                                            "次回は来週木曜の午後二時からです。資料の準備をお願いします。"));
}

// Another program holding the installation, as a running Pintora does.
struct HeldLock {
    HeldLock()
    {
        fd = ::open(QFile::encodeName(SingleInstance::lockPath()).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        held = fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    }
    ~HeldLock()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int fd = -1;
    bool held = false;
};

class JunkCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        JunkFilter::instance().reset();
        QByteArray mbox;
        for (int n = 0; n < 11; ++n)
            Mbox::appendEntry(mbox, Mbox::separator("win@prize-center.example", {}), junkRaw(n));
        // Junk is often HTML alone, read through the GUI's text document even here.
        Mbox::appendEntry(mbox, Mbox::separator("win@prize-center.example", {}),
                          "From: <html@prize-center.example>\r\nSubject: =?UTF-8?B?" + QStringLiteral("当選のお知らせ").toUtf8().toBase64()
                              + "?=\r\nContent-Type: text/html; charset=UTF-8\r\n\r\n<html><body><font size=\"-1\" color=\"FF0000\">"
                              + QStringLiteral("現金プレゼント</font> <a href=\"http://prize-center.example/\">今すぐ</a></body></html>\r\n").toUtf8());
        Sandbox::writeFile(sandbox.workPath(QStringLiteral("junk.mbox")), mbox);
        for (int n = 0; n < 11; ++n)
            Sandbox::writeFile(sandbox.workPath(QStringLiteral("good%1.eml").arg(n)), goodRaw(n));
        Sandbox::writeFile(sandbox.workPath(QStringLiteral("new-junk.eml")), junkRaw(77));
        Sandbox::writeFile(sandbox.workPath(QStringLiteral("new-good.eml")), goodRaw(77));
    }
    void TearDown() override { JunkFilter::instance().reset(); }

    ProgramRun program(const QStringList &arguments)
    {
        return ProgramRun::of(sandbox, QStringLiteral(PINTORA_EXECUTABLE), arguments, 60000);
    }

    QStringList goodFiles() const
    {
        QStringList files;
        for (int n = 0; n < 11; ++n)
            files << QStringLiteral("good%1.eml").arg(n);
        return files;
    }

    Sandbox sandbox;
};

TEST_F(JunkCommandTest, TheProgramLearnsFromMboxAndEmlFilesThenTestsWithoutStoring)
{
    // Untrained: every mail unsure, and no store made for it.
    ProgramRun run = program({QStringLiteral("--junk-test"), QStringLiteral("new-junk.eml"), QStringLiteral("junk.mbox")});
    EXPECT_EQ(run.status, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out.count(QStringLiteral("unsure\t0.500\t")), 13) << qPrintable(run.out);
    EXPECT_FALSE(QFile::exists(sandbox.dataPath(QStringLiteral("\\★MAilData\\junk-words.sqlite"))));

    run = program({QStringLiteral("--junk-learn"), QStringLiteral("junk"), QStringLiteral("junk.mbox")});
    EXPECT_EQ(run.status, 0) << qPrintable(run.err);
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("junk.mbox: 12 通を迷惑メールとして学習しました")))
        << qPrintable(run.out);
    EXPECT_TRUE(run.out.contains(QStringLiteral("学習済み: 迷惑メール 12 通、迷惑メールではないメール 0 通\n")));

    run = program(QStringList{QStringLiteral("--junk-learn"), QStringLiteral("good")} + goodFiles());
    EXPECT_EQ(run.status, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out.count(QStringLiteral("1 通を迷惑メールではないメールとして学習しました")), 11);
    EXPECT_TRUE(run.out.contains(QStringLiteral("学習済み: 迷惑メール 12 通、迷惑メールではないメール 11 通\n")));

    // Learnt again: nothing counts twice.
    run = program({QStringLiteral("--junk-learn"), QStringLiteral("junk"), QStringLiteral("junk.mbox")});
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("junk.mbox: 0 通を迷惑メールとして学習しました（学習済みだった 12 通を除く）")));

    const QByteArray storeBefore = Sandbox::readFile(sandbox.dataPath(QStringLiteral("\\★MAilData\\junk-words.sqlite")));
    run = program({QStringLiteral("--junk-test"), QStringLiteral("new-junk.eml"), QStringLiteral("new-good.eml")});
    EXPECT_EQ(run.status, 0) << qPrintable(run.err);
    const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << qPrintable(run.out);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^junk\\t(0\\.9\\d\\d|1\\.000)\\tnew-junk\\.eml$")).match(lines[0]).hasMatch())
        << qPrintable(lines[0]);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^good\\t0\\.[01]\\d\\d\\tnew-good\\.eml$")).match(lines[1]).hasMatch())
        << qPrintable(lines[1]);
    EXPECT_EQ(Sandbox::readFile(sandbox.dataPath(QStringLiteral("\\★MAilData\\junk-words.sqlite"))), storeBefore);
}

TEST_F(JunkCommandTest, UnreadableFilesAndWrongFormsFailWithTheirReason)
{
    ProgramRun run = program({QStringLiteral("--junk-learn"), QStringLiteral("spam"), QStringLiteral("junk.mbox")});
    EXPECT_EQ(run.status, JunkCommand::kUsage);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("使い方: pintora --junk-learn junk|good")));
    EXPECT_EQ(program({QStringLiteral("--junk-test")}).status, JunkCommand::kUsage);

    run = program({QStringLiteral("--junk-learn"), QStringLiteral("good"), QStringLiteral("missing.eml"),
                   QStringLiteral("good1.eml")});
    EXPECT_EQ(run.status, JunkCommand::kFailed);
    EXPECT_EQ(run.err, QStringLiteral("missing.eml が見つかりません。\n"));
    EXPECT_TRUE(run.out.contains(QStringLiteral("good1.eml: 1 通を迷惑メールではないメールとして学習しました")));
    EXPECT_FALSE(run.out.contains(QStringLiteral("missing.eml")));

    Sandbox::writeFile(sandbox.workPath(QStringLiteral("empty.eml")), "\r\n");
    run = program({QStringLiteral("--junk-test"), QStringLiteral("empty.eml"), QStringLiteral("good1.eml")});
    EXPECT_EQ(run.status, JunkCommand::kFailed);
    EXPECT_EQ(run.err, QStringLiteral("empty.eml にはメールがありません。\n"));
    EXPECT_EQ(run.out, QStringLiteral("unsure\t0.500\tgood1.eml\n"));
}

TEST_F(JunkCommandTest, RefusesWhilePintoraRuns)
{
    HeldLock running;
    ASSERT_TRUE(running.held);
    for (const QStringList &arguments : {QStringList{QStringLiteral("--junk-learn"), QStringLiteral("junk"), QStringLiteral("junk.mbox")},
                                         QStringList{QStringLiteral("--junk-test"), QStringLiteral("junk.mbox")}}) {
        const ProgramRun run = program(arguments);
        EXPECT_EQ(run.status, JunkCommand::kInUse);
        EXPECT_EQ(run.err, QStringLiteral("Pintora が起動しているため実行できません。Pintora を終了してからもう一度実行してください。\n"));
        EXPECT_TRUE(run.out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(sandbox.dataPath(QStringLiteral("\\★MAilData\\junk-words.sqlite"))));
}

} // namespace
