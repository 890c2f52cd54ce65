#pragma once

#include "core/common/JobProgress.h"

#include <QPointer>

#include <memory>

class ProgressWindow;
class QWidget;

// A job's progress in a ProgressWindow; the window goes with this object.
class WindowProgress : public JobProgress {
public:
    WindowProgress(const QString &title, QWidget *parent);
    ~WindowProgress() override;

    static std::unique_ptr<JobProgress> open(const QString &title, QWidget *parent);

    void show() override;
    void setText(const QString &text) override;
    void setProgress(qint64 done, qint64 total) override;
    void onCancel(QObject *context, std::function<void()> cancel) override;
    void stopListening(QObject *context) override;

private:
    // The window's parent may take it first.
    QPointer<ProgressWindow> m_window;
};
