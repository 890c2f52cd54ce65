#include "ui/settings/IdPassForm.h"

#include "core/auth/OAuthAccess.h"
#include "core/auth/OAuthTokenStore.h"
#include "core/auth/SignIn.h"
#include "ui/common/PlainText.h"
#include "ui/common/Prompt.h"
#include "ui/common/Twips.h"
#include "core/settings/AccountFile.h"
#include "ui/settings/FieldRules.h"
#include "core/settings/RuntimeSettings.h"
#include "ui/shell/Forms.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>

namespace {

// Hidden characters show as "*" whatever the desktop style prefers.
class StarPasswordStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return u'*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

IdPassForm::IdPassForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("IdPassForm"));
    setWindowTitle(QStringLiteral("ID,PASS"));
    // Below the account's own controls, the OAuth 2.0 sign-in.
    Twips::setClientSize(this, 5040, 4440);

    auto *idLabel = Twips::add<QLabel>(this, QStringLiteral("Label1"), 120, 180, 675, 255, QStringLiteral("ID"));
    m_id = new QLineEdit(this);
    idLabel->setBuddy(m_id);
    m_id->setObjectName(QStringLiteral("IdText"));
    Twips::place(m_id, 960, 120, 1632, 264);

    auto *passwordLabel = Twips::add<QLabel>(this, QStringLiteral("Label2"), 120, 600, 795, 255, QStringLiteral("Password"));
    m_password = new QLineEdit(this);
    passwordLabel->setBuddy(m_password);
    m_password->setObjectName(QStringLiteral("PassText"));
    auto *style = new StarPasswordStyle;
    style->setParent(m_password);
    m_password->setStyle(style);
    m_password->setEchoMode(QLineEdit::Password);
    Twips::place(m_password, 960, 600, 1632, 264);
    FieldRules::keepOnOneLine(m_id);
    FieldRules::keepOnOneLine(m_password);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKCommand"));
    ok->setDefault(true);
    Twips::place(ok, 900, 1380, 852, 312);
    connect(ok, &QPushButton::clicked, this, &IdPassForm::accept);

    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("CancelCommand"));
    Twips::place(cancel, 1860, 1380, 852, 312);
    connect(cancel, &QPushButton::clicked, this, &IdPassForm::reject);

    m_save = new QCheckBox(this);
    m_save->setObjectName(QStringLiteral("Check1"));
    Twips::place(m_save, 420, 1020, 255, 255);
    const QString saveCaption = QStringLiteral("IDパスワードを保存する");
    Twips::add<QLabel>(this, QStringLiteral("Label2"), 780, 1020, 1875, 255, saveCaption)->setBuddy(m_save);
    // A check box reads its own caption, and this one's stands beside it.
    m_save->setAccessibleName(saveCaption);

    auto *authLabel = Twips::add<QLabel>(this, QStringLiteral("Label3"), 120, 1890, 975, 255, QStringLiteral("認証方式"));
    m_auth = Twips::add<QComboBox>(this, QStringLiteral("AuthCombo"), 1140, 1845, 2400, 330);
    authLabel->setBuddy(m_auth);
    m_auth->addItems({kPasswordChoice, kOAuthChoice});
    m_providerLabel = Twips::add<QLabel>(this, QStringLiteral("Label4"), 120, 2295, 975, 255, QStringLiteral("プロバイダ"));
    m_provider = Twips::add<QComboBox>(this, QStringLiteral("ProviderCombo"), 1140, 2250, 2400, 330);
    m_providerLabel->setBuddy(m_provider);
    m_signIn = Twips::add<QPushButton>(this, QStringLiteral("SignInCommand"), 120, 2700, 2160, 360,
                                       QStringLiteral("ブラウザでサインイン(&B)"));
    m_signIn->setAutoDefault(false);
    m_codeSignIn = Twips::add<QPushButton>(this, QStringLiteral("CodeSignInCommand"), 2340, 2700, 1920, 360,
                                           QStringLiteral("コードでサインイン"));
    m_codeSignIn->setAutoDefault(false);
    m_stop = Twips::add<QPushButton>(this, QStringLiteral("StopSignInCommand"), 4320, 2700, 600, 360,
                                     QStringLiteral("中止"));
    m_stop->setAutoDefault(false);
    m_status = Twips::add<QLabel>(this, QStringLiteral("OAuthStatus"), 120, 3150, 4800, 1200);
    PlainText::keep(m_status);
    m_status->setWordWrap(true);
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(m_auth, &QComboBox::currentIndexChanged, this, &IdPassForm::updateOAuthControls);
    connect(m_provider, &QComboBox::currentIndexChanged, this, &IdPassForm::updateOAuthControls);
    // The tokens belong to one account: another ID is another sign-in.
    connect(m_id, &QLineEdit::textChanged, this, &IdPassForm::updateOAuthControls);
    connect(m_signIn, &QPushButton::clicked, this, &IdPassForm::startBrowserSignIn);
    connect(m_codeSignIn, &QPushButton::clicked, this, &IdPassForm::startCodeSignIn);
    connect(m_stop, &QPushButton::clicked, this, &IdPassForm::stopSignIn);

    // The save box stands above OK and Cancel, so it comes before them.
    setTabOrder(m_id, m_password);
    setTabOrder(m_password, m_save);
    setTabOrder(m_save, ok);
    setTabOrder(ok, cancel);
    setTabOrder(cancel, m_auth);
    setTabOrder(m_auth, m_provider);
    setTabOrder(m_provider, m_signIn);
    setTabOrder(m_signIn, m_codeSignIn);
    setTabOrder(m_codeSignIn, m_stop);

    // The save box always starts unticked; only ID and password come from the file.
    const AccountFile file;
    m_id->setText(file.id());
    m_password->setText(file.password());

    // The provider the account chose, else the one serving the configured servers;
    // only when none serves them is the choice the user's.
    m_providers = OAuthProviders::load();
    for (const OAuthProvider &known : m_providers.list())
        m_provider->addItem(known.name);
    const RuntimeSettings &settings = runtimeSettings();
    const auto serving = m_providers.serving({settings.Pop3Server, settings.SmtpServer});
    const auto stored = OAuthAccess::providerOf(file.authMethod());
    const QString preferred = stored ? *stored : serving ? serving->name : QString();
    const int index = m_provider->findText(preferred, Qt::MatchFixedString);
    if (index >= 0)
        m_provider->setCurrentIndex(index);
    m_provider->setEnabled(!serving || (stored && stored->compare(serving->name, Qt::CaseInsensitive) != 0));
    m_auth->setCurrentIndex(stored ? 1 : 0);
    updateOAuthControls();
}

bool IdPassForm::oauthChosen() const
{
    return m_auth->currentIndex() == 1;
}

void IdPassForm::chooseOAuth(bool oauth)
{
    m_auth->setCurrentIndex(oauth ? 1 : 0);
}

QString IdPassForm::chosenProvider() const
{
    return m_provider->currentText();
}

std::optional<OAuthProvider> IdPassForm::provider() const
{
    return m_providers.find(chosenProvider());
}

void IdPassForm::updateOAuthControls()
{
    const bool oauth = oauthChosen();
    const bool running = signInRunning();
    const auto chosen = provider();
    const bool usable = oauth && chosen && chosen->hasClientId();
    m_password->setEnabled(!oauth);
    m_auth->setEnabled(!running);
    m_provider->setVisible(oauth);
    m_providerLabel->setVisible(oauth);
    m_signIn->setVisible(oauth);
    m_codeSignIn->setVisible(oauth && chosen && !chosen->device.isEmpty());
    m_stop->setVisible(oauth);
    m_signIn->setEnabled(usable && !running);
    m_codeSignIn->setEnabled(usable && !running);
    m_stop->setEnabled(running);
    if (running)
        return;
    if (!oauth)
        m_status->clear();
    else if (!chosen)
        m_status->setText(QStringLiteral("oauth2.ini にプロバイダがありません。"));
    else if (!chosen->hasClientId())
        m_status->setText(OAuthProviders::missingClientIdText(chosen->name));
    else
        m_status->setText(OAuthTokenStore::load(chosen->name, m_id->text().trimmed()) ? kSignedIn : kNotSignedIn);
}

bool IdPassForm::signInRunning() const
{
    return (m_browser && m_browser->isRunning()) || (m_device && m_device->isRunning());
}

std::optional<OAuthProvider> IdPassForm::signInTarget(QString *account)
{
    if (signInRunning())
        return std::nullopt;
    chooseOAuth(true);
    const auto chosen = provider();
    *account = m_id->text().trimmed();
    if (!chosen)
        return std::nullopt;
    if (account->isEmpty()) {
        Prompt::warn(QStringLiteral("サインインの前に、IDにメールアドレスを入れてください。"), {}, this);
        return std::nullopt;
    }
    return chosen;
}

void IdPassForm::retire(QObject *signIn)
{
    // An ended sign-in may still be on the stack (its report is what started the next
    // one) or have a page going out: it says nothing more and goes from the event loop.
    if (!signIn)
        return;
    signIn->disconnect(this);
    signIn->deleteLater();
}

void IdPassForm::startBrowserSignIn()
{
    QString account;
    const auto chosen = signInTarget(&account);
    if (!chosen)
        return;
    retire(m_browser);
    m_browser = new BrowserSignIn(*chosen, account, this);
    connect(m_browser, &BrowserSignIn::browserNotOpened, this, [this](const QUrl &url) {
        m_status->setText(QStringLiteral("ブラウザを開けませんでした。次のアドレスをブラウザで開いてサインインしてください。\n")
                          + QString::fromLatin1(url.toEncoded()));
    });
    connect(m_browser, &BrowserSignIn::finished, this, &IdPassForm::signInFinished);
    m_status->setText(kSigningIn);
    m_browser->start();
    updateOAuthControls();
}

void IdPassForm::startCodeSignIn()
{
    QString account;
    const auto chosen = signInTarget(&account);
    if (!chosen)
        return;
    retire(m_device);
    m_device = new DeviceSignIn(*chosen, account, this);
    connect(m_device, &DeviceSignIn::codeReady, this, [this](const QString &code, const QString &uri) {
        m_status->setText(QStringLiteral("別の機器のブラウザで %1 を開き、コード %2 を入力してください。").arg(uri, code));
    });
    connect(m_device, &DeviceSignIn::finished, this, &IdPassForm::signInFinished);
    m_status->setText(QStringLiteral("サインイン用のコードを取得しています…"));
    m_device->start();
    updateOAuthControls();
}

void IdPassForm::stopSignIn()
{
    if (m_browser)
        m_browser->cancel();
    if (m_device)
        m_device->cancel();
}

void IdPassForm::signInFinished(const SignInResult &result)
{
    updateOAuthControls();
    if (result.ok) {
        m_status->setText(QStringLiteral("サインインしました。OK を押すと、この方法で受信・送信します。"));
    } else {
        m_status->setText(result.error);
        if (!result.cancelled)
            Prompt::error(result.error, {}, this);
    }
    emit signInEnded(result.ok);
}

void IdPassForm::askToSignIn(const QString &text, bool openBrowser)
{
    Prompt::instance().ask({text, {}, Prompt::Icon::Warning, Prompt::Buttons::Ok}, nullptr);
    if (!openBrowser)
        return;
    IdPassForm *form = Forms::open<IdPassForm>();
    form->startBrowserSignIn();
}

QString IdPassForm::id() const
{
    return m_id->text();
}

QString IdPassForm::password() const
{
    return m_password->text();
}

void IdPassForm::setId(const QString &id)
{
    m_id->setText(id);
}

void IdPassForm::setPassword(const QString &password)
{
    m_password->setText(password);
}

void IdPassForm::accept()
{
    // A character the account file cannot hold would be stored changed, and the
    // server would then refuse a password the user never typed.
    for (const auto &[field, text] : {std::pair{QStringLiteral("ID"), id()},
                                      std::pair{QStringLiteral("パスワード"), password()}}) {
        if (const auto refusal = FieldRules::unstorable(field, text)) {
            Prompt::warn(*refusal, {}, this);
            return;
        }
    }

    if (oauthChosen() && (id().trimmed().isEmpty() || !provider())) {
        Prompt::warn(QStringLiteral("OAuth 2.0 でサインインするには、IDにメールアドレスを入れ、プロバイダを選んでください。"), {}, this);
        return;
    }

    runtimeSettings().AccountId = id();
    runtimeSettings().AccountPassword = password();

    const AccountFile file;
    QString error;
    bool stored = m_save->isChecked() ? file.store(id(), password(), &error)
                                      : file.storeNotSaved(&error);
    // The ID names the account the tokens belong to, so an OAuth choice keeps it.
    if (stored && oauthChosen() && !m_save->isChecked())
        stored = file.storeId(id(), &error);
    if (stored)
        stored = file.storeAuthMethod(oauthChosen() ? OAuthAccess::authValueFor(provider()->name) : QString(), &error);
    if (!stored)
        Prompt::error(error, {}, this);
    close();
}

void IdPassForm::reject()
{
    close();
}

void IdPassForm::closeEvent(QCloseEvent *event)
{
    // Closing is plain Cancel; QDialog's own handling would call reject() again.
    event->accept();
}
