// The index's owner beside a check: what a check stores is taken in once the
// check is done, never while it stores.
#include "core/history/HistoryFile.h"
#include "core/search/SearchService.h"
#include "support/Sandbox.h"
#include "support/Wait.h"

#include <QCoreApplication>
#include <QThread>

#include <gtest/gtest.h>

namespace {

using Kind = HistoryFile::Kind;

TEST(SearchService, WaitsBehindACheckStoringMailThenTakesItIn)
{
    Sandbox sandbox;
    SearchService &service = SearchService::instance();
    service.start(20);
    bool ready = false;
    service.catchUpSoon(qApp, [&] { ready = true; });
    ASSERT_TRUE(waitUntil([&] { return ready; }));

    bool caughtUp = false;
    {
        HistoryFile::AppendSession session(Kind::Received);
        ASSERT_TRUE(session.acquired());
        HistoryFile(Kind::Received)
            .append({QStringLiteral("遠足"), QStringLiteral("Tue, 5 Mar 2024 09:00:00 +0900"),
                     QStringLiteral("school@example.jp"), QStringLiteral("雨天決行")});
        service.catchUpSoon(qApp, [&] { caughtUp = true; });
        // Many looks of the service go by; none of them touches the index.
        waitUntil([] { return false; }, 500);
        EXPECT_FALSE(caughtUp);
        EXPECT_EQ(service.index().counts().total, 0);
    }
    ASSERT_TRUE(waitUntil([&] { return caughtUp; }));
    EXPECT_EQ(service.index().search(*SearchQuery::parse(QStringLiteral("雨天"))).hits.size(), 1);
    service.stop();
}

} // namespace
