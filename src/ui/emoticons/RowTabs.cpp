#include "ui/emoticons/RowTabs.h"

#include <QButtonGroup>
#include <QStackedWidget>
#include <QToolButton>

namespace {

constexpr int kHeaderHeight = 22;

} // namespace

RowTabs::RowTabs(int perRow, QWidget *parent)
    : QWidget(parent), m_perRow(qMax(1, perRow)), m_group(new QButtonGroup(this)),
      m_pages(new QStackedWidget(this))
{
    m_pages->setFrameShape(QFrame::StyledPanel);
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idClicked, this, &RowTabs::setCurrentIndex);
    connect(m_pages, &QStackedWidget::currentChanged, this, [this](int index) {
        if (QToolButton *header = tabButton(index))
            header->setChecked(true);
        emit currentChanged(index);
    });
}

int RowTabs::addTab(QWidget *page, const QString &caption)
{
    const int index = m_pages->addWidget(page);
    auto *header = new QToolButton(this);
    header->setObjectName(objectName() + QStringLiteral("Tab%1").arg(index));
    header->setText(caption);
    header->setCheckable(true);
    header->setFocusPolicy(Qt::TabFocus);
    header->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_group->addButton(header, index);
    m_headers << header;
    if (index == m_pages->currentIndex())
        header->setChecked(true);
    header->show();
    arrange();
    return index;
}

int RowTabs::count() const
{
    return m_pages->count();
}

int RowTabs::currentIndex() const
{
    return m_pages->currentIndex();
}

void RowTabs::setCurrentIndex(int index)
{
    if (index >= 0 && index < count())
        m_pages->setCurrentIndex(index);
}

QWidget *RowTabs::widget(int index) const
{
    return m_pages->widget(index);
}

QWidget *RowTabs::currentWidget() const
{
    return m_pages->currentWidget();
}

QString RowTabs::tabText(int index) const
{
    const QToolButton *header = tabButton(index);
    return header ? header->text() : QString();
}

QToolButton *RowTabs::tabButton(int index) const
{
    return index >= 0 && index < m_headers.size() ? m_headers[index] : nullptr;
}

int RowTabs::headerHeight() const
{
    const int rows = (int(m_headers.size()) + m_perRow - 1) / m_perRow;
    return rows * kHeaderHeight;
}

void RowTabs::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    arrange();
}

void RowTabs::arrange()
{
    const int headerWidth = width() / m_perRow;
    for (int i = 0; i < m_headers.size(); ++i) {
        const int row = i / m_perRow;
        const int column = i % m_perRow;
        // The last header of a row takes what the division leaves over.
        const int left = column * headerWidth;
        const int right = column == m_perRow - 1 ? width() : left + headerWidth;
        m_headers[i]->setGeometry(left, row * kHeaderHeight, right - left, kHeaderHeight);
    }
    m_pages->setGeometry(0, headerHeight(), width(), qMax(0, height() - headerHeight()));
}
