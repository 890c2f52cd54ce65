#include "core/settings/ServerTrustFile.h"
#include "core/settings/TrustRules.h"
#include "ui/common/TrustHooks.h"

#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"

#include <QFile>

#include <gtest/gtest.h>

// Sending a provider's sign-in to a server its hosts= do not name is asked once per server
// and provider; the answer, yes or no, stands after that. A check that may not ask refuses
// and says it needs the user.
TEST(SignInTrust, ServerOutsideTheProvidersHostsIsAskedOnceAndTheAnswerKept)
{
    Sandbox sandbox;
    ScriptedPrompt prompt;
    const QString trustPath = ServerTrustFile().path();
    SessionHooks hooks;
    TrustHooks::install(hooks);
    ASSERT_TRUE(hooks.tokenElsewhere);
    const QString question = QStringLiteral("このサーバーにサインイン情報を送りますか");

    prompt.answerBox(Prompt::Answer::No);
    EXPECT_FALSE(hooks.tokenElsewhere(QStringLiteral("mail.attacker.example"), 995, QStringLiteral("Microsoft")));
    ASSERT_EQ(prompt.boxes.size(), 1);
    EXPECT_TRUE(prompt.boxes[0].text.contains(question));
    EXPECT_TRUE(prompt.boxes[0].text.contains(QStringLiteral("mail.attacker.example")));
    EXPECT_TRUE(prompt.boxes[0].text.contains(QStringLiteral("Microsoft")));
    EXPECT_TRUE(prompt.boxes[0].defaultNo);
    EXPECT_FALSE(hooks.tokenElsewhere(QStringLiteral("Mail.Attacker.Example"), 995, QStringLiteral("Microsoft")));
    EXPECT_EQ(prompt.boxes.size(), 1);

    prompt.answerBox(Prompt::Answer::Yes);
    EXPECT_TRUE(hooks.tokenElsewhere(QStringLiteral("mail.company.example"), 995, QStringLiteral("Microsoft")));
    EXPECT_TRUE(hooks.tokenElsewhere(QStringLiteral("mail.company.example"), 995, QStringLiteral("Microsoft")));
    EXPECT_EQ(prompt.boxes.size(), 2);
    // Another port or another provider is another question.
    prompt.answerBox(Prompt::Answer::No);
    EXPECT_FALSE(hooks.tokenElsewhere(QStringLiteral("mail.company.example"), 587, QStringLiteral("Microsoft")));
    prompt.answerBox(Prompt::Answer::No);
    EXPECT_FALSE(hooks.tokenElsewhere(QStringLiteral("mail.company.example"), 995, QStringLiteral("Google")));
    EXPECT_EQ(prompt.boxes.size(), 4);
    EXPECT_EQ(QFile::permissions(trustPath),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);

    int needsUser = 0;
    SessionHooks quiet;
    TrustRules::installQuiet(quiet, [&] { ++needsUser; });
    EXPECT_TRUE(quiet.tokenElsewhere(QStringLiteral("mail.company.example"), 995, QStringLiteral("Microsoft")));
    EXPECT_FALSE(quiet.tokenElsewhere(QStringLiteral("mail.attacker.example"), 995, QStringLiteral("Microsoft")));
    EXPECT_EQ(needsUser, 0);
    EXPECT_FALSE(quiet.tokenElsewhere(QStringLiteral("mail.unknown.example"), 995, QStringLiteral("Microsoft")));
    EXPECT_EQ(needsUser, 1);
    EXPECT_EQ(prompt.boxes.size(), 4);
    EXPECT_FALSE(ServerTrustFile().signInAnswer(QStringLiteral("mail.unknown.example"), 995, QStringLiteral("Microsoft")));
}

