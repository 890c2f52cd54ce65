#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class TyakuForm;

// The history window's buttons that act on the mail last clicked in the list,
// or on the whole history of the current mode.
class MailActions {
public:
    static inline const QString kNothingSelected = QStringLiteral("データが選択されていません");

    explicit MailActions(TyakuForm *form);

    void deleteOne();       // "一件削除"
    void deleteAll();       // "全件削除"
    void registerSender();  // "アドレス帳登録"
    void reply();           // "返事を書く"
    void quickSave();       // "TextQuickSave"
    void copyHeader();      // "コピー（Subject/from/Data）"

    // A subject made fit to stand as a file name.
    static QString fileNameFor(const QString &subject);
    // CP932 when every character has a CP932 form, otherwise UTF-8 with a byte-order mark.
    static QByteArray quickSaveBytes(const QString &text);

private:
    // Refuses, with the box, when no mail was clicked since the last action.
    bool refuseWithoutSelection();
    void refuse();
    void clearShownMail();
    // Whether the files kept with the mails go too; keeping them is the default.
    bool askToDeleteWholeMails(int files);
    void deleteWholeMails(const QStringList &paths);

    TyakuForm *m_form;
};
