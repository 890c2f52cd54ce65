#include "core/settings/OptionsFile.h"

#include "core/common/Cp932.h"
#include "support/Sandbox.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

TEST(OptionsFile, ReadsTheFourKeysAndSkipsEverythingElse)
{
    const ServerOptions options = OptionsFile::parse(
        "# comment\r\nSMTP=smtp.example.jp\r\nPOP3=pop.example.jp\r\nMAIL=me@example.jp\r\n"
        "APOP=1\r\nOTHER=x\r\n");
    EXPECT_EQ(options, (ServerOptions{QStringLiteral("smtp.example.jp"), QStringLiteral("pop.example.jp"),
                                      QStringLiteral("me@example.jp"), 1}));
}

TEST(OptionsFile, KeysAreCaseSensitiveAndALaterLineWins)
{
    const ServerOptions options =
        OptionsFile::parse("smtp=lower.example\r\nMAIL=first@a\r\nMAIL=second@a\r\nPop3=x\r\n");
    EXPECT_EQ(options.smtpServer, QString());
    EXPECT_EQ(options.pop3Server, QString());
    EXPECT_EQ(options.senderAddress, QStringLiteral("second@a"));
}

TEST(OptionsFile, ValuesAreCutAt100CharactersAndNotTrimmed)
{
    const QByteArray longName(150, 'h');
    const ServerOptions options = OptionsFile::parse("SMTP=" + longName + "\r\nPOP3= spaced \r\n");
    EXPECT_EQ(options.smtpServer, QString(100, u'h'));
    EXPECT_EQ(options.pop3Server, QStringLiteral(" spaced "));
    // The cut counts characters, not bytes.
    const ServerOptions kanji = OptionsFile::parse("MAIL=" + Cp932::encode(QString(120, u'字')));
    EXPECT_EQ(kanji.senderAddress, QString(100, u'字'));
}

TEST(OptionsFile, EveryLineEndingEndsALine)
{
    const ServerOptions options = OptionsFile::parse("SMTP=a\nPOP3=b\rMAIL=c\r\nAPOP=1");
    EXPECT_EQ(options, (ServerOptions{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), 1}));
}

TEST(OptionsFile, ApopTakesTheLeadingNumber)
{
    const struct {
        const char *text;
        qint16 value;
    } cases[] = {{"1", 1}, {"0", 0}, {" 1", 1}, {"1abc", 1}, {"abc", 0}, {"", 0},
                 {"-1", -1}, {"2.5", 2}, {"3.5", 4}, {"99999", 32767}, {"-99999", -32768}};
    for (const auto &c : cases)
        EXPECT_EQ(OptionsFile::leadingNumber(QString::fromLatin1(c.text)), c.value) << c.text;
    EXPECT_EQ(OptionsFile::parse("APOP=1 yes\r\n").useApop, 1);
}

TEST(OptionsFile, WritesFourCrLfLinesAndReadsThemBack)
{
    Sandbox sandbox;
    const ServerOptions options{QStringLiteral("smtp.example.jp"), QString(),
                                QStringLiteral("山田@example.jp"), 1};
    ASSERT_TRUE(OptionsFile::write(QStringLiteral("tolvar.ini"), options));
    EXPECT_EQ(Sandbox::readFile(sandbox.workPath(QStringLiteral("tolvar.ini"))),
              "SMTP=smtp.example.jp\r\nPOP3=\r\nMAIL=" + Cp932::encode(QStringLiteral("山田"))
                  + "@example.jp\r\nAPOP=1\r\n");
    EXPECT_EQ(OptionsFile::read(QStringLiteral("tolvar.ini")), options);
    EXPECT_FALSE(OptionsFile::read(QStringLiteral("absent.ini")).has_value());
}

TEST(OptionsFile, TimedCheckMinutesAreReadWithinTheirRangeAndWrittenOnlyWhenOn)
{
    const struct {
        const char *line;
        int minutes;
    } cases[] = {{"CHECKMIN=5", 5}, {"CHECKMIN=0", 0}, {"CHECKMIN=", 0}, {"CHECKMIN=abc", 0},
                 {"CHECKMIN=-3", 0}, {"CHECKMIN=1440", 1440}, {"CHECKMIN=99999", 1440},
                 {"checkmin=5", 0}, {"CHECKMIN=15 分", 15}};
    for (const auto &c : cases)
        EXPECT_EQ(OptionsFile::parse(QByteArray("POP3=p\r\n") + c.line + "\r\n").checkMinutes, c.minutes) << c.line;

    ServerOptions options{QStringLiteral("s"), QStringLiteral("p"), QStringLiteral("m"), 0};
    EXPECT_EQ(OptionsFile::format(options), QByteArray("SMTP=s\r\nPOP3=p\r\nMAIL=m\r\nAPOP=0\r\n"));
    options.checkMinutes = 30;
    EXPECT_EQ(OptionsFile::format(options), QByteArray("SMTP=s\r\nPOP3=p\r\nMAIL=m\r\nAPOP=0\r\nCHECKMIN=30\r\n"));
    EXPECT_EQ(OptionsFile::parse(OptionsFile::format(options)), options);
}

TEST(OptionsFile, TheReceivingServersNameIsReadTrimmedAndWrittenOnlyWhenSet)
{
    EXPECT_EQ(OptionsFile::parse("POP3=p\r\nAUTHSERV= mx.example.jp, example.jp \r\n").authserv,
              QStringLiteral("mx.example.jp, example.jp"));
    EXPECT_EQ(OptionsFile::parse("authserv=mx.example.jp\r\n").authserv, QString());

    ServerOptions options{QStringLiteral("s"), QStringLiteral("p"), QStringLiteral("m"), 0};
    options.authserv = QStringLiteral("   ");
    EXPECT_EQ(OptionsFile::format(options), QByteArray("SMTP=s\r\nPOP3=p\r\nMAIL=m\r\nAPOP=0\r\n"));
    options.authserv = QStringLiteral("mx.example.jp\nPOP3=evil.example");
    const ServerOptions back = OptionsFile::parse(OptionsFile::format(options));
    EXPECT_EQ(back.pop3Server, QStringLiteral("p"));
    options.authserv = QStringLiteral("mx.example.jp");
    EXPECT_EQ(OptionsFile::format(options),
              QByteArray("SMTP=s\r\nPOP3=p\r\nMAIL=m\r\nAPOP=0\r\nAUTHSERV=mx.example.jp\r\n"));
    EXPECT_EQ(OptionsFile::parse(OptionsFile::format(options)), options);
}
