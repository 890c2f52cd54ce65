#pragma once

#include <QWidget>

class QButtonGroup;
class QStackedWidget;
class QToolButton;

// A tab control whose headers stand in rows of a fixed number of tabs, one row
// above the other, over the pages. QTabWidget keeps all headers in one row.
class RowTabs : public QWidget {
    Q_OBJECT

public:
    explicit RowTabs(int perRow, QWidget *parent = nullptr);

    // Adds a page and its header; returns the page's index.
    int addTab(QWidget *page, const QString &caption);

    int count() const;
    int currentIndex() const;
    void setCurrentIndex(int index);
    QWidget *widget(int index) const;
    QWidget *currentWidget() const;
    QString tabText(int index) const;
    QToolButton *tabButton(int index) const;

    // Pixels taken by the header rows above the pages.
    int headerHeight() const;

signals:
    void currentChanged(int index);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void arrange();

    int m_perRow;
    QList<QToolButton *> m_headers;
    QButtonGroup *m_group;
    QStackedWidget *m_pages;
};
