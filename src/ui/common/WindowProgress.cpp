#include "ui/common/WindowProgress.h"

#include "ui/common/ProgressWindow.h"

WindowProgress::WindowProgress(const QString &title, QWidget *parent)
    : m_window(new ProgressWindow(title, parent))
{
}

WindowProgress::~WindowProgress()
{
    delete m_window;
}

std::unique_ptr<JobProgress> WindowProgress::open(const QString &title, QWidget *parent)
{
    return std::make_unique<WindowProgress>(title, parent);
}

void WindowProgress::show()
{
    if (m_window)
        m_window->show();
}

void WindowProgress::setText(const QString &text)
{
    if (m_window)
        m_window->setText(text);
}

void WindowProgress::setProgress(qint64 done, qint64 total)
{
    if (m_window)
        m_window->setProgress(done, total);
}

void WindowProgress::onCancel(QObject *context, std::function<void()> cancel)
{
    if (m_window)
        QObject::connect(m_window, &ProgressWindow::cancelRequested, context, std::move(cancel));
}

void WindowProgress::stopListening(QObject *context)
{
    if (m_window)
        QObject::disconnect(m_window, nullptr, context, nullptr);
}
