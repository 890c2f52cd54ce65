// pintora --search, the real program, while another start of it owns the index:
// this process plays the running program, as the desktop does.
#include "core/history/HistoryFile.h"
#include "core/instance/SingleInstance.h"
#include "core/search/SearchCommand.h"
#include "core/search/SearchService.h"
#include "ui/desktop/Requests.h"
#include "support/ProgramRun.h"
#include "support/Sandbox.h"
#include "support/Wait.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

using Kind = HistoryFile::Kind;

ProgramRun search(const Sandbox &sandbox, const QString &query)
{
    return ProgramRun::of(sandbox, QStringLiteral(PINTORA_EXECUTABLE), {QStringLiteral("--search"), query});
}

TEST(SearchCommandWhileRunning, TheRunningProgramCatchesUpAndTheCommandReadsItsIndex)
{
    Sandbox sandbox;
    HistoryFile received(Kind::Received);
    received.append({QStringLiteral("遠足のお知らせ"), QStringLiteral("Tue, 5 Mar 2024 09:00:00 +0900"),
                     QStringLiteral("学校 <school@example.jp>"), QStringLiteral("明日は遠足です。")});
    SingleInstance running;
    ASSERT_EQ(running.claim({}), SingleInstance::Claim::First);
    QObject::connect(&running, &SingleInstance::answerRequested, &Requests::answer);
    SearchService::instance().start(60000);
    bool built = false;
    SearchService::instance().catchUpSoon(qApp, [&] { built = true; });
    ASSERT_TRUE(waitUntil([&] { return built; }));

    // Stored after the build and not yet looked at (the next look is a minute
    // away): the running program takes it in before the command reads.
    received.append({QStringLiteral("遠足の持ち物"), QStringLiteral("Wed, 6 Mar 2024 09:00:00 +0900"),
                     QStringLiteral("学校 <school@example.jp>"), QStringLiteral("水筒と雨具")});
    ProgramRun run = search(sandbox, QStringLiteral("雨具"));
    EXPECT_EQ(run.status, SearchCommand::kFound) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("received\t2\tWed, 6 Mar 2024 09:00:00 +0900\t学校 <school@example.jp>\t遠足の持ち物\n"));

    run = search(sandbox, QStringLiteral("遠足"));
    EXPECT_EQ(run.status, SearchCommand::kFound) << run.err.toStdString();
    EXPECT_EQ(run.out.count(u'\n'), 2);
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("received\t2\t"))) << run.out.toStdString();

    run = search(sandbox, QStringLiteral("運動会"));
    EXPECT_EQ(run.status, SearchCommand::kNone) << run.err.toStdString();
    EXPECT_EQ(run.out, QString());

    run = search(sandbox, QStringLiteral("\"遠足"));
    EXPECT_EQ(run.status, SearchCommand::kBadQuery);
    EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();

    // The index stays the running program's: it still searches and keeps up.
    EXPECT_EQ(SearchService::instance().index().search(*SearchQuery::parse(QStringLiteral("雨具"))).hits.size(), 1);
    SearchService::instance().stop();
}

} // namespace
