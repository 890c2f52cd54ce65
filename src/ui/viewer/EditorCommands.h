#pragma once

#include <QString>

class TyakuForm;

// What the history window's menus, toolbar and search box do to its editor.
// Positions are held wide, so texts of any length search and select correctly.
class EditorCommands {
public:
    static inline const QString kFileFilter = QStringLiteral("txtファイル(*.txt,*.ini)|*.txt;*.ini");
    static inline const QString kNewFileName = QStringLiteral("新規作成.TXT");

    explicit EditorCommands(TyakuForm *form);

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

    TyakuForm *m_form;
    qsizetype m_lastFound = 0;  // 1-based position of the last hit, 0 after a miss
};
