#include "core/mail/net/SmtpSession.h"

#include "core/mail/mime/MimeWriter.h"
#include "core/mail/net/SaslOAuth.h"

#include <QHostAddress>
#include <QHostInfo>

#include <cctype>

const ServerAddress::Schemes SmtpSession::kSchemes{QStringLiteral("smtp"), QStringLiteral("smtps"), 25,
                                                    465};

namespace {

// Replies longer than this many lines are not a server talking.
constexpr int kMaxReplyLines = 1000;

// Servers that check the greeting want a full domain name where there is one.
QByteArray helloName()
{
    QByteArray name = QHostInfo::localHostName().toLatin1();
    const QByteArray domain = QHostInfo::localDomainName().toLatin1();
    if (!name.isEmpty() && !name.contains('.') && !domain.isEmpty())
        name += '.' + domain;
    for (char c : name)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.'))
            return "localhost";
    return name.isEmpty() ? QByteArray("localhost") : name;
}

} // namespace

bool SmtpSession::fail(const QString &text)
{
    m_error = text;
    return false;
}

bool SmtpSession::failWith(const Reply &reply)
{
    QStringList lines;
    for (const QByteArray &line : reply.lines)
        lines << QString::fromUtf8(line);
    return fail(lines.join(u'\n'));
}

std::optional<SmtpSession::Reply> SmtpSession::readReply()
{
    Reply reply;
    for (;;) {
        const auto line = m_line.readLine();
        if (!line) {
            fail(m_line.errorText());
            return std::nullopt;
        }
        const bool wellFormed = line->size() >= 3 && std::isdigit(static_cast<unsigned char>(line->at(0)))
            && std::isdigit(static_cast<unsigned char>(line->at(1)))
            && std::isdigit(static_cast<unsigned char>(line->at(2)))
            && (line->size() == 3 || line->at(3) == ' ' || line->at(3) == '-');
        const int code = wellFormed ? line->left(3).toInt() : 0;
        if (!wellFormed || (!reply.lines.isEmpty() && code != reply.code)) {
            fail(QStringLiteral("SMTPサーバーの応答が正しくありません: %1").arg(QString::fromUtf8(*line)));
            m_line.abort();
            return std::nullopt;
        }
        reply.code = code;
        reply.lines << *line;
        if (line->size() == 3 || line->at(3) == ' ')
            return reply;
        if (reply.lines.size() > kMaxReplyLines) {
            fail(QStringLiteral("SMTPサーバーの応答が長すぎます。"));
            m_line.abort();
            return std::nullopt;
        }
    }
}

bool SmtpSession::command(const QByteArray &line, int expected, Reply *reply)
{
    if (!m_line.writeLine(line))
        return fail(m_line.errorText());
    const auto answer = readReply();
    if (!answer)
        return false;
    if (reply)
        *reply = *answer;
    if (answer->code != expected)
        return failWith(*answer);
    return true;
}

bool SmtpSession::hello()
{
    m_extensions.clear();
    m_authMethods.clear();
    m_sizeLimit = 0;
    const QByteArray name = helloName();
    Reply reply;
    if (!command("EHLO " + name, 250, &reply)) {
        // A server too old for EHLO answers 5xx; anything else is the end.
        if (reply.code < 500 || reply.code > 504)
            return false;
        return command("HELO " + name, 250);
    }
    for (qsizetype i = 1; i < reply.lines.size(); ++i) {
        const QList<QByteArray> words = reply.lines[i].mid(4).trimmed().toUpper().split(' ');
        if (words.isEmpty())
            continue;
        m_extensions.insert(words.first());
        if (words.first() == "AUTH")
            m_authMethods << words.mid(1);
        if (words.first() == "SIZE" && words.size() > 1)
            m_sizeLimit = qMax<qint64>(0, words[1].toLongLong());
    }
    return true;
}

bool SmtpSession::open(const QString &serverText)
{
    const auto address = ServerAddress::parse(serverText, kSchemes);
    if (!address)
        return fail(QStringLiteral("SMTPサーバーの指定が正しくありません: %1").arg(serverText));
    if (!m_line.connectTo(*address))
        return fail(m_line.errorText());
    const auto greeting = readReply();
    if (!greeting)
        return false;
    if (greeting->code != 220)
        return failWith(*greeting);
    if (!hello())
        return false;
    if (!m_line.isEncrypted() && !m_extensions.contains("STARTTLS") && m_hooks && m_hooks->sawTlsBefore
        && m_hooks->sawTlsBefore(address->host, address->port)) {
        m_line.abort();
        return fail(QStringLiteral("SMTPサーバー %1 は以前は暗号化通信に対応していましたが、今回は暗号化を提案しませんでした。"
                                   "通信が書き換えられているおそれがあるため、送信しません。")
                        .arg(address->host));
    }
    if (!m_line.isEncrypted() && m_extensions.contains("STARTTLS")) {
        if (!command("STARTTLS", 220))
            return false;
        if (!m_line.startTls())
            return fail(m_line.errorText());
        // What the server said before TLS is void; ask again.
        if (!hello())
            return false;
    }
    return true;
}

bool SmtpSession::safeForPassword(bool encrypted, const QString &host)
{
    return encrypted || ServerAddress{host}.isLoopback();
}

bool SmtpSession::authenticate(const Credentials &credentials)
{
    m_authenticated = false;
    if (m_hooks && m_hooks->accessToken)
        return authenticateWithToken(credentials.id);
    if (m_authMethods.isEmpty() || credentials.id.isEmpty())
        return true;
    if (!safeForPassword(m_line.isEncrypted(), m_line.address().host)) {
        // Without anyone to ask, the password stays home and the server decides.
        if (!m_hooks || !m_hooks->plaintextPassword)
            return true;
        const ServerAddress &where = m_line.address();
        if (!m_hooks->plaintextPassword(where.host, where.port)) {
            m_line.abort();
            return fail(QStringLiteral("SMTPサーバー %1 へ暗号化されていない接続でパスワードを送らないため、送信を中止しました。")
                            .arg(where.host));
        }
    }
    const QByteArray id = credentials.id.toUtf8();
    const QByteArray password = credentials.password.toUtf8();
    if (m_authMethods.contains("PLAIN")) {
        const QByteArray token = (QByteArray(1, '\0') + id + QByteArray(1, '\0') + password).toBase64();
        if (!command("AUTH PLAIN " + token, 235))
            return false;
    } else if (m_authMethods.contains("LOGIN")) {
        if (!command("AUTH LOGIN", 334) || !command(id.toBase64(), 334) || !command(password.toBase64(), 235))
            return false;
    } else {
        return true;
    }
    m_authenticated = true;
    return true;
}

bool SmtpSession::authenticateWithToken(const QString &id)
{
    const ServerAddress &where = m_line.address();
    if (!SaslOAuth::lineMayCarry(m_line.isEncrypted(), where.host)) {
        m_line.abort();
        return fail(QStringLiteral("SMTPサーバー %1 との接続が暗号化されていないため、OAuth 2.0 のトークンを送らずに送信を中止しました。")
                        .arg(where.host));
    }
    if (!SaslOAuth::tokenMayGo(*m_hooks, where.host, where.port)) {
        m_line.abort();
        return fail(SaslOAuth::notTheProvidersServer(QStringLiteral("SMTP"), where.host, m_hooks->tokenProvider));
    }
    const auto mechanism = SaslOAuth::choose(m_authMethods);
    if (!mechanism)
        return fail(QStringLiteral("SMTPサーバー %1 は OAuth 2.0 でのサインイン（OAUTHBEARER / XOAUTH2）に対応していません。")
                        .arg(where.host));
    const QByteArray response =
        SaslOAuth::initialResponse(*mechanism, id.toUtf8(), m_hooks->accessToken(), where.host, where.port).toBase64();
    if (response.isEmpty())
        return fail(QStringLiteral("IDまたはアクセストークンに使えない文字が含まれているため、サインインしませんでした。"));
    if (!m_line.writeLine("AUTH " + SaslOAuth::name(*mechanism) + ' ' + response))
        return fail(m_line.errorText());
    auto reply = readReply();
    if (!reply)
        return false;
    QString status;
    if (reply->code == 334) {
        // A failure comes as a JSON challenge; the empty answer lets the server end the exchange.
        status = SaslOAuth::failureStatus(reply->lines.first().mid(4));
        if (!m_line.writeLine(SaslOAuth::failureAcknowledgement(*mechanism)))
            return fail(m_line.errorText());
        reply = readReply();
        if (!reply)
            return false;
    }
    if (reply->code != 235) {
        QStringList lines;
        for (const QByteArray &line : reply->lines)
            lines << QString::fromUtf8(line);
        const QString words = lines.join(u'\n');
        return fail(QStringLiteral("サーバーがサインインを拒否しました（%1）")
                        .arg(status.isEmpty() ? words : status + QStringLiteral(": ") + words));
    }
    m_authenticated = true;
    return true;
}

bool SmtpSession::transfer(const BuiltMail &mail)
{
    // Uploading a mail the server has said it will not take only wastes the line.
    if (m_sizeLimit > 0 && mail.data.size() > m_sizeLimit)
        return fail(QStringLiteral("メールが大きすぎるため送信できません。メールの大きさ: %1 バイト、SMTPサーバーの上限: %2 バイト")
                        .arg(mail.data.size())
                        .arg(m_sizeLimit));
    if (!command("MAIL FROM:<" + mail.sender + ">", 250))
        return false;
    // Every recipient is asked, so that one message can name all the refused ones.
    QStringList refused;
    for (const QByteArray &recipient : mail.recipients) {
        if (!m_line.writeLine("RCPT TO:<" + recipient + ">"))
            return fail(m_line.errorText());
        const auto answer = readReply();
        if (!answer)
            return false;
        // 251 is "will forward": accepted all the same.
        if (answer->code != 250 && answer->code != 251) {
            QStringList words;
            for (const QByteArray &line : answer->lines)
                words << QString::fromUtf8(line);
            refused << QString::fromLatin1(recipient) + QStringLiteral(": ") + words.join(u' ');
        }
    }
    if (!refused.isEmpty())
        return fail(QStringLiteral("受け付けられなかった宛先があるため、メールはどの宛先にも送信されていません。\n")
                    + refused.join(u'\n'));
    if (!command("DATA", 354))
        return false;
    if (!m_line.writeDotBlock(mail.data))
        return fail(m_line.errorText());
    // From here the mail cannot be called back: the answer is awaited whatever the user asks.
    m_dotHanded = true;
    m_line.setCancellable(false);
    if (m_hooks && m_hooks->handedOver)
        m_hooks->handedOver();
    m_line.allowLongReply();
    const auto answer = readReply();
    m_line.setCancellable(true);
    if (!answer)
        return fail(QStringLiteral("SMTPサーバー %1 にメールを最後まで渡しましたが、受け取ったという返事がありませんでした（%2）。"
                                   "メールは届いている可能性があります。")
                        .arg(m_line.address().host, m_error));
    m_dotAnswered = true;
    if (answer->code != 250)
        return failWith(*answer);
    return true;
}

void SmtpSession::quit()
{
    // The goodbye must not overwrite the reason a send failed.
    const QString error = m_error;
    if (m_line.isConnected() && m_line.writeLine("QUIT"))
        readReply();
    m_line.abort();
    m_error = error;
}
