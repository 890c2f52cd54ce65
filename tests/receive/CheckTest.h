#pragma once

#include "core/history/HistoryFile.h"
#include "core/history/HistoryRecord.h"
#include "core/settings/AccountFile.h"
#include "core/settings/RuntimeSettings.h"
#include "ui/shell/Forms.h"
#include "ui/shell/MainForm.h"
#include "support/MailServerTest.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"

#include <QFileInfo>
#include <QList>
#include <QMap>

// A mail check against the harness's real Dovecot, in a fresh installation with
// the test's own mailbox stored as the account.
class CheckTest : public MailServerTest {
protected:
    void SetUp() override
    {
        MailServerTest::SetUp();
        if (IsSkipped())
            return;
        launcher = Forms::get<MainForm>();
        runtimeSettings().Pop3Server = servers->pop3Server();
        ASSERT_TRUE(AccountFile().store(user, servers->password));
    }

    // The received records in file order, trimmed as the boxes show them.
    static QList<HistoryRecord> records()
    {
        QList<HistoryRecord> list;
        const HistoryFile file(HistoryFile::Kind::Received);
        for (int n = 1; n <= file.count(); ++n)
            list << file.read(n)->trimmed();
        return list;
    }

    // How often each subject was stored; every record must be whole.
    static QMap<QString, int> storedSubjects()
    {
        const HistoryFile file(HistoryFile::Kind::Received);
        EXPECT_EQ(QFileInfo(file.path()).size() % HistoryRecord::kSize, 0) << "a torn record";
        QMap<QString, int> seen;
        for (const HistoryRecord &record : records())
            ++seen[record.Subject];
        return seen;
    }

    Sandbox sandbox;
    ScriptedPrompt prompt;
    MainForm *launcher = nullptr;
};
