#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>

class QFont;
class QPrinter;
class QWidget;

// Every modal box and dialog of the program goes through here, so tests can
// install a scripted answerer that records each question. A box is never freed
// by the window it belongs to: should that window go while the box is open, the
// box answers the cautious way.
class Prompt {
public:
    enum class Icon { None, Information, Warning, Critical, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    struct Box {
        QString text;
        QString title;  // empty: the program's title
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        bool defaultNo = false;  // Enter answers No
    };

    // A box with buttons of its own, left to right ("&" marks the accelerator).
    struct Choice {
        QString text;
        QString title;  // empty: the program's title
        Icon icon = Icon::None;
        QStringList buttons;
        int defaultButton = 0;  // pressed by Enter
        int escapeButton = 0;   // pressed by Esc or by closing the box
        QString details;        // shown on request, e.g. a certificate's fields
    };

    // Filters come in the two-part form "説明(*.txt)|*.txt;*.ini" (pairs of label|patterns).
    struct FileQuestion {
        QString title;
        QString directory;
        QString fileName;
        QString filter;
    };

    virtual ~Prompt() = default;

    virtual Answer ask(const Box &box, QWidget *parent) = 0;
    // The index of the button pressed. A prompt that cannot ask takes the
    // escape button, which is always the cautious one.
    virtual int choose(const Choice &choice, QWidget *parent);
    // Nothing when the user cancelled.
    virtual std::optional<QString> openFileName(const FileQuestion &question, QWidget *parent) = 0;
    virtual std::optional<QString> saveFileName(const FileQuestion &question, QWidget *parent) = 0;
    // An existing folder; nothing when the user cancelled or the prompt cannot ask.
    virtual std::optional<QString> folderName(const FileQuestion &question, QWidget *parent);
    // Lets the user set up the printer; false when cancelled.
    virtual bool setUpPrinter(QPrinter &printer, bool hasSelection, QWidget *parent) = 0;

    static const QString &programTitle();

    // Marks a question as open for its lifetime. Every implementation that shows
    // something the user must answer holds one while it waits.
    class Question {
    public:
        explicit Question(QWidget *parent);
        ~Question();
        Question(const Question &) = delete;
        Question &operator=(const Question &) = delete;

    private:
        QPointer<QWidget> m_parent;
    };
    // Whether a question is open anywhere, or on window or one of its children.
    static bool anyOpen();
    static bool openOn(const QWidget *window);
    // Emits closed() (queued) after each question ends, for whoever waits for them all.
    static class PromptWatch *watch();

    static Prompt &instance();
    // Installs a replacement (tests); nullptr restores the real dialogs. Not owned.
    static void install(Prompt *prompt);

    // Shorthands for the common boxes.
    static void inform(const QString &text, const QString &title = {}, QWidget *parent = nullptr);
    static void warn(const QString &text, const QString &title = {}, QWidget *parent = nullptr);
    static void error(const QString &text, const QString &title = {}, QWidget *parent = nullptr);
    // The confirmation box: title "確認", Yes and No, question icon.
    static bool confirm(const QString &text, QWidget *parent = nullptr);
    // Asks for the printer (setUpPrinter) and prints text in font, one job per copy.
    static void printPlainText(const QString &text, const QFont &font, bool hasSelection, QWidget *parent);
};

// What Prompt::watch() is: it says when a question has ended.
class PromptWatch : public QObject {
    Q_OBJECT
signals:
    void closed();
};

// The production implementation on QMessageBox, QFileDialog and QPrintDialog.
class DialogPrompt : public Prompt {
public:
    Answer ask(const Box &box, QWidget *parent) override;
    int choose(const Choice &choice, QWidget *parent) override;
    std::optional<QString> openFileName(const FileQuestion &question, QWidget *parent) override;
    std::optional<QString> saveFileName(const FileQuestion &question, QWidget *parent) override;
    std::optional<QString> folderName(const FileQuestion &question, QWidget *parent) override;
    bool setUpPrinter(QPrinter &printer, bool hasSelection, QWidget *parent) override;

    // "label|patterns|label|patterns" -> "label (patterns);;label (patterns)"
    static QString toQtFilter(const QString &filter);
};
