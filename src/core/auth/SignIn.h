#pragma once

#include "core/auth/OAuthProviders.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;
class QTcpServer;
class QTcpSocket;

// How a sign-in ended. The tokens are in OAuthTokenStore when it succeeded.
struct SignInResult {
    bool ok = false;
    bool cancelled = false;
    QString error;  // a sentence for a box; never holds a token
};

// Sign-in in the system browser: the authorization code flow with PKCE (S256)
// and a random state, the browser sent back to a listener on 127.0.0.1 at a
// random port. Everything runs on the event loop of the thread it lives on.
class BrowserSignIn : public QObject {
    Q_OBJECT
public:
    // Opens a URL in the browser; true when a browser was started.
    using Opener = std::function<bool(const QUrl &)>;

    BrowserSignIn(const OAuthProvider &provider, const QString &account, QObject *parent = nullptr);
    ~BrowserSignIn() override;

    // Listens, opens the browser and returns; finished() follows, at the latest when the time is up.
    void start();
    void cancel();
    bool isRunning() const { return m_running; }
    const QUrl &authorizationUrl() const { return m_url; }

    // The system browser: the desktop's choice (xdg-open, $BROWSER), or $BROWSER itself
    // where the platform offers no desktop service.
    static bool openInSystemBrowser(const QUrl &url);
    // What opens the browser from now on (tests); an empty one restores the system browser.
    static void setOpener(Opener opener);
    // How long the browser may take (tests shorten it).
    static void setTimeout(int ms);
    static constexpr int kDefaultTimeoutMs = 5 * 60 * 1000;

    static inline const QString kDonePage =
        QStringLiteral("サインインの手続きを受け付けました。このウィンドウは閉じてかまいません。");
    static inline const QString kFailedPage =
        QStringLiteral("サインインできませんでした。このウィンドウを閉じて、Pintora の画面をご覧ください。");
    // For a request to the listener that does not carry this sign-in's state.
    static inline const QString kForeignPage =
        QStringLiteral("この要求は、Pintora が始めたサインインのものではありません。");

signals:
    // The browser could not be started: the user may open this address by hand.
    void browserNotOpened(const QUrl &url);
    // Once per start(), from the event loop: never from inside a handler of the listener's
    // sockets or of a network reply, so a receiver may show a box. cancel() reports at once.
    void finished(const SignInResult &result);

private:
    void onConnection();
    void onRequest(QTcpSocket *socket);
    void answer(QTcpSocket *socket, int status, const QString &text);
    void exchange(const QByteArray &code);
    // Ends the sign-in where it stands: the listener and the connections not yet
    // answered close; false when it had ended already.
    bool stop();
    // Ends it and reports the result from the event loop.
    void finish(const SignInResult &result);

    OAuthProvider m_provider;
    QString m_account;
    QByteArray m_verifier;
    QByteArray m_state;
    QUrl m_redirect;
    QUrl m_url;
    QTcpServer *m_server = nullptr;
    QNetworkAccessManager *m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    QTimer m_deadline;
    bool m_running = false;
    bool m_codeTaken = false;
};

// Sign-in by code for machines without a browser: the user opens the address
// on another device and types the code shown here; the token endpoint is asked
// at the interval the server gives until it answers.
class DeviceSignIn : public QObject {
    Q_OBJECT
public:
    DeviceSignIn(const OAuthProvider &provider, const QString &account, QObject *parent = nullptr);
    ~DeviceSignIn() override;

    void start();
    void cancel();
    bool isRunning() const { return m_running; }

signals:
    void codeReady(const QString &userCode, const QString &verificationUri);
    // As BrowserSignIn::finished(): from the event loop, never inside a reply's handler.
    void finished(const SignInResult &result);

private:
    void poll();
    bool stop();
    void finish(const SignInResult &result);

    OAuthProvider m_provider;
    QString m_account;
    QString m_deviceCode;
    QNetworkAccessManager *m_network = nullptr;
    QPointer<QNetworkReply> m_reply;
    QTimer m_poll;
    QTimer m_deadline;
    int m_interval = 5;
    bool m_running = false;
};
