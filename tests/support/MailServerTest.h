#pragma once

#include "support/MailServers.h"

#include <gtest/gtest.h>

// A test that talks to the harness's real servers, with a mailbox of its own.
// Fixtures that add to SetUp call this one first and return when it skipped.
class MailServerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        servers = MailServers::get();
        if (!servers)
            GTEST_SKIP() << "the mail servers of tests/harness are not running";
        servers->trustCertificate();
        user = MailServers::freshUser();
    }

    const MailServers *servers = nullptr;
    QString user;
};
