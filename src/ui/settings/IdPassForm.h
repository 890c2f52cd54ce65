#pragma once

#include "core/auth/OAuthProviders.h"

#include <QDialog>
#include <QPointer>

class BrowserSignIn;
class DeviceSignIn;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct SignInResult;

// The account window: POP3 ID and password, optionally stored in the account file,
// or an OAuth 2.0 sign-in in the browser for servers that take no password.
// Loading it reads the file even when it is not shown.
class IdPassForm : public QDialog {
    Q_OBJECT

public:
    explicit IdPassForm(QWidget *parent = nullptr);

    QString id() const;
    QString password() const;
    void setId(const QString &id);
    void setPassword(const QString &password);

    void accept() override;  // OK and Enter
    void reject() override;  // Cancel and Esc

    // OAuth 2.0: the authentication choice and the sign-in, which runs on the
    // window thread's event loop and ends in signInEnded().
    bool oauthChosen() const;
    void chooseOAuth(bool oauth);
    QString chosenProvider() const;
    void startBrowserSignIn();
    void startCodeSignIn();
    void stopSignIn();
    bool signInRunning() const;

    // A check or send found the sign-in gone: one box, then (if allowed) this
    // window with the browser sign-in started. On the window thread.
    static void askToSignIn(const QString &text, bool openBrowser);

    static inline const QString kPasswordChoice = QStringLiteral("パスワード");
    static inline const QString kOAuthChoice = QStringLiteral("OAuth 2.0");
    static inline const QString kSignedIn = QStringLiteral("サインイン済みです。");
    static inline const QString kNotSignedIn = QStringLiteral("まだサインインしていません。");
    static inline const QString kSigningIn =
        QStringLiteral("ブラウザでサインインしてください。終わるとこの画面に戻ります。");

signals:
    void signInEnded(bool ok);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void updateOAuthControls();
    void signInFinished(const SignInResult &result);
    void retire(QObject *signIn);
    std::optional<OAuthProvider> provider() const;
    // The provider and account a sign-in starts with; nothing (the user told why) when it cannot start.
    std::optional<OAuthProvider> signInTarget(QString *account);

    QLineEdit *m_id;
    QLineEdit *m_password;
    QCheckBox *m_save;
    QComboBox *m_auth;
    QComboBox *m_provider;
    QLabel *m_providerLabel;
    QPushButton *m_signIn;
    QPushButton *m_codeSignIn;
    QPushButton *m_stop;
    QLabel *m_status;
    OAuthProviders m_providers;
    QPointer<BrowserSignIn> m_browser;
    QPointer<DeviceSignIn> m_device;
};
