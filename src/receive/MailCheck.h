#pragma once

#include <QString>

// The launcher's receive entry: logs in to the POP3 server, stores every waiting
// mail in the received history and deletes it from the server, showing progress
// and the outcome in the launcher's status line. Runs to its end inside one click.
class MailCheck {
public:
    struct Outcome {
        int waiting = 0;     // what the server said, negative after a failed login
        int stored = 0;      // records appended
        bool attachment = false;
        bool failed = false;  // the check ended early on an error shown to the user
    };

    static Outcome run();
    static bool isRunning();

    static inline const QString kChecking = QStringLiteral("メールのチェックをしています。");
    static inline const QString kNewMail = QStringLiteral("新着メール有り。");
    static inline const QString kNoNewMail = QStringLiteral("新着メール無し。");
    static inline const QString kAttachmentMail = QStringLiteral("添付ファイルメール。");
    static inline const QString kAttachmentNote =
        QStringLiteral("♪♪♪　添付ファイルがありましので、添付フォルダに展開しました。♪♪♪");
    static inline const QString kCannotOpenAttachment = QStringLiteral("添付ファイルをオープンできません");
    static inline const QString kPartsMissing = QStringLiteral("分割されたメールが全て揃っていません");
    static inline const QString kErrorTitle = QStringLiteral("エラー");
};
