#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

// The attachment controls of a mail window: the path text sent with the mail,
// the list of chosen files and which buttons may be used.
class Attachments {
public:
    struct Controls {
        bool attachEnabled = true;  // "添付File"
        bool addEnabled = false;    // "追加"
        bool cancelEnabled = true;  // "取り消し"
        bool listVisible = false;   // List2
    };

    // The compose window starts with "追加" disabled, the reply window with it enabled.
    explicit Attachments(bool addEnabledAtStart = false);

    // Paths are joined by this, so a path holding it cannot be attached.
    static constexpr QChar kSeparator = u',';

    const QString &text() const { return m_text; }
    // The user may edit the path text by hand.
    void setText(const QString &text) { m_text = text; }
    const QStringList &listed() const { return m_listed; }
    const Controls &controls() const { return m_controls; }

    // The file dialog is shown with no title, filter or folder; parent owns it.
    void chooseFirst(QWidget *parent);
    void addFurther(QWidget *parent);
    // Files given without the dialog (dropped on the window), taken one by one as
    // if the dialog had picked them: the first as by "添付File", the rest as by "追加".
    void attachGiven(const QStringList &paths, QWidget *parent);
    void cancelAll();
    // The window's "クリア".
    void clear();
    // The start of a send: the list goes away, the text stays and is sent.
    void prepareForSend();

    static const QString &commaRefusal();

private:
    std::optional<QString> askFile(QWidget *parent) const;
    bool acceptable(const QString &path, QWidget *parent) const;

    QString m_text;
    QStringList m_listed;
    Controls m_controls;
};
