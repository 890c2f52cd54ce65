#include "CheckTest.h"
#include "core/search/SearchService.h"
#include "ui/receive/MailCheck.h"
#include "ui/search/SearchStatus.h"
#include "support/Wait.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

QByteArray utf8Mail(const QByteArray &subject, const QByteArray &body)
{
    return "From: School <school@example.jp>\r\nTo: parent@example.jp\r\nSubject: =?UTF-8?B?" + subject.toBase64()
        + "?=\r\nDate: Mon, 7 Dec 2026 10:00:00 +0900\r\nMIME-Version: 1.0\r\n"
          "Content-Type: text/plain; charset=UTF-8\r\nContent-Transfer-Encoding: 8bit\r\n\r\n"
        + body;
}

class SearchAfterCheck : public CheckTest {
protected:
    void TearDown() override
    {
        SearchStatus::stop();
        CheckTest::TearDown();
    }

    QList<int> found(const QString &text)
    {
        QList<int> numbers;
        for (const auto &hit : SearchService::instance().index().search(*SearchQuery::parse(text)).hits)
            numbers << hit.number;
        return numbers;
    }
};

TEST_F(SearchAfterCheck, MailACheckStoredIsFoundWithoutAskingForIt)
{
    SearchStatus::start();
    bool ready = false;
    SearchService::instance().catchUpSoon(qApp, [&] { ready = true; });
    ASSERT_TRUE(waitUntil([&] { return ready; }));
    EXPECT_TRUE(found(QStringLiteral("雨天決行")).isEmpty());

    servers->deliver(user, utf8Mail("お知らせ", "来週の遠足は雨天決行です。\r\n"));
    servers->deliver(user, utf8Mail("会議", "議題は予算です。\r\n"));
    const auto outcome = MailCheck::run();
    ASSERT_EQ(outcome.stored, 2);
    // The check's end asks the index to catch up; nothing else is needed.
    EXPECT_TRUE(waitUntil([&] { return found(QStringLiteral("雨天決行")) == QList<int>{1}; }, 10000));
    EXPECT_EQ(found(QStringLiteral("subject:会議")), QList<int>{2});
}

} // namespace
