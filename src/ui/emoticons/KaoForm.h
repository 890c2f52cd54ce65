#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class RowTabs;

// The emoticon palette, titled "顔、絵文字": twelve editable collections on
// the tab control SSTab1, loaded when the window is created and saved when it
// closes. A selection goes into the compose window's body or the favourites.
class KaoForm : public QWidget {
    Q_OBJECT

public:
    explicit KaoForm(QWidget *parent = nullptr);

    RowTabs *tabs() const { return m_tabs; }
    QPlainTextEdit *box(int tab) const { return m_boxes.value(tab); }
    QStringList texts() const;

    // The routines behind each tab's three buttons.
    void insertIntoMail(int tab);
    void addToFavourites(int tab);
    void paste(int tab);

    // Writes back the collections edited since they were loaded, asking first
    // about one whose file would not come back byte for byte. Returns the
    // reasons of the saves that failed; a collection the user kept unsaved is
    // no failure.
    QStringList saveEdits();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *buildPage(int tab);
    // Puts the box's selection on the clipboard and leaves the caret where the
    // selection ended (at the start when nothing was selected).
    void copySelection(QPlainTextEdit *box);
    static QString clipboardPiece();

    RowTabs *m_tabs;  // SSTab1
    QList<QPlainTextEdit *> m_boxes;  // Kao1, Text1..Text11
    QStringList m_saved;  // each collection as its file holds it
    QLabel *m_note;
    QLabel *m_address;
};
