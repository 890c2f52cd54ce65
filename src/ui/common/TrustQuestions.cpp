#include "ui/common/TrustQuestions.h"

#include "ui/common/Prompt.h"
#include "core/settings/ServerTrustFile.h"

#include <QSslCertificate>

namespace TrustQuestions {

namespace {

enum Button { AlwaysButton, OnceButton, CancelButton };

QString reason(const QSslError &error)
{
    switch (error.error()) {
    case QSslError::SelfSignedCertificate:
    case QSslError::SelfSignedCertificateInChain:
        return QStringLiteral("自己署名の証明書です（信頼できる認証局が発行したものではありません）");
    case QSslError::UnableToGetIssuerCertificate:
    case QSslError::UnableToGetLocalIssuerCertificate:
    case QSslError::UnableToVerifyFirstCertificate:
    case QSslError::CertificateUntrusted:
        return QStringLiteral("発行者を確認できない証明書です");
    case QSslError::HostNameMismatch:
        return QStringLiteral("証明書の名前がサーバー名と一致しません");
    case QSslError::CertificateExpired:
        return QStringLiteral("証明書の有効期限が切れています");
    case QSslError::CertificateNotYetValid:
        return QStringLiteral("証明書の有効期間がまだ始まっていません");
    default:
        break;
    }
    return QStringLiteral("証明書を確認できませんでした（%1）").arg(error.errorString());
}

QString when(const QDateTime &time)
{
    return time.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
}

QString names(const QStringList &parts)
{
    return parts.isEmpty() ? QStringLiteral("（なし）") : parts.join(QStringLiteral(", "));
}

QString describe(const QSslCertificate &certificate)
{
    return QStringLiteral("発行先：%1\n発行者：%2\n有効期間：%3 から %4 まで\nSHA-256 指紋：\n%5")
        .arg(names(certificate.subjectInfo(QSslCertificate::CommonName)
                   + certificate.subjectInfo(QSslCertificate::Organization)),
             names(certificate.issuerInfo(QSslCertificate::CommonName)
                   + certificate.issuerInfo(QSslCertificate::Organization)),
             when(certificate.effectiveDate()), when(certificate.expiryDate()),
             ServerTrustFile::displayFingerprint(certificate));
}

QString server(const QString &host, quint16 port)
{
    return QStringLiteral("%1（ポート %2）").arg(host).arg(port);
}

} // namespace

QStringList reasons(const QList<QSslError> &errors)
{
    QStringList said;
    for (const QSslError &error : errors) {
        const QString text = reason(error);
        if (!said.contains(text))
            said << text;
    }
    return said;
}

CertificateAnswer askCertificate(const QString &host, quint16 port, const QSslCertificate &certificate,
                                 const QList<QSslError> &errors, QWidget *parent)
{
    const ServerTrustFile trust;
    const ServerTrustFile::Server known = trust.server(host, port);
    const QByteArray fingerprint = ServerTrustFile::fingerprint(certificate);
    if (!certificate.isNull() && !known.pinnedSha256.isEmpty() && known.pinnedSha256 == fingerprint)
        return CertificateAnswer::Always;

    const bool changed = !known.pinnedSha256.isEmpty();
    QString text;
    if (changed)
        text += QStringLiteral("警告：このサーバーの証明書が、以前「常に信頼する」を選んだ証明書から変わっています。\n"
                               "サーバーが証明書を更新したのでなければ、第三者が通信を盗み見ようとしている"
                               "おそれがあります。\n\n");
    text += QStringLiteral("サーバー %1 の証明書を確認できませんでした。\n").arg(server(host, port));
    for (const QString &line : reasons(errors))
        text += QStringLiteral("・%1\n").arg(line);
    text += u'\n' + describe(certificate) + QStringLiteral("\n\nこの証明書を信頼して接続しますか？");

    Prompt::Choice choice;
    choice.title = QStringLiteral("証明書の確認");
    choice.text = text;
    choice.icon = changed ? Prompt::Icon::Critical : Prompt::Icon::Warning;
    choice.buttons = {QStringLiteral("常に信頼する(&A)"), QStringLiteral("今回のみ(&O)"), QStringLiteral("中止(&C)")};
    choice.defaultButton = CancelButton;
    choice.escapeButton = CancelButton;
    choice.details = certificate.toText();

    switch (Prompt::instance().choose(choice, parent)) {
    case AlwaysButton: {
        QString error;
        if (!trust.pin(host, port, certificate, &error))
            Prompt::error(QStringLiteral("証明書を信頼済みとして記録できませんでした。今回だけ接続します。\n")
                              + error,
                          {}, parent);
        return CertificateAnswer::Always;
    }
    case OnceButton:
        return CertificateAnswer::Once;
    default:
        break;
    }
    return CertificateAnswer::Cancel;
}

bool askPlaintextPassword(const QString &host, quint16 port, QWidget *parent)
{
    const ServerTrustFile trust;
    if (trust.server(host, port).plaintextAllowed)
        return true;

    Prompt::Choice choice;
    choice.title = QStringLiteral("暗号化されていない接続");
    choice.text = QStringLiteral("暗号化されていない接続でパスワードを送ります。"
                                 "途中の経路でパスワードを読み取られるおそれがあります。\n"
                                 "サーバー：%1\n\n送ってよろしいですか？")
                      .arg(server(host, port));
    choice.icon = Prompt::Icon::Warning;
    choice.buttons = {QStringLiteral("常に許可(&A)"), QStringLiteral("今回のみ(&O)"), QStringLiteral("中止(&C)")};
    choice.defaultButton = CancelButton;
    choice.escapeButton = CancelButton;

    switch (Prompt::instance().choose(choice, parent)) {
    case AlwaysButton: {
        QString error;
        if (!trust.allowPlaintext(host, port, &error))
            Prompt::error(QStringLiteral("この選択を記録できませんでした。今回だけ送ります。\n") + error, {},
                          parent);
        return true;
    }
    case OnceButton:
        return true;
    default:
        break;
    }
    return false;
}

bool askSignInElsewhere(const QString &host, quint16 port, const QString &provider, QWidget *parent)
{
    Prompt::Box box;
    box.title = QStringLiteral("サインイン情報の送り先");
    box.text = QStringLiteral("サーバー %1 は、%2 のサーバー（oauth2.ini の hosts=）にありません。"
                              "送ると、このサーバーの持ち主が、あなたのアカウントでメールを受信・送信できるようになります。\n\n"
                              "このサーバーにサインイン情報を送りますか？\n（答えは ServerTrust.ini に記録され、次からは尋ねません）")
                   .arg(server(host, port), provider);
    box.icon = Prompt::Icon::Warning;
    box.buttons = Prompt::Buttons::YesNo;
    box.defaultNo = true;
    return Prompt::instance().ask(box, parent) == Prompt::Answer::Yes;
}

} // namespace TrustQuestions
