#pragma once

#include <QWidget>

#include <memory>

class JobProgress;

class QLabel;
class QProgressBar;
class QPushButton;

// The small window that shows how far a mail check or a send has come and
// offers to stop it. It never blocks anything: closing it is the same as 中止.
class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    ProgressWindow(const QString &title, QWidget *parent = nullptr);

    // A job's progress shown in a new window of this kind; the window goes with
    // the returned object (or earlier with its parent).
    static std::unique_ptr<JobProgress> open(const QString &title, QWidget *parent);

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
