#pragma once

#include "core/history/HistoryFile.h"
#include "ui/viewer/EditorCommands.h"

#include <QList>
#include <QMainWindow>

#include <functional>
#include <memory>

class HistoryListModel;
class JunkActions;
class MailActions;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QToolBar;
class QTreeView;

// The history window: the list of received or sent mails, the shown mail, and
// a small text editor. Its header boxes and editor also carry each downloaded
// mail from the mail check to the history file.
class TyakuForm : public QMainWindow, public EditorHost {
    Q_OBJECT

public:
    explicit TyakuForm(QWidget *parent = nullptr);
    ~TyakuForm() override;

    // The launcher's two entries and 迷惑メール: show the window and list that history.
    static TyakuForm *openHistory(HistoryFile::Kind kind);
    // Called each time the received history is opened, for as long as context lives.
    static void addReceivedOpenedListener(QObject *context, std::function<void()> listener);

    // Empties the list and the editor and lists the current mode's file again.
    void fillList();
    // Reads the record of the selected row again and shows it (a click on the list).
    void showSelectedMail();
    // The boxes and editor show a record as stored (pictographs as emoji), without
    // touching the list or reading a linked whole mail.
    void showStored(const HistoryRecord &record);

    QString subjectText() const override;
    QString fromText() const override;
    QString dateText() const override;
    // The editor's text with CR LF line ends.
    QString bodyText() const override;
    void setSubjectText(const QString &text);
    void setFromText(const QString &text);
    void setDateText(const QString &text);
    void setBodyText(const QString &text) override;

    int rowCount() const;
    // The selected row counted from 1, or 0 when none is selected.
    int selectedRow() const;
    // Every selected row counted from 1, in order.
    QList<int> selectedRows() const;
    // The row of the mail shown, counted from 1; 0 when none is.
    int shownRow() const { return m_shownRow; }
    // Selects row (counted from 1) and shows its mail, as a click would.
    void showRow(int row);
    // The line above a mail whose sender failed authentication; empty when none is shown.
    QString warningText() const;
    QString selectionMarker() const;
    void setSelectionMarker(const QString &marker);
    QString countText() const;
    QString copyFieldText() const;
    // Removes every row and sets the count box to 0.
    void clearList();

    QString searchText() const override;
    EditorCommands &commands() { return *m_commands; }
    MailActions &actions() { return *m_actions; }
    JunkActions &junkActions() { return *m_junkActions; }

    QTreeView *mailList() const { return m_list; }
    QPlainTextEdit *editor() const override { return m_editor; }
    QWidget *hostWindow() override { return this; }
    QToolBar *toolBar() const { return m_toolBar; }

    static const QString &helpText(const QString &controlName);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildControls(QWidget *client);
    void buildMenus();
    void buildToolBar();
    void loadCurrentFile();
    void applyLayout();
    // Row counted from 1.
    void showRecord(const HistoryRecord &record, int row);
    // What came with the shown mail, opened by the desktop's own programs.
    void offerWhatCame(const HistoryRecord &record);
    void openAttachmentFolder();
    void openWholeMail();
    void passBodyThroughClipboard();
    // Shows or hides the なりすまし line above the shown mail.
    void setSpoofWarning(bool shown);
    // Whether the check noted that the sender of record row failed authentication.
    bool shownMailSpoofed(int row) const;
    void buildJunkMenu(QMenu *mail);
    // The junk entries that fit the history listed.
    void showJunkEntries();
    void placeCopyControlsOnStatusBar();
    int statusBarTop() const;

    QWidget *m_band = nullptr;           // Picture1
    QToolBar *m_toolBar = nullptr;       // tbToolBar
    QLineEdit *m_search = nullptr;       // Text1
    QLineEdit *m_count = nullptr;        // Text2
    QPlainTextEdit *m_help = nullptr;    // Text4
    QLineEdit *m_marker = nullptr;       // Text5
    QLineEdit *m_copyField = nullptr;    // Text6
    QLineEdit *m_subject = nullptr;      // Text7
    QLineEdit *m_from = nullptr;         // Text8
    QLineEdit *m_date = nullptr;         // Text9
    QPushButton *m_copyButton = nullptr; // Command1
    QAction *m_openFolder = nullptr;      // 添付フォルダを開く
    QAction *m_openWhole = nullptr;       // 全文を開く
    QString m_wholeFile;
    QTreeView *m_list = nullptr;         // MailListView
    HistoryListModel *m_model = nullptr;
    QPlainTextEdit *m_editor = nullptr;  // rtfEd
    QStatusBar *m_statusBar = nullptr;   // StatusBar1
    QWidget *m_client = nullptr;
    std::unique_ptr<EditorCommands> m_commands;
    std::unique_ptr<MailActions> m_actions;
    std::unique_ptr<JunkActions> m_junkActions;
    QLabel *m_spoofLine = nullptr;
    QAction *m_toJunk = nullptr;     // 迷惑メール(&J)
    QAction *m_notJunk = nullptr;    // 迷惑メールではない(&N)
    QAction *m_openJunk = nullptr;
    QAction *m_openReceived = nullptr;
    int m_shownRow = 0;
    // Positions the layout reads back, kept in twips so pixel rounding never drifts.
    int m_editorLeft = 20;
    int m_copyButtonLeft = 1920;
};
