#include "core/junk/AuthResults.h"

#include <gtest/gtest.h>

namespace {

const QStringList kOwn = {QStringLiteral("mx.example.ne.jp")};

QByteArray header(const QByteArray &from, const QByteArray &results)
{
    return "Return-Path: <x@elsewhere.example>\r\n" + results + "From: " + from + "\r\nSubject: hi\r\n";
}

TEST(AuthResults, PassAndFailFromTheUsersOwnServer)
{
    const QByteArray from = "Bank <info@bank.example.co.jp>";
    // Passes aligned with the From domain, relaxed: a subdomain of the same organisation is fine.
    EXPECT_FALSE(AuthResults::spoofed(header(from, "Authentication-Results: mx.example.ne.jp;"
                                                   " spf=pass smtp.mailfrom=bounce@mail.bank.example.co.jp;"
                                                   " dkim=pass header.d=bank.example.co.jp\r\n"), kOwn));
    EXPECT_FALSE(AuthResults::spoofed(header(from, "Authentication-Results: mx.example.ne.jp;"
                                                   " spf=fail smtp.mailfrom=bank.example.co.jp;"
                                                   " dkim=pass header.i=@news.bank.example.co.jp\r\n"), kOwn));
    // DMARC failing settles it, whatever else passed.
    EXPECT_TRUE(AuthResults::spoofed(header(from, "Authentication-Results: mx.example.ne.jp; dmarc=fail"
                                                  " header.from=bank.example.co.jp; spf=pass smtp.mailfrom=bank.example.co.jp\r\n"), kOwn));
    // Passes for another domain speak not for the From one.
    EXPECT_TRUE(AuthResults::spoofed(header(from, "Authentication-Results: mx.example.ne.jp;"
                                                  " spf=pass smtp.mailfrom=phish@cheap-host.example;"
                                                  " dkim=pass header.d=cheap-host.example\r\n"), kOwn));
    EXPECT_TRUE(AuthResults::spoofed(header(from, "Authentication-Results: mx.example.ne.jp; spf=softfail"
                                                  " smtp.mailfrom=bank.example.co.jp; dkim=none\r\n"), kOwn));
    // Another organisation under co.jp is another organisation.
    EXPECT_TRUE(AuthResults::spoofed(header(from, "Authentication-Results: mx.example.ne.jp;"
                                                  " dkim=pass header.d=other.co.jp\r\n"), kOwn));
    // Nothing checked, or no header at all: no warning.
    EXPECT_FALSE(AuthResults::spoofed(header(from, "Authentication-Results: mx.example.ne.jp; none\r\n"), kOwn));
    EXPECT_FALSE(AuthResults::spoofed(header(from, "Authentication-Results: mx.example.ne.jp 1; none\r\n"), kOwn));
    EXPECT_FALSE(AuthResults::spoofed(header(from, ""), kOwn));
}

TEST(AuthResults, HeadersFromAnyOtherAuthservIdAreIgnored)
{
    const QByteArray from = "<info@bank.example>";
    const QByteArray forged = "Authentication-Results: mx.example.ne.jp.evil.example; dmarc=fail\r\n"
                              "Authentication-Results: evil.example; spf=fail smtp.mailfrom=bank.example\r\n";
    EXPECT_FALSE(AuthResults::spoofed(header(from, forged), kOwn));
    // A forged pass does not hide the own server's fail either.
    const QByteArray both = "Authentication-Results: evil.example; spf=pass smtp.mailfrom=bank.example;"
                            " dkim=pass header.d=bank.example\r\n"
                            "Authentication-Results: MX.Example.NE.JP; spf=fail smtp.mailfrom=bank.example\r\n";
    EXPECT_TRUE(AuthResults::spoofed(header(from, both), kOwn));
    EXPECT_FALSE(AuthResults::spoofed(header(from, both), {}));
}

TEST(AuthResults, SeveralFoldedAndCommentedHeadersAreReadAsTheSyntaxAllows)
{
    const QByteArray folded = "Authentication-Results: mx.example.ne.jp (Postfix\r\n"
                              "\tversion (nested) 3.7) 1;\r\n"
                              "  spf = pass (sender SPF authorized) smtp.mailfrom=\"user@bank.example\";\r\n"
                              "  dkim=fail (bad signature; \"quoted\") header.d=bank.example\r\n"
                              "Authentication-Results: mx.example.ne.jp; dkim/1=pass header.d=bank.example\r\n";
    const QList<AuthResults::Header> parsed = AuthResults::parse(header("<a@bank.example>", folded));
    ASSERT_EQ(parsed.size(), 2);
    EXPECT_EQ(parsed[0].authservId, QStringLiteral("mx.example.ne.jp"));
    ASSERT_EQ(parsed[0].results.size(), 2);
    EXPECT_EQ(parsed[0].results[0].method, QStringLiteral("spf"));
    EXPECT_EQ(parsed[0].results[0].result, QStringLiteral("pass"));
    EXPECT_EQ(parsed[0].results[0].property(QStringLiteral("smtp.mailfrom")), QStringLiteral("user@bank.example"));
    EXPECT_EQ(parsed[0].results[1].result, QStringLiteral("fail"));
    EXPECT_EQ(parsed[0].results[1].property(QStringLiteral("header.d")), QStringLiteral("bank.example"));
    EXPECT_EQ(parsed[1].results[0].method, QStringLiteral("dkim"));
    EXPECT_FALSE(AuthResults::spoofed(header("<a@bank.example>", folded), kOwn));

    const QByteArray failing = "Authentication-Results: (the receiver) mx.example.ne.jp;\r\n"
                               " spf=fail (not permitted) smtp.mailfrom=bank.example\r\n"
                               "Authentication-Results: mx.example.ne.jp;\r\n dkim=neutral (no key) header.d=bank.example\r\n";
    EXPECT_TRUE(AuthResults::spoofed(header("\"Bank (official)\" <a@bank.example>", failing), kOwn));
}

TEST(AuthResults, TrustedIdsComeFromTheSettingOrThePop3ServersDomains)
{
    EXPECT_EQ(AuthResults::trustedIds(QStringLiteral(" mx1.example.jp, MX2.example.jp ,"), QStringLiteral("pop.example.jp")),
              (QStringList{QStringLiteral("mx1.example.jp"), QStringLiteral("mx2.example.jp")}));
    EXPECT_EQ(AuthResults::trustedIds({}, QStringLiteral("pop.mail.example.co.jp")),
              (QStringList{QStringLiteral("pop.mail.example.co.jp"), QStringLiteral("mail.example.co.jp"),
                           QStringLiteral("example.co.jp")}));
    EXPECT_EQ(AuthResults::trustedIds({}, QStringLiteral("POP.Example.com:995")),
              (QStringList{QStringLiteral("pop.example.com"), QStringLiteral("example.com")}));
    EXPECT_EQ(AuthResults::trustedIds({}, QStringLiteral("pop3.isp.jp")),
              (QStringList{QStringLiteral("pop3.isp.jp"), QStringLiteral("isp.jp")}));
    EXPECT_EQ(AuthResults::trustedIds({}, QStringLiteral("127.0.0.1")), (QStringList{QStringLiteral("127.0.0.1")}));
    EXPECT_EQ(AuthResults::trustedIds({}, QStringLiteral("localhost")), (QStringList{QStringLiteral("localhost")}));
    EXPECT_TRUE(AuthResults::trustedIds({}, {}).isEmpty());
    EXPECT_EQ(AuthResults::organisationalDomain(QStringLiteral("a.b.example.ne.jp")), QStringLiteral("example.ne.jp"));
    EXPECT_EQ(AuthResults::organisationalDomain(QStringLiteral("a.b.example.com")), QStringLiteral("example.com"));
}

} // namespace
