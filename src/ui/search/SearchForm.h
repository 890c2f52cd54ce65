#pragma once

#include "core/search/SearchIndex.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

// 全メール検索: a query box that searches both histories as the user types,
// the mails found newest first with a piece of their text, and the way to
// each one in its history window. The search itself runs on a worker.
class SearchForm : public QWidget {
    Q_OBJECT
public:
    explicit SearchForm(QWidget *parent = nullptr);

    // Shows the window with the query box ready for typing.
    static SearchForm *open();

    QLineEdit *queryBox() const { return m_query; }
    QTreeWidget *results() const { return m_results; }
    QString countText() const;
    QString excerptText() const;

signals:
    // An answer is on the screen (for whoever waits for one).
    void answered();
    // The mail chosen is shown in its history window, or why not is said.
    void opened();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void startSearch();
    void show(quint64 generation, const SearchQuery &query, const SearchIndex::Answer &answer,
              const QList<SearchIndex::Excerpt> &excerpts, const QString &why);
    void showExcerpt(QTreeWidgetItem *item);
    void openCurrent();

    QLineEdit *m_query;
    QLabel *m_count;
    QTreeWidget *m_results;
    QLabel *m_excerpt;
    QTimer *m_pause;
    quint64 m_generation = 0;
};
