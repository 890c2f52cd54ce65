#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTimer;

// The launcher: a picture with eight menu labels, a help label, the status line
// and the hidden clock text that dates every sent mail.
class MainForm : public QWidget {
    Q_OBJECT

public:
    explicit MainForm(QWidget *parent = nullptr);

    QLabel *menuLabel(int number) const;
    QString helpSentence(int number) const;

    void setStatusText(const QString &text);
    QString statusText() const;
    QString clockText() const;

signals:
    void statusTextChanged(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void activate(int number);
    void showHelp(int number);
    void hideHelp();
    void tick();
    // Ends the program once no work runs and no box is open, asking running work to stop.
    void endWhenFree();

    QList<QLabel *> m_menu;  // Label1..Label8
    QLabel *m_help;           // Label9
    QLineEdit *m_status;      // Text1
    QLineEdit *m_clock;       // Text2
    QTimer *m_timer;          // Timer2
};
