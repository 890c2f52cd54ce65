#pragma once

#include "auth/OAuthAccess.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class BackgroundJob;
class ProgressWindow;

// The launcher's receive entry: logs in to the POP3 server, stores every waiting
// mail in the received history and deletes it from the server, showing progress
// and the outcome in the launcher's status line. The network work runs on a
// worker; the boxes it needs are asked on the window thread and waited for.
class MailCheck : public QObject {
    Q_OBJECT
public:
    // A timed check opens no box of its own: failures and questions that need the
    // user go to the status line and into failure.
    enum class Mode { User, Timed };

    struct Outcome {
        int waiting = 0;     // what the server said, negative after a failed login
        int stored = 0;      // records appended
        bool attachment = false;
        bool failed = false;     // the check ended early on an error shown to the user
        bool cancelled = false;  // the user stopped it
        bool encrypted = false;  // the connection was encrypted
        int deletedFromServer = 0;  // mails left on the server earlier and deleted now
        bool needsSignIn = false;  // the OAuth 2.0 sign-in is gone; the user was told
        QStringList newMail;     // "差出人: 件名" of each mail stored, in order
        QString failure;         // a timed check: what went wrong, in words
    };

    // Starts a check unless one runs, and returns at once; finished() follows.
    // A check that finds its OAuth 2.0 sign-in gone says so and, unless the
    // policy forbids it (a timed check always does), opens the browser sign-in.
    static MailCheck *start(Mode mode = Mode::User, SignInPolicy policy = SignInPolicy::MayOpenBrowser);
    static MailCheck *start(SignInPolicy policy);
    // Starts a check and lets the window thread's events run until it ends.
    static Outcome run(SignInPolicy policy = SignInPolicy::MayOpenBrowser);
    static bool isRunning();
    // The running check, if any.
    static MailCheck *current();
    // Called on the window thread at the end of every check, before finished(),
    // for as long as context lives.
    static void addFinishListener(QObject *context, std::function<void(const Outcome &, Mode)> listener);
    Mode mode() const { return m_mode; }

    void cancel();
    const Outcome &outcome() const { return m_outcome; }

    static inline const QString kChecking = QStringLiteral("メールのチェックをしています。");
    static inline const QString kNewMail = QStringLiteral("新着メール有り。");
    static inline const QString kNoNewMail = QStringLiteral("新着メール無し。");
    static inline const QString kAttachmentMail = QStringLiteral("添付ファイルメール。");
    static inline const QString kAttachmentNote =
        QStringLiteral("♪♪♪　添付ファイルがありましので、添付フォルダに展開しました。♪♪♪");
    static inline const QString kCannotOpenAttachment = QStringLiteral("添付ファイルをオープンできません");
    static inline const QString kPartsMissing = QStringLiteral("分割されたメールが全て揃っていません");
    static inline const QString kErrorTitle = QStringLiteral("エラー");
    static inline const QString kStopped = QStringLiteral("メールのチェックを中止しました。");
    static inline const QString kNoServer =
        QStringLiteral("POP3サーバーが設定されていません。サーバー設定でPOP3サーバーを入力してください。");
    static inline const QString kDeletedFromServer = QStringLiteral("サーバーから %1 通削除しました");
    static inline const QString kRebuilt = QStringLiteral("受信済みメールの一覧を作り直しました。");
    static inline const QString kNoUidl = QStringLiteral(
        "このサーバーはメールを見分けるための番号（UIDL）に対応していないため、メールをサーバーに残すことができません。\n"
        "メールは受信も削除もしていません。\n"
        "サーバー設定の「サーバーにメールを残す」をオフにしてから、もう一度受信してください。");
    static inline const QString kAskTheUser =
        QStringLiteral("サーバーについての確認が必要です。「受信」を押して答えてください。");
    static inline const QString kNoAccount =
        QStringLiteral("IDまたはパスワードが保存されていません。「受信」を押して入力してください。");
    static inline const QString kEncrypted = QStringLiteral("（暗号化）");
    static inline const QString kNotEncrypted = QStringLiteral("（暗号化なし）");

signals:
    void finished();

private:
    MailCheck();
    ~MailCheck() override;
    void end();

    BackgroundJob *m_job = nullptr;
    QPointer<ProgressWindow> m_progress;
    Outcome m_outcome;
    Mode m_mode = Mode::User;
};
