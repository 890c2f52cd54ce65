#pragma once

#include <QString>

class QPlainTextEdit;
class QWidget;

// What the commands need of the window whose editor they work on.
class EditorHost {
public:
    virtual ~EditorHost() = default;
    virtual QPlainTextEdit *editor() const = 0;
    virtual QString searchText() const = 0;
    virtual QString subjectText() const = 0;
    virtual QString fromText() const = 0;
    virtual QString dateText() const = 0;
    // The editor's text with CR LF line ends.
    virtual QString bodyText() const = 0;
    virtual void setBodyText(const QString &text) = 0;
    // Parent of the dialogs, and whose title names the file.
    virtual QWidget *hostWindow() = 0;
};

// What the history window's menus, toolbar and search box do to its editor.
// Positions are held wide, so texts of any length search and select correctly.
class EditorCommands {
public:
    static inline const QString kFileFilter = QStringLiteral("txtファイル(*.txt,*.ini)|*.txt;*.ini");
    static inline const QString kNewFileName = QStringLiteral("新規作成.TXT");

    explicit EditorCommands(EditorHost &host);

    void find();
    void findNext();
    qsizetype lastFound() const { return m_lastFound; }

    void selectAll();
    void jumpToStart();
    void jumpToEnd();
    void cut();
    void copy();
    void paste();

    void newFile();
    void open();
    void saveAs();
    void print();

    void toggleBold();
    void toggleItalic();
    void toggleUnderline();

    // The toolbar's buttons by key: "New", "Open", "Save", "Print", "Cut", ...
    void dispatch(const QString &key);

private:
    void searchFrom(qsizetype start);
    QString selectedText() const;
    void saveCurrentFile();

    EditorHost &m_host;
    qsizetype m_lastFound = 0;  // 1-based position of the last hit, 0 after a miss
};
