#include "ui/common/ProgressWindow.h"

#include "core/common/JobProgress.h"

#include <QPointer>

#include "ui/common/PlainText.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

ProgressWindow::ProgressWindow(const QString &title, QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowTitleHint | Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("ProgressWindow"));
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose, false);

    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("ProgressText"));
    PlainText::keep(m_text);
    m_text->setMinimumWidth(300);
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("ProgressBar"));
    m_bar->setTextVisible(false);
    m_bar->setRange(0, 0);
    m_cancel = new QPushButton(QStringLiteral("中止"), this);
    m_cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(m_cancel, &QPushButton::clicked, this, &ProgressWindow::requestCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(m_bar);
    layout->addWidget(m_cancel, 0, Qt::AlignRight);
}

void ProgressWindow::setText(const QString &text)
{
    m_text->setText(text);
}

QString ProgressWindow::text() const
{
    return m_text->text();
}

void ProgressWindow::setProgress(qint64 done, qint64 total)
{
    if (total <= 0) {
        m_bar->setRange(0, 0);
        return;
    }
    // The bar counts in ints; thousandths are fine enough for the eye.
    m_bar->setRange(0, 1000);
    m_bar->setValue(static_cast<int>(std::clamp<qint64>(done * 1000 / total, 0, 1000)));
}

void ProgressWindow::requestCancel()
{
    if (m_cancelSent)
        return;
    m_cancelSent = true;
    m_cancel->setEnabled(false);
    m_text->setText(QStringLiteral("中止しています…"));
    emit cancelRequested();
}

void ProgressWindow::closeEvent(QCloseEvent *event)
{
    // The window goes when the work ends; closing it early means stop.
    event->ignore();
    requestCancel();
}

void ProgressWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        requestCancel();
        return;
    }
    QWidget::keyPressEvent(event);
}

namespace {

// A job's progress in a ProgressWindow; the window goes with this object.
class WindowProgress : public JobProgress {
public:
    WindowProgress(const QString &title, QWidget *parent);
    ~WindowProgress() override;

    void show() override;
    void setText(const QString &text) override;
    void setProgress(qint64 done, qint64 total) override;
    void onCancel(QObject *context, std::function<void()> cancel) override;
    void stopListening(QObject *context) override;

private:
    // The window's parent may take it first.
    QPointer<ProgressWindow> m_window;
};

WindowProgress::WindowProgress(const QString &title, QWidget *parent)
    : m_window(new ProgressWindow(title, parent))
{
}

WindowProgress::~WindowProgress()
{
    delete m_window;
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

} // namespace

std::unique_ptr<JobProgress> ProgressWindow::open(const QString &title, QWidget *parent)
{
    return std::make_unique<WindowProgress>(title, parent);
}
