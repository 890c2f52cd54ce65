#include "core/search/SearchCommand.h"
#include "core/search/SearchIndex.h"

#include "support/ProgramRun.h"
#include "support/Sandbox.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

using Kind = HistoryFile::Kind;

// A history of mails told apart by a word of their own.
void writeHistory(int count)
{
    HistoryFile received(Kind::Received);
    for (int n = 1; n <= count; ++n)
        received.append({QStringLiteral("件名%1").arg(n), QStringLiteral("Mon, 7 Dec 2026 10:00:00 +0900"),
                         QStringLiteral("f%1@example.jp").arg(n),
                         QStringLiteral("遠足のお知らせ 番号%1番 %2").arg(n).arg(QString(200, u'本'))});
}

// Starts the build in a child and kills it (SIGKILL) once it has reported
// at least `after` mails indexed, or at once after opening with after = 0.
int buildAndKill(const Sandbox &sandbox, int after)
{
    QProcess child;
    child.start(QStringLiteral(PINTORA_SEARCH_CHILD), {sandbox.appDir()});
    EXPECT_TRUE(child.waitForStarted());
    int indexed = 0;
    QByteArray pending;
    while (child.state() == QProcess::Running && child.waitForReadyRead(30000)) {
        pending += child.readAllStandardOutput();
        bool stop = false;
        while (pending.contains('\n')) {
            const QByteArray line = pending.left(pending.indexOf('\n'));
            pending.remove(0, line.size() + 1);
            if (line.startsWith("open") && after == 0)
                stop = true;
            else if (!line.startsWith("open"))
                indexed = line.split(' ').value(0).toInt();
            if (after > 0 && indexed >= after)
                stop = true;
        }
        if (stop)
            break;
    }
    child.kill();
    child.waitForFinished();
    return indexed;
}

QList<int> numbersFound(SearchIndex &index, const QString &text)
{
    QList<int> out;
    for (const auto &hit : index.search(*SearchQuery::parse(text)).hits)
        out << hit.number;
    return out;
}

TEST(SearchBuild, AKilledBuildGoesOnFromWhereItWas)
{
    Sandbox sandbox;
    writeHistory(400);
    const int reported = buildAndKill(sandbox, 100);
    ASSERT_GE(reported, 100);

    SearchIndex index;
    QString notice;
    ASSERT_TRUE(index.open(&notice));
    EXPECT_TRUE(notice.isEmpty()) << notice.toStdString();
    const auto kept = index.counts();
    EXPECT_GE(kept.indexed, reported);
    EXPECT_LT(kept.indexed, 400);
    EXPECT_EQ(kept.total, 400);

    int first = -1;
    ASSERT_TRUE(index.catchUp([&](int indexed, int) {
        if (first < 0)
            first = indexed;
    }, nullptr, 20));
    EXPECT_EQ(first, kept.indexed + 20);
    EXPECT_EQ(index.counts().indexed, 400);
    EXPECT_EQ(numbersFound(index, QStringLiteral("番号123番")), QList<int>{123});
    EXPECT_EQ(numbersFound(index, QStringLiteral("遠足")).size(), 400);
}

TEST(SearchBuild, KillsAtAnyMomentLeaveAUsableIndex)
{
    Sandbox sandbox;
    writeHistory(300);
    // Killed right after opening, and again several times mid-batch.
    buildAndKill(sandbox, 0);
    for (int after : {1, 41, 101, 161})
        buildAndKill(sandbox, after);

    SearchIndex index;
    QString notice;
    ASSERT_TRUE(index.open(&notice));
    EXPECT_TRUE(notice.isEmpty()) << notice.toStdString();
    EXPECT_GE(index.counts().indexed, 161);
    ASSERT_TRUE(index.catchUp());
    EXPECT_EQ(numbersFound(index, QStringLiteral("遠足")).size(), 300);
    EXPECT_EQ(numbersFound(index, QStringLiteral("番号7番")), QList<int>{7});
}

// The command line on an installation where the program does not run.
ProgramRun program(const Sandbox &sandbox, const QStringList &arguments)
{
    return ProgramRun::of(sandbox, QStringLiteral(PINTORA_EXECUTABLE), arguments, 120000);
}

TEST(SearchCommand, PrintsOneLinePerMailNewestFirstAndSaysHowItWent)
{
    Sandbox sandbox;
    HistoryFile received(Kind::Received);
    received.append({QStringLiteral("遠足のお知らせ"), QStringLiteral("Tue, 5 Mar 2024 09:00:00 +0900"),
                     QStringLiteral("学校 <school@example.jp>"), QStringLiteral("明日は遠足です。")});
    received.append({QStringLiteral("会議"), QStringLiteral("Wed, 6 Mar 2024 09:00:00 +0900"),
                     QStringLiteral("yamada@example.com"), QStringLiteral("議題")});
    HistoryFile sent(Kind::Sent);
    sent.append({QStringLiteral("Re: 遠足"), QStringLiteral("2024/03/07  10:00:00"), QStringLiteral("school@example.jp"),
                 QStringLiteral("了解")});

    ProgramRun run = program(sandbox, {QStringLiteral("--search"), QStringLiteral("遠足")});
    EXPECT_EQ(run.status, SearchCommand::kFound) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("sent\t1\t2024/03/07  10:00:00\tschool@example.jp\tRe: 遠足\n"
                                      "received\t1\tTue, 5 Mar 2024 09:00:00 +0900\t学校 <school@example.jp>\t遠足のお知らせ\n"));

    run = program(sandbox, {QStringLiteral("--search"), QStringLiteral("in:received from:yamada")});
    EXPECT_EQ(run.status, SearchCommand::kFound);
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("received\t2\t"))) << run.out.toStdString();

    run = program(sandbox, {QStringLiteral("--search"), QStringLiteral("運動会")});
    EXPECT_EQ(run.status, SearchCommand::kNone);
    EXPECT_EQ(run.out, QString());

    run = program(sandbox, {QStringLiteral("--search"), QStringLiteral("since:2024-02-30")});
    EXPECT_EQ(run.status, SearchCommand::kBadQuery);
    EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
    EXPECT_EQ(run.out, QString());
}

} // namespace
