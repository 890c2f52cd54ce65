#include "core/mail/net/Pop3Session.h"

#include "core/common/Cp932.h"
#include "core/mail/net/SaslOAuth.h"

#include <QCryptographicHash>
#include <QRegularExpression>

const ServerAddress::Schemes Pop3Session::kSchemes{QStringLiteral("pop3"), QStringLiteral("pop3s"), 110, 995};

namespace {

// Replies are shown to the user as they came; a server may answer in any charset.
QString replyText(const QByteArray &line)
{
    const QString utf8 = QString::fromUtf8(line);
    if (!utf8.contains(QChar::ReplacementCharacter))
        return utf8;
    return Cp932::decode(line);
}

} // namespace

bool Pop3Session::fail(const QString &text)
{
    m_error = text;
    return false;
}

bool Pop3Session::failFromLine()
{
    return fail(m_line.errorText());
}

bool Pop3Session::readStatus(QByteArray *status)
{
    const auto line = m_line.readLine();
    if (!line)
        return failFromLine();
    if (status)
        *status = *line;
    if (line->startsWith("+OK"))
        return true;
    if (line->startsWith("-ERR"))
        return fail(replyText(*line));
    m_line.abort();
    return fail(QStringLiteral("POP3サーバーの応答が正しくありません: %1").arg(replyText(line->left(200))));
}

bool Pop3Session::command(const QByteArray &line, QByteArray *status)
{
    // Answers still on the way come first; a mail sent ahead cannot be skipped over.
    if (!m_inFlight.isEmpty()) {
        for (const InFlight &sent : std::as_const(m_inFlight))
            if (sent.retrieve)
                return fail(QStringLiteral("POP3の手順が正しくありません（%1）。").arg(QString::fromLatin1(line.left(4))));
        if (!settleUntil(0))
            return false;
    }
    if (!m_line.writeLine(line))
        return failFromLine();
    return readStatus(status);
}

bool Pop3Session::open(const QString &serverText)
{
    m_error.clear();
    const auto address = ServerAddress::parse(serverText, kSchemes);
    if (!address)
        return fail(QStringLiteral("POP3サーバーの指定「%1」を読めません。").arg(serverText));
    if (!m_line.connectTo(*address))
        return failFromLine();
    if (!readStatus(&m_greeting)) {
        m_line.abort();
        return false;
    }
    // Asked under implicit TLS too: PIPELINING saves a round trip per mail there as well.
    const bool implicitTls = m_line.isEncrypted();

    // Servers without CAPA answer -ERR; they offer no STLS either. A CAPA that
    // timed out is a dead server, not an old one.
    QByteArray status;
    if (!m_line.writeLine("CAPA"))
        return failFromLine();
    if (!readStatus(&status)) {
        if (!m_line.isConnected())
            return false;
        m_error.clear();
        return implicitTls || refuseDowngrade();
    }
    const auto capabilities = m_line.readDotBlock();
    if (!capabilities)
        return failFromLine();
    bool stls = false;
    for (const QByteArray &capability : capabilities->split('\n')) {
        const QByteArray word = capability.trimmed().toUpper();
        if (word == "STLS")
            stls = true;
        else if (word == "PIPELINING")
            m_pipelining = true;
        else if (word.startsWith("SASL "))
            m_sasl = word.mid(5).simplified().split(' ');
    }
    if (implicitTls)
        return true;
    if (!stls)
        return refuseDowngrade();
    if (!command("STLS")) {
        m_line.abort();
        return false;
    }
    if (!m_line.startTls()) {
        failFromLine();
        m_line.abort();
        return false;
    }
    m_capaInClear = true;
    return true;
}

bool Pop3Session::refuseDowngrade()
{
    const ServerAddress &where = m_line.address();
    if (!m_hooks || !m_hooks->sawTlsBefore || !m_hooks->sawTlsBefore(where.host, where.port))
        return true;
    m_line.abort();
    return fail(QStringLiteral("POP3サーバー %1 は以前は暗号化通信に対応していましたが、今回は暗号化を提案しませんでした。"
                               "通信が書き換えられているおそれがあるため、ログインしません。")
                    .arg(where.host));
}

bool Pop3Session::passwordMayGoInClear()
{
    const ServerAddress &where = m_line.address();
    if (m_line.isEncrypted() || where.isLoopback() || !m_hooks || !m_hooks->plaintextPassword)
        return true;
    if (m_hooks->plaintextPassword(where.host, where.port))
        return true;
    m_line.abort();
    return fail(QStringLiteral("POP3サーバー %1 へ暗号化されていない接続でパスワードを送らないため、ログインを中止しました。")
                    .arg(where.host));
}

std::optional<QByteArray> Pop3Session::apopDigest(const QByteArray &greeting, const QByteArray &password)
{
    // Only a short msg-id of printable ASCII: long or 8-bit challenges are what
    // the chosen-prefix attacks on APOP's MD5 need.
    const qsizetype open = greeting.indexOf('<');
    const qsizetype close = open < 0 ? -1 : greeting.indexOf('>', open);
    if (close < 0 || close - open + 1 > 256)
        return std::nullopt;
    const QByteArray stamp = greeting.mid(open, close - open + 1);
    const QByteArray inside = stamp.mid(1, stamp.size() - 2);
    const qsizetype at = inside.indexOf('@');
    if (at < 1 || at == inside.size() - 1)
        return std::nullopt;
    for (const char c : inside) {
        if (c < 0x21 || c > 0x7E || c == '<')
            return std::nullopt;
    }
    return QCryptographicHash::hash(stamp + password, QCryptographicHash::Md5).toHex();
}

std::optional<int> Pop3Session::refusedLogin()
{
    // The server's own words stay, behind what they mean.
    if (m_line.isConnected() && !m_error.isEmpty())
        m_error = QStringLiteral("サーバーがログインを拒否しました（%1）").arg(m_error);
    return std::nullopt;
}

std::optional<int> Pop3Session::login(const QString &id, const QString &password, bool apop)
{
    if (m_hooks && m_hooks->accessToken)
        return loginWithToken(id);
    const QByteArray user = id.toUtf8();
    const QByteArray pass = password.toUtf8();
    // A CR or LF would end the command early and let the rest pass as a command of its own.
    if (user.contains('\r') || user.contains('\n') || pass.contains('\r') || pass.contains('\n')) {
        fail(QStringLiteral("IDまたはパスワードに改行が含まれています。"));
        return std::nullopt;
    }
    if (apop) {
        const auto digest = apopDigest(m_greeting, pass);
        if (!digest) {
            fail(QStringLiteral("このPOP3サーバーの挨拶にはAPOPに使える正しいタイムスタンプがないため、ログインしませんでした。"));
            return std::nullopt;
        }
        if (!command("APOP " + user + ' ' + *digest))
            return refusedLogin();
    } else {
        if (!passwordMayGoInClear())
            return std::nullopt;
        if (!command("USER " + user) || !command("PASS " + pass))
            return refusedLogin();
    }
    return mailCount();
}

std::optional<int> Pop3Session::mailCount()
{
    QByteArray status;
    if (!command("STAT", &status))
        return std::nullopt;
    const QList<QByteArray> words = status.split(' ');
    bool ok = false;
    const int count = words.size() >= 2 ? words[1].toInt(&ok) : 0;
    if (!ok || count < 0) {
        fail(QStringLiteral("POP3サーバーの応答が正しくありません: %1").arg(replyText(status.left(200))));
        return std::nullopt;
    }
    return count;
}

std::optional<int> Pop3Session::loginWithToken(const QString &id)
{
    const ServerAddress &where = m_line.address();
    if (!SaslOAuth::lineMayCarry(m_line.isEncrypted(), where.host)) {
        m_line.abort();
        fail(QStringLiteral("POP3サーバー %1 との接続が暗号化されていないため、OAuth 2.0 のトークンを送らずにサインインを中止しました。")
                 .arg(where.host));
        return std::nullopt;
    }
    if (!SaslOAuth::tokenMayGo(*m_hooks, where.host, where.port)) {
        m_line.abort();
        fail(SaslOAuth::notTheProvidersServer(QStringLiteral("POP3"), where.host, m_hooks->tokenProvider));
        return std::nullopt;
    }
    if (m_capaInClear) {
        // What the server offered before STLS could have been altered; ask again under TLS.
        m_sasl.clear();
        if (!command("CAPA")) {
            if (!m_line.isConnected())
                return std::nullopt;
        } else {
            const auto capabilities = m_line.readDotBlock();
            if (!capabilities) {
                failFromLine();
                return std::nullopt;
            }
            for (const QByteArray &capability : capabilities->split('\n')) {
                const QByteArray word = capability.trimmed().toUpper();
                if (word.startsWith("SASL "))
                    m_sasl = word.mid(5).simplified().split(' ');
            }
        }
        m_capaInClear = false;
    }
    const auto mechanism = SaslOAuth::choose(m_sasl);
    if (!mechanism) {
        fail(QStringLiteral("POP3サーバー %1 は OAuth 2.0 でのサインイン（OAUTHBEARER / XOAUTH2）に対応していません。")
                 .arg(where.host));
        return std::nullopt;
    }
    const QByteArray response =
        SaslOAuth::initialResponse(*mechanism, id.toUtf8(), m_hooks->accessToken(), where.host, where.port).toBase64();
    if (response.isEmpty()) {
        fail(QStringLiteral("IDまたはアクセストークンに使えない文字が含まれているため、サインインしませんでした。"));
        return std::nullopt;
    }
    const QByteArray start = "AUTH " + SaslOAuth::name(*mechanism);
    // The initial response rides along only while the command stays within 255 octets.
    bool responseSent = start.size() + 1 + response.size() + 2 <= 255;
    if (!m_line.writeLine(responseSent ? start + ' ' + response : start)) {
        failFromLine();
        return std::nullopt;
    }
    QString status;
    for (int round = 0; round < 3; ++round) {
        const auto line = m_line.readLine();
        if (!line) {
            failFromLine();
            return std::nullopt;
        }
        if (line->startsWith("+OK"))
            return mailCount();
        if (line->startsWith("-ERR")) {
            fail(status.isEmpty() ? replyText(*line) : status + QStringLiteral(": ") + replyText(*line));
            return refusedLogin();
        }
        if (!line->startsWith('+'))
            break;
        QByteArray next;
        if (!responseSent) {
            next = response;
            responseSent = true;
        } else {
            // A failure comes as a JSON challenge; the empty answer lets the server end the exchange.
            status = SaslOAuth::failureStatus(line->mid(1));
            next = SaslOAuth::failureAcknowledgement(*mechanism);
        }
        if (!m_line.writeLine(next)) {
            failFromLine();
            return std::nullopt;
        }
    }
    m_line.abort();
    fail(QStringLiteral("POP3サーバーのサインインの応答が正しくありません。"));
    return std::nullopt;
}

std::optional<qint64> Pop3Session::size(int n)
{
    if (!m_sizes) {
        if (!command("LIST"))
            return std::nullopt;
        const auto listing = m_line.readDotBlock();
        if (!listing) {
            failFromLine();
            return std::nullopt;
        }
        m_sizes.emplace();
        for (const QByteArray &line : listing->split('\n')) {
            const QList<QByteArray> words = line.simplified().split(' ');
            bool numberOk = false;
            bool sizeOk = false;
            const int number = words.size() >= 2 ? words[0].toInt(&numberOk) : 0;
            const qint64 bytes = words.size() >= 2 ? words[1].toLongLong(&sizeOk) : 0;
            if (numberOk && sizeOk && bytes >= 0)
                m_sizes->insert(number, bytes);
        }
    }
    if (const auto it = m_sizes->constFind(n); it != m_sizes->constEnd())
        return *it;

    QByteArray status;
    if (!command("LIST " + QByteArray::number(n), &status))
        return std::nullopt;
    const QList<QByteArray> words = status.simplified().split(' ');
    bool ok = false;
    const qint64 bytes = words.size() >= 3 ? words[2].toLongLong(&ok) : 0;
    if (!ok || bytes < 0) {
        fail(QStringLiteral("POP3サーバーの応答が正しくありません: %1").arg(replyText(status.left(200))));
        return std::nullopt;
    }
    return bytes;
}

std::optional<QMap<int, QByteArray>> Pop3Session::uniqueIds()
{
    m_error.clear();
    if (!m_line.writeLine("UIDL")) {
        failFromLine();
        return std::nullopt;
    }
    QByteArray status;
    if (!readStatus(&status)) {
        // A server without UIDL answers -ERR and stays usable.
        if (m_line.isConnected())
            m_error.clear();
        return std::nullopt;
    }
    const auto listing = m_line.readDotBlock();
    if (!listing) {
        failFromLine();
        return std::nullopt;
    }
    QMap<int, QByteArray> ids;
    for (const QByteArray &line : listing->split('\n')) {
        // The id is the rest of the line: a server may put odd bytes, spaces included, in it.
        QByteArray rest = line.endsWith('\r') ? line.chopped(1) : line;
        const qsizetype space = rest.indexOf(' ');
        bool ok = false;
        const int number = space > 0 ? rest.left(space).toInt(&ok) : 0;
        const QByteArray id = space > 0 ? rest.mid(space + 1).trimmed() : QByteArray();
        if (ok && number > 0 && !id.isEmpty())
            ids.insert(number, id);
    }
    return ids;
}

bool Pop3Session::planRetrievals(const QList<int> &numbers)
{
    // Every size in one listing, before any command travels ahead of it.
    if (!m_sizes && !numbers.isEmpty() && !size(numbers.first()) && !m_line.isConnected())
        return false;
    m_plan = numbers;
    m_planned = 0;
    return true;
}

// Keeps a few RETR on the way, as many as fit in a modest amount of memory.
// The window is topped up once half of it has been read, so the commands go
// out a handful at a time in one write rather than one write per mail.
bool Pop3Session::sendAhead()
{
    constexpr qint64 kBytesAhead = 4 << 20;
    constexpr int kMailsAhead = 16;
    qint64 bytes = 0;
    int mails = 0;
    for (const InFlight &sent : std::as_const(m_inFlight))
        if (sent.retrieve) {
            ++mails;
            bytes += m_sizes ? m_sizes->value(sent.number) : 0;
        }
    if (mails > kMailsAhead / 2 || (mails > 0 && bytes >= kBytesAhead / 2))
        return true;
    QByteArray commands;
    while (m_planned < m_plan.size() && mails < kMailsAhead && (mails == 0 || bytes < kBytesAhead)) {
        const int n = m_plan[m_planned++];
        commands += "RETR " + QByteArray::number(n) + "\r\n";
        m_inFlight.append({true, n});
        ++mails;
        bytes += m_sizes ? m_sizes->value(n) : 0;
    }
    if (!commands.isEmpty() && !m_line.write(commands))
        return failFromLine();
    return true;
}

std::optional<QByteArray> Pop3Session::readBlockReply(int n)
{
    if (!readStatus(nullptr))
        return std::nullopt;
    auto block = m_line.readDotBlock(m_sizes ? m_sizes->value(n) : 0);
    if (!block)
        failFromLine();
    return block;
}

// Reads the answers that come before the one to RETR retrieveNumber (0: all of them).
bool Pop3Session::settleUntil(int retrieveNumber)
{
    while (!m_inFlight.isEmpty()) {
        const InFlight head = m_inFlight.first();
        if (head.retrieve && head.number == retrieveNumber)
            return true;
        m_inFlight.removeFirst();
        if (head.retrieve) {
            // A mail asked for ahead and then not wanted: read past it.
            if (!readBlockReply(head.number) && !m_line.isConnected())
                return false;
            continue;
        }
        if (!readStatus(nullptr)) {
            if (!m_line.isConnected())
                return false;
            m_deleteRefusals << m_error;
        }
    }
    return retrieveNumber == 0;
}

std::optional<QByteArray> Pop3Session::header(int n)
{
    if (!command("TOP " + QByteArray::number(n) + " 0"))
        return std::nullopt;
    auto block = m_line.readDotBlock();
    if (!block)
        failFromLine();
    return block;
}

std::optional<QByteArray> Pop3Session::retrieve(int n)
{
    m_error.clear();
    if (m_pipelining && m_plan.contains(n)) {
        // Sent ahead already, or about to be.
        bool known = false;
        for (const InFlight &sent : std::as_const(m_inFlight))
            known = known || (sent.retrieve && sent.number == n);
        if (!known) {
            while (m_planned < m_plan.size() && m_plan[m_planned] != n)
                ++m_planned;
        }
        if (!sendAhead())
            return std::nullopt;
        if (!settleUntil(n)) {
            if (m_error.isEmpty())
                fail(QStringLiteral("POP3サーバーの応答の順番が正しくありません。"));
            return std::nullopt;
        }
        m_inFlight.removeFirst();
        auto block = readBlockReply(n);
        // The next ones travel while this one is stored.
        if (m_line.isConnected() && !sendAhead())
            return std::nullopt;
        return block;
    }
    if (!settleUntil(0))
        return std::nullopt;
    if (!command("RETR " + QByteArray::number(n)))
        return std::nullopt;
    auto block = m_line.readDotBlock(m_sizes ? m_sizes->value(n) : 0);
    if (!block)
        failFromLine();
    return block;
}

bool Pop3Session::remove(int n)
{
    if (m_pipelining) {
        // Rides with the next RETR, or goes before the next wait.
        if (!m_line.writeLineLater("DELE " + QByteArray::number(n)))
            return failFromLine();
        m_inFlight.append({false, n});
        return true;
    }
    return command("DELE " + QByteArray::number(n));
}

bool Pop3Session::quit()
{
    if (!m_line.isConnected()) {
        m_line.abort();
        return false;
    }
    m_plan.clear();
    if (!settleUntil(0)) {
        m_line.abort();
        return false;
    }
    const bool ok = command("QUIT");
    m_line.abort();
    if (ok && !m_deleteRefusals.isEmpty())
        return fail(m_deleteRefusals.join(u'\n'));
    return ok;
}
