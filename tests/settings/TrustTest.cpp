#include "core/settings/ServerTrustFile.h"
#include "ui/common/TrustQuestions.h"

#include "core/common/AppPaths.h"
#include "support/Sandbox.h"
#include "support/ScriptedPrompt.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSslCertificate>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using TrustQuestions::CertificateAnswer;

namespace {

enum { Always, Once, Cancel };

// A fresh self-signed certificate, made by openssl as a server's would be.
QSslCertificate makeCertificate(const QTemporaryDir &dir, const QString &name, const QString &commonName)
{
    const QString cert = dir.filePath(name + QStringLiteral(".pem"));
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("ec"),
                   QStringLiteral("-pkeyopt"), QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                   QStringLiteral("-keyout"), dir.filePath(name + QStringLiteral(".key")), QStringLiteral("-out"), cert,
                   QStringLiteral("-days"), QStringLiteral("30"), QStringLiteral("-subj"),
                   QStringLiteral("/O=Pintora Test/CN=") + commonName});
    openssl.waitForFinished(30000);
    const auto certificates = QSslCertificate::fromPath(cert);
    return certificates.isEmpty() ? QSslCertificate() : certificates.first();
}

QString opensslFingerprint(const QTemporaryDir &dir, const QString &name)
{
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"), {QStringLiteral("x509"), QStringLiteral("-noout"), QStringLiteral("-fingerprint"),
                                               QStringLiteral("-sha256"), QStringLiteral("-in"),
                                               dir.filePath(name + QStringLiteral(".pem"))});
    openssl.waitForFinished(30000);
    // "sha256 Fingerprint=AB:CD:..."
    return QString::fromLatin1(openssl.readAllStandardOutput()).trimmed().section(u'=', 1);
}

class Trust : public ::testing::Test {
protected:
    void SetUp() override
    {
        first = makeCertificate(certs, QStringLiteral("first"), QStringLiteral("localhost"));
        second = makeCertificate(certs, QStringLiteral("second"), QStringLiteral("localhost"));
        ASSERT_FALSE(first.isNull());
        ASSERT_FALSE(second.isNull());
    }

    QString trustPath() const { return AppPaths::resolve(QStringLiteral("\\★MAilData\\ServerTrust.ini")); }

    QTemporaryDir certs;
    Sandbox sandbox;
    ScriptedPrompt prompt;
    QSslCertificate first;
    QSslCertificate second;
    const QList<QSslError> selfSigned{QSslError(QSslError::SelfSignedCertificate, QSslCertificate())};
};

} // namespace

TEST_F(Trust, FingerprintIsTheSha256OpensslShows)
{
    EXPECT_EQ(ServerTrustFile::displayFingerprint(first), opensslFingerprint(certs, QStringLiteral("first")));
    EXPECT_EQ(ServerTrustFile::fingerprint(first),
              opensslFingerprint(certs, QStringLiteral("first")).remove(u':').toLower().toLatin1());
    EXPECT_NE(ServerTrustFile::fingerprint(first), ServerTrustFile::fingerprint(second));
}

TEST_F(Trust, DecisionsAreKeptPerHostAndPortForTheOwnerOnly)
{
    const ServerTrustFile file;
    EXPECT_EQ(file.server(QStringLiteral("mail.example.jp"), 995), ServerTrustFile::Server{});
    EXPECT_FALSE(QFile::exists(trustPath()));

    ASSERT_TRUE(file.pin(QStringLiteral("Mail.Example.JP"), 995, first));
    ASSERT_TRUE(file.rememberTls(QStringLiteral("mail.example.jp"), 110));
    ASSERT_TRUE(file.allowPlaintext(QStringLiteral("::1"), 25));
    EXPECT_EQ(file.path(), trustPath());
    EXPECT_EQ(QFile::permissions(trustPath()),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);

    // A new reader of the file sees the same decisions.
    const ServerTrustFile again(trustPath());
    EXPECT_TRUE(again.isPinned(QStringLiteral("mail.example.jp"), 995, first));
    EXPECT_FALSE(again.isPinned(QStringLiteral("mail.example.jp"), 995, second));
    EXPECT_FALSE(again.isPinned(QStringLiteral("mail.example.jp"), 110, first));
    EXPECT_EQ(QSslCertificate(again.server(QStringLiteral("mail.example.jp"), 995).pinnedPem), first);
    EXPECT_FALSE(again.server(QStringLiteral("mail.example.jp"), 995).seenTls);
    EXPECT_TRUE(again.server(QStringLiteral("mail.example.jp"), 110).seenTls);
    EXPECT_FALSE(again.server(QStringLiteral("mail.example.jp"), 110).plaintextAllowed);
    EXPECT_TRUE(again.server(QStringLiteral("::1"), 25).plaintextAllowed);
    EXPECT_FALSE(again.server(QStringLiteral("::1"), 26).plaintextAllowed);

    // Names the file's CP932 cannot hold are kept too.
    for (const QString &host : {QStringLiteral("müller.example"), QStringLiteral("메일.example"),
                                QStringLiteral("日本.example")}) {
        ASSERT_TRUE(file.rememberTls(host, 995));
        EXPECT_TRUE(again.server(host, 995).seenTls) << host.toStdString();
        EXPECT_FALSE(again.server(QStringLiteral("m?ller.example"), 995).seenTls);
    }

    // Pinning another certificate replaces the first.
    ASSERT_TRUE(file.pin(QStringLiteral("mail.example.jp"), 995, second));
    EXPECT_TRUE(again.isPinned(QStringLiteral("mail.example.jp"), 995, second));
    EXPECT_FALSE(again.isPinned(QStringLiteral("mail.example.jp"), 995, first));
}

TEST_F(Trust, CancelIsTheDefaultAndStoresNothing)
{
    EXPECT_EQ(TrustQuestions::askCertificate(QStringLiteral("localhost"), 995, first, selfSigned), CertificateAnswer::Cancel);
    ASSERT_EQ(prompt.choices.size(), 1);
    const Prompt::Choice &box = prompt.choices[0];
    EXPECT_EQ(box.title, QStringLiteral("証明書の確認"));
    EXPECT_EQ(box.buttons, (QStringList{QStringLiteral("常に信頼する(&A)"), QStringLiteral("今回のみ(&O)"),
                                        QStringLiteral("中止(&C)")}));
    EXPECT_EQ(box.defaultButton, Cancel);
    EXPECT_EQ(box.escapeButton, Cancel);
    for (const QString &part : {QStringLiteral("localhost（ポート 995）"), QStringLiteral("自己署名の証明書です"),
                                QStringLiteral("発行先：localhost, Pintora Test"), QStringLiteral("発行者：localhost, Pintora Test"),
                                QStringLiteral("有効期間："), ServerTrustFile::displayFingerprint(first)})
        EXPECT_TRUE(box.text.contains(part)) << part.toStdString() << "\n" << box.text.toStdString();
    EXPECT_FALSE(box.text.contains(QStringLiteral("警告")));
    EXPECT_FALSE(QFile::exists(trustPath()));
}

TEST_F(Trust, OnceAsksAgainNextTimeAndAlwaysPinsForThatServerOnly)
{
    prompt.answerChoice(Once);
    EXPECT_EQ(TrustQuestions::askCertificate(QStringLiteral("localhost"), 995, first, selfSigned), CertificateAnswer::Once);
    EXPECT_FALSE(ServerTrustFile().isPinned(QStringLiteral("localhost"), 995, first));

    prompt.answerChoice(Always);
    EXPECT_EQ(TrustQuestions::askCertificate(QStringLiteral("localhost"), 995, first, selfSigned), CertificateAnswer::Always);
    ASSERT_EQ(prompt.choices.size(), 2);
    EXPECT_TRUE(ServerTrustFile().isPinned(QStringLiteral("localhost"), 995, first));

    // Pinned: no question any more for that port; another port still asks.
    EXPECT_EQ(TrustQuestions::askCertificate(QStringLiteral("LOCALHOST"), 995, first, selfSigned), CertificateAnswer::Always);
    EXPECT_EQ(prompt.choices.size(), 2);
    EXPECT_EQ(TrustQuestions::askCertificate(QStringLiteral("localhost"), 465, first, selfSigned), CertificateAnswer::Cancel);
    EXPECT_EQ(prompt.choices.size(), 3);
}

TEST_F(Trust, ANewCertificateForAPinnedServerAsksAgainWithAWarning)
{
    ASSERT_TRUE(ServerTrustFile().pin(QStringLiteral("localhost"), 995, first));
    EXPECT_EQ(TrustQuestions::askCertificate(QStringLiteral("localhost"), 995, second, selfSigned), CertificateAnswer::Cancel);
    ASSERT_EQ(prompt.choices.size(), 1);
    EXPECT_TRUE(prompt.choices[0].text.startsWith(QStringLiteral("警告：このサーバーの証明書が、以前「常に信頼する」を選んだ証明書から変わっています。")))
        << prompt.choices[0].text.toStdString();
    EXPECT_EQ(prompt.choices[0].icon, Prompt::Icon::Critical);
    EXPECT_TRUE(ServerTrustFile().isPinned(QStringLiteral("localhost"), 995, first));

    prompt.answerChoice(Always);
    EXPECT_EQ(TrustQuestions::askCertificate(QStringLiteral("localhost"), 995, second, selfSigned), CertificateAnswer::Always);
    EXPECT_TRUE(ServerTrustFile().isPinned(QStringLiteral("localhost"), 995, second));
}

TEST_F(Trust, EveryReasonIsSaidInJapaneseOnce)
{
    const QList<QSslError> errors{
        QSslError(QSslError::SelfSignedCertificate, first),
        QSslError(QSslError::SelfSignedCertificateInChain, first),
        QSslError(QSslError::UnableToGetLocalIssuerCertificate, first),
        QSslError(QSslError::HostNameMismatch, first),
        QSslError(QSslError::CertificateExpired, first),
        QSslError(QSslError::CertificateNotYetValid, first),
        QSslError(QSslError::CertificateRevoked, first),
    };
    const QStringList said = TrustQuestions::reasons(errors);
    ASSERT_EQ(said.size(), 6);
    EXPECT_EQ(said[0], QStringLiteral("自己署名の証明書です（信頼できる認証局が発行したものではありません）"));
    EXPECT_EQ(said[1], QStringLiteral("発行者を確認できない証明書です"));
    EXPECT_EQ(said[2], QStringLiteral("証明書の名前がサーバー名と一致しません"));
    EXPECT_EQ(said[3], QStringLiteral("証明書の有効期限が切れています"));
    EXPECT_EQ(said[4], QStringLiteral("証明書の有効期間がまだ始まっていません"));
    EXPECT_TRUE(said[5].startsWith(QStringLiteral("証明書を確認できませんでした（"))) << said[5].toStdString();
}

TEST_F(Trust, APasswordInClearIsSentOnlyWithLeave)
{
    EXPECT_FALSE(TrustQuestions::askPlaintextPassword(QStringLiteral("pop.example.jp"), 110));
    ASSERT_EQ(prompt.choices.size(), 1);
    EXPECT_TRUE(prompt.choices[0].text.startsWith(QStringLiteral("暗号化されていない接続でパスワードを送ります。")));
    EXPECT_TRUE(prompt.choices[0].text.contains(QStringLiteral("pop.example.jp（ポート 110）")));
    EXPECT_EQ(prompt.choices[0].buttons.first(), QStringLiteral("常に許可(&A)"));
    EXPECT_EQ(prompt.choices[0].escapeButton, Cancel);
    EXPECT_FALSE(QFile::exists(trustPath()));

    prompt.answerChoice(Once);
    EXPECT_TRUE(TrustQuestions::askPlaintextPassword(QStringLiteral("pop.example.jp"), 110));
    prompt.answerChoice(Always);
    EXPECT_TRUE(TrustQuestions::askPlaintextPassword(QStringLiteral("pop.example.jp"), 110));
    ASSERT_EQ(prompt.choices.size(), 3);
    EXPECT_TRUE(TrustQuestions::askPlaintextPassword(QStringLiteral("pop.example.jp"), 110));
    EXPECT_EQ(prompt.choices.size(), 3);
    EXPECT_FALSE(TrustQuestions::askPlaintextPassword(QStringLiteral("pop.example.jp"), 25));
    EXPECT_EQ(prompt.choices.size(), 4);
}
