#pragma once

#include <QString>

// What a check says, in the program's words.
struct CheckTexts {
    static inline const QString kChecking = QStringLiteral("メールのチェックをしています。");
    static inline const QString kNewMail = QStringLiteral("新着メール有り。");
    static inline const QString kNoNewMail = QStringLiteral("新着メール無し。");
    static inline const QString kWaitingForHistory =
        QStringLiteral("受信履歴への取り込みか削除が終わるのを待っています…");
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

    // How many mails a check stored, and how many of them went to the junk history.
    static QString newMailCount(int stored, int junk)
    {
        const QString count = QStringLiteral("新着メール %1 通").arg(stored);
        return junk > 0 ? count + QStringLiteral("（迷惑メール %1 通）").arg(junk) : count;
    }
    // What a check's status line says of its mail at the end; junk among them
    // is counted, so the user knows where to look.
    static QString endLine(bool newMail, int stored, int junk)
    {
        if (junk > 0)
            return newMailCount(stored, junk);
        return newMail ? kNewMail : kNoNewMail;
    }
};
