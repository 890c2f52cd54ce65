#include "core/auth/SignIn.h"

#include "core/auth/OAuthTokenStore.h"
#include "core/auth/Pkce.h"
#include "core/auth/TokenEndpoint.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>

namespace {

BrowserSignIn::Opener g_opener;
int g_timeoutMs = BrowserSignIn::kDefaultTimeoutMs;

// A browser's request line and headers; anything longer is not one.
constexpr qsizetype kMaxRequest = 16 * 1024;

QString minutes(int ms)
{
    return ms >= 60000 && ms % 60000 == 0 ? QStringLiteral("%1 分").arg(ms / 60000)
                                          : QStringLiteral("%1 秒").arg((ms + 999) / 1000);

}

SignInResult failure(const QString &text)
{
    return SignInResult{false, false, text};
}

bool storeTokens(const OAuthProvider &provider, const QString &account, const TokenReply &reply, QString *error)
{
    QString why;
    if (OAuthTokenStore::save(provider.name, account, reply.tokens, &why))
        return true;
    *error = QStringLiteral("サインインの情報を %1 に保存できませんでした（%2）。").arg(OAuthTokenStore::path(), why);
    return false;
}

// What a token answer makes of a sign-in: tokens stored, or the failure in words.
SignInResult settle(const OAuthProvider &provider, const QString &account, const TokenReply &tokens)
{
    if (!tokens.ok || tokens.tokens.refresh.isEmpty()) {
        TokenReply shown = tokens;
        if (tokens.ok)
            shown.description = QStringLiteral("リフレッシュトークンがありません（scope に offline_access などが必要です）");
        return failure(TokenEndpoint::describe(provider.name, shown));
    }
    QString error;
    if (!storeTokens(provider, account, tokens, &error))
        return failure(error);
    return SignInResult{true, false, {}};
}

} // namespace

bool BrowserSignIn::openInSystemBrowser(const QUrl &url)
{
    if (QDesktopServices::openUrl(url))
        return true;
    const QString encoded = QString::fromLatin1(url.toEncoded());
    for (const QString &entry : qEnvironmentVariable("BROWSER").split(u':', Qt::SkipEmptyParts)) {
        QStringList words = QProcess::splitCommand(entry);
        if (words.isEmpty())
            continue;
        bool placed = false;
        for (QString &word : words) {
            if (word.contains(QStringLiteral("%s"))) {
                word.replace(QStringLiteral("%s"), encoded);
                placed = true;
            }
        }
        if (!placed)
            words << encoded;
        const QString program = words.takeFirst();
        if (QProcess::startDetached(program, words))
            return true;
    }
    return false;
}

void BrowserSignIn::setOpener(Opener opener)
{
    g_opener = std::move(opener);
}

void BrowserSignIn::setTimeout(int ms)
{
    g_timeoutMs = ms > 0 ? ms : kDefaultTimeoutMs;
}

BrowserSignIn::BrowserSignIn(const OAuthProvider &provider, const QString &account, QObject *parent)
    : QObject(parent), m_provider(provider), m_account(account)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        finish(failure(QStringLiteral("%1以内にブラウザでのサインインが終わらなかったため、サインインを中止しました。")
                           .arg(minutes(m_deadline.interval()))));
    });
}

BrowserSignIn::~BrowserSignIn()
{
    if (m_reply)
        m_reply->abort();
}

void BrowserSignIn::start()
{
    if (m_running)
        return;
    m_running = true;
    if (const auto problem = TokenEndpoint::unusable(m_provider)) {
        const QString text = *problem;
        QMetaObject::invokeMethod(this, [this, text] { finish(failure(text)); }, Qt::QueuedConnection);
        return;
    }
    m_server = new QTcpServer(this);
    // The redirect must reach this program alone: the loopback address, never every interface.
    if (!m_server->listen(QHostAddress::LocalHost, 0)) {
        const QString text = QStringLiteral("サインインの応答を受け取る準備ができませんでした（%1）。")
                                 .arg(m_server->errorString());
        QMetaObject::invokeMethod(this, [this, text] { finish(failure(text)); }, Qt::QueuedConnection);
        return;
    }
    connect(m_server, &QTcpServer::newConnection, this, &BrowserSignIn::onConnection);

    m_verifier = Pkce::verifier();
    m_state = Pkce::randomText(24);
    m_redirect = m_provider.redirectFor(m_server->serverPort());
    m_url = m_provider.authorize;
    QByteArray query = m_url.query(QUrl::FullyEncoded).toLatin1();
    const QList<std::pair<QString, QString>> fields{
        {QStringLiteral("response_type"), QStringLiteral("code")},
        {QStringLiteral("client_id"), m_provider.clientId},
        {QStringLiteral("redirect_uri"), m_redirect.toString()},
        {QStringLiteral("scope"), m_provider.scopes.join(u' ')},
        {QStringLiteral("state"), QString::fromLatin1(m_state)},
        {QStringLiteral("code_challenge"), QString::fromLatin1(Pkce::challenge(m_verifier))},
        {QStringLiteral("code_challenge_method"), QStringLiteral("S256")},
        {QStringLiteral("login_hint"), m_account}};
    for (const auto &[key, value] : fields) {
        if (value.isEmpty())
            continue;
        if (!query.isEmpty())
            query += '&';
        query += QUrl::toPercentEncoding(key) + '=' + QUrl::toPercentEncoding(value);
    }
    m_url.setQuery(QString::fromLatin1(query), QUrl::StrictMode);

    m_deadline.start(g_timeoutMs);
    const bool opened = g_opener ? g_opener(m_url) : openInSystemBrowser(m_url);
    if (!opened)
        emit browserNotOpened(m_url);
}

void BrowserSignIn::cancel()
{
    // The user's own stop, from the window: no handler of the listener's is running.
    if (stop())
        emit finished(SignInResult{false, true, QStringLiteral("サインインを中止しました。")});
}

void BrowserSignIn::onConnection()
{
    while (QTcpSocket *socket = m_server ? m_server->nextPendingConnection() : nullptr) {
        socket->setParent(this);
        // A connection that never says what it wants is dropped, the sign-in goes on.
        QTimer::singleShot(10000, socket, [socket] { socket->abort(); socket->deleteLater(); });
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void BrowserSignIn::answer(QTcpSocket *socket, int status, const QString &text)
{
    const QByteArray page = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Pintora</title></head><body><p>"
        + text.toHtmlEscaped().toUtf8() + "</p></body></html>";
    const QByteArray reason = status == 200 ? "OK" : status == 404 ? "Not Found" : "Bad Request";
    socket->write("HTTP/1.1 " + QByteArray::number(status) + ' ' + reason
                  + "\r\nContent-Type: text/html; charset=utf-8\r\nCache-Control: no-store\r\nConnection: close\r\n"
                    "Content-Length: "
                  + QByteArray::number(page.size()) + "\r\n\r\n" + page);
    socket->disconnectFromHost();
}

void BrowserSignIn::onRequest(QTcpSocket *socket)
{
    QByteArray buffer = socket->property("request").toByteArray() + socket->readAll();
    if (buffer.size() > kMaxRequest) {
        socket->abort();
        return;
    }
    socket->setProperty("request", buffer);
    if (!buffer.contains("\r\n\r\n") && !buffer.contains("\n\n"))
        return;
    disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
    const QList<QByteArray> words = buffer.left(buffer.indexOf('\n')).trimmed().split(' ');
    const QUrl target = words.size() >= 2 ? QUrl::fromEncoded("http://127.0.0.1" + words[1]) : QUrl();
    const QString expectedPath = m_redirect.path().isEmpty() ? QStringLiteral("/") : m_redirect.path();
    if (!m_running || m_codeTaken || words[0] != "GET" || target.path() != expectedPath) {
        // The browser asks for other things too (an icon); only the redirect counts.
        answer(socket, 404, QString());
        return;
    }
    const QUrlQuery query(target);
    const QString state = query.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded);
    if (state.toLatin1() != m_state || state.isEmpty()) {
        // Any local user can reach the port: a request without our state is theirs, not
        // the provider's, and must not end the sign-in the browser is still busy with.
        answer(socket, 400, kForeignPage);
        return;
    }
    const QString error = query.queryItemValue(QStringLiteral("error"), QUrl::FullyDecoded);
    if (!error.isEmpty()) {
        answer(socket, 200, kFailedPage);
        const QString description = query.queryItemValue(QStringLiteral("error_description"), QUrl::FullyDecoded);
        finish(failure(QStringLiteral("%1 がサインインを拒否しました（%2）。")
                           .arg(m_provider.name, description.isEmpty() ? error : error + QStringLiteral(": ") + description.left(500))));
        return;
    }
    const QByteArray code = query.queryItemValue(QStringLiteral("code"), QUrl::FullyDecoded).toLatin1();
    if (code.isEmpty()) {
        answer(socket, 400, kFailedPage);
        finish(failure(QStringLiteral("%1 からの応答に認可コードがありませんでした。").arg(m_provider.name)));
        return;
    }
    m_codeTaken = true;
    answer(socket, 200, kDonePage);
    exchange(code);
}

void BrowserSignIn::exchange(const QByteArray &code)
{
    m_server->close();
    if (!m_network)
        m_network = new QNetworkAccessManager(this);
    m_reply = TokenEndpoint::exchangeCode(*m_network, m_provider, code, m_verifier, m_redirect);
    connect(m_reply, &QNetworkReply::finished, this, [this, reply = m_reply.data()] {
        reply->deleteLater();
        if (!m_running)
            return;
        finish(settle(m_provider, m_account, TokenEndpoint::readToken(reply, QDateTime::currentSecsSinceEpoch())));
    });
}

bool BrowserSignIn::stop()
{
    if (!m_running)
        return false;
    m_running = false;
    m_deadline.stop();
    if (m_server)
        m_server->close();
    // Connections still waiting to be heard go now; an answered one closes itself
    // once its page is out.
    for (QTcpSocket *socket : findChildren<QTcpSocket *>(Qt::FindDirectChildrenOnly)) {
        if (socket->state() == QAbstractSocket::ConnectedState) {
            socket->abort();
            socket->deleteLater();
        }
    }
    if (m_reply)
        m_reply->abort();
    m_verifier.clear();
    return true;
}

void BrowserSignIn::finish(const SignInResult &result)
{
    // Called from a socket's or a reply's handler: whoever hears of the end may show a
    // box, whose event loop could free that socket or reply under the handler.
    if (stop())
        QMetaObject::invokeMethod(this, [this, result] { emit finished(result); }, Qt::QueuedConnection);
}

DeviceSignIn::DeviceSignIn(const OAuthProvider &provider, const QString &account, QObject *parent)
    : QObject(parent), m_provider(provider), m_account(account)
{
    m_poll.setSingleShot(true);
    connect(&m_poll, &QTimer::timeout, this, &DeviceSignIn::poll);
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        finish(failure(QStringLiteral("コードの有効期限が切れたため、サインインを中止しました。")));
    });
}

DeviceSignIn::~DeviceSignIn()
{
    if (m_reply)
        m_reply->abort();
}

void DeviceSignIn::start()
{
    if (m_running)
        return;
    m_running = true;
    if (const auto problem = TokenEndpoint::unusable(m_provider, true)) {
        const QString text = m_provider.device.isEmpty()
            ? QStringLiteral("「%1」はコードでのサインインに対応していません。").arg(m_provider.name)
            : *problem;
        QMetaObject::invokeMethod(this, [this, text] { finish(failure(text)); }, Qt::QueuedConnection);
        return;
    }
    m_network = new QNetworkAccessManager(this);
    m_reply = TokenEndpoint::startDevice(*m_network, m_provider);
    connect(m_reply, &QNetworkReply::finished, this, [this, reply = m_reply.data()] {
        reply->deleteLater();
        if (!m_running)
            return;
        const DeviceReply device = TokenEndpoint::readDevice(reply);
        if (!device.ok) {
            finish(failure(QStringLiteral("%1 からサインイン用のコードを受け取れませんでした（%2）。")
                               .arg(m_provider.name, device.error)));
            return;
        }
        m_deviceCode = device.deviceCode;
        m_interval = device.interval;
        m_deadline.start(device.expiresIn * 1000);
        m_poll.start(m_interval * 1000);
        emit codeReady(device.userCode, device.verificationUri);
    });
}

void DeviceSignIn::poll()
{
    m_reply = TokenEndpoint::pollDevice(*m_network, m_provider, m_deviceCode);
    connect(m_reply, &QNetworkReply::finished, this, [this, reply = m_reply.data()] {
        reply->deleteLater();
        if (!m_running)
            return;
        const TokenReply tokens = TokenEndpoint::readToken(reply, QDateTime::currentSecsSinceEpoch());
        if (tokens.error == QLatin1String("authorization_pending") || tokens.error == QLatin1String("slow_down")) {
            if (tokens.error == QLatin1String("slow_down"))
                m_interval = qMin(m_interval + 5, 60);
            m_poll.start(m_interval * 1000);
            return;
        }
        finish(settle(m_provider, m_account, tokens));
    });
}

void DeviceSignIn::cancel()
{
    if (stop())
        emit finished(SignInResult{false, true, QStringLiteral("サインインを中止しました。")});
}

bool DeviceSignIn::stop()
{
    if (!m_running)
        return false;
    m_running = false;
    m_poll.stop();
    m_deadline.stop();
    if (m_reply)
        m_reply->abort();
    return true;
}

void DeviceSignIn::finish(const SignInResult &result)
{
    // As for the browser: never report from inside a reply's handler.
    if (stop())
        QMetaObject::invokeMethod(this, [this, result] { emit finished(result); }, Qt::QueuedConnection);
}
