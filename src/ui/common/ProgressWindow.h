#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// The small window that shows how far a mail check or a send has come and
// offers to stop it. It never blocks anything: closing it is the same as 中止.
class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    ProgressWindow(const QString &title, QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const;
    // done of total; a total of 0 shows a moving bar.
    void setProgress(qint64 done, qint64 total);

signals:
    void cancelRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *m_text;
    QProgressBar *m_bar;
    QPushButton *m_cancel;
    bool m_cancelSent = false;
    void requestCancel();
};
