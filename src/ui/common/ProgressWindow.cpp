#include "ui/common/ProgressWindow.h"

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
