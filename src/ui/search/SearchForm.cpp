#include "ui/search/SearchForm.h"

#include "core/search/SearchService.h"
#include "ui/shell/Forms.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// Typing pauses this long before the search starts.
constexpr int kPauseMs = 250;
// Pieces of text are read with the answer for the first rows only.
constexpr int kExcerpts = 300;

enum Role { kKind = Qt::UserRole, kNumber, kId, kExcerpt, kStart, kLength };

QString marked(const QString &text, int start, int length)
{
    return text.left(start).toHtmlEscaped() + QStringLiteral("<b style=\"background:#ffe680\">")
        + text.mid(start, length).toHtmlEscaped() + QStringLiteral("</b>") + text.mid(start + length).toHtmlEscaped();
}

} // namespace

SearchForm::SearchForm(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("全メール検索"));
    setObjectName(QStringLiteral("SearchForm"));
    resize(760, 520);
    auto *layout = new QVBoxLayout(this);
    m_query = new QLineEdit(this);
    m_query->setObjectName(QStringLiteral("query"));
    m_query->setPlaceholderText(QStringLiteral("探す文字（from: to: subject: body: file: in:received in:sent since: until:）"));
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("count"));
    m_results = new QTreeWidget(this);
    m_results->setObjectName(QStringLiteral("results"));
    m_results->setHeaderLabels({QStringLiteral("日付"), QStringLiteral("差出人・宛先"), QStringLiteral("件名"),
                                QStringLiteral("履歴")});
    m_results->setRootIsDecorated(false);
    m_results->setUniformRowHeights(true);
    m_results->header()->resizeSection(0, 170);
    m_results->header()->resizeSection(1, 200);
    m_results->header()->resizeSection(2, 300);
    m_excerpt = new QLabel(this);
    m_excerpt->setObjectName(QStringLiteral("excerpt"));
    m_excerpt->setTextFormat(Qt::RichText);
    m_excerpt->setWordWrap(true);
    m_excerpt->setMinimumHeight(48);
    layout->addWidget(m_query);
    layout->addWidget(m_count);
    layout->addWidget(m_results, 1);
    layout->addWidget(m_excerpt);

    m_pause = new QTimer(this);
    m_pause->setSingleShot(true);
    m_pause->setInterval(kPauseMs);
    connect(m_pause, &QTimer::timeout, this, &SearchForm::startSearch);
    connect(m_query, &QLineEdit::textChanged, m_pause, qOverload<>(&QTimer::start));
    connect(m_query, &QLineEdit::returnPressed, this, [this] {
        if (m_pause->isActive()) {
            m_pause->stop();
            startSearch();
            return;
        }
        openCurrent();
    });
    connect(m_results, &QTreeWidget::itemActivated, this, [this] { openCurrent(); });
    connect(m_results, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) { showExcerpt(item); });
    m_query->installEventFilter(this);
}

SearchForm *SearchForm::open()
{
    SearchForm *form = Forms::get<SearchForm>();
    Forms::show(form);
    form->raise();
    form->activateWindow();
    form->m_query->setFocus();
    form->m_query->selectAll();
    return form;
}

QString SearchForm::countText() const
{
    return m_count->text();
}

QString SearchForm::excerptText() const
{
    return m_excerpt->text();
}

bool SearchForm::eventFilter(QObject *watched, QEvent *event)
{
    // Down from the query box goes to the list, as in any search field.
    if (watched == m_query && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Down || key == Qt::Key_PageDown) && m_results->topLevelItemCount() > 0) {
            m_results->setFocus();
            if (!m_results->currentItem())
                m_results->setCurrentItem(m_results->topLevelItem(0));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SearchForm::startSearch()
{
    const quint64 generation = ++m_generation;
    const QString text = m_query->text();
    if (text.trimmed().isEmpty()) {
        m_results->clear();
        m_count->clear();
        m_excerpt->clear();
        return;
    }
    QString why;
    const auto query = SearchQuery::parse(text, &why);
    if (!query) {
        show(generation, {}, {}, {}, why);
        return;
    }
    m_count->setText(QStringLiteral("検索中…"));
    const QPointer<SearchForm> form(this);
    QThread *worker = QThread::create([form, generation, query = *query] {
        SearchIndex &index = SearchService::instance().index();
        const SearchIndex::Answer answer = index.search(query);
        QList<SearchIndex::Excerpt> excerpts;
        for (int i = 0; i < answer.hits.size() && i < kExcerpts; ++i)
            excerpts << index.excerpt(answer.hits[i], query);
        QMetaObject::invokeMethod(QCoreApplication::instance(), [=] {
            if (form)
                form->show(generation, query, answer, excerpts, QString());
        });
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start(QThread::LowPriority);
}

void SearchForm::show(quint64 generation, const SearchQuery &, const SearchIndex::Answer &answer,
                      const QList<SearchIndex::Excerpt> &excerpts, const QString &why)
{
    // An answer to text typed over since is no answer any more.
    if (generation != m_generation)
        return;
    m_results->clear();
    m_excerpt->clear();
    if (!why.isEmpty() || !answer.error.isEmpty()) {
        m_count->setText(why.isEmpty() ? answer.error : why);
        emit answered();
        return;
    }
    QList<QTreeWidgetItem *> items;
    for (int i = 0; i < answer.hits.size(); ++i) {
        const auto &hit = answer.hits[i];
        const bool received = hit.kind == HistoryFile::Kind::Received;
        auto *item = new QTreeWidgetItem({hit.date, hit.correspondent, hit.subject,
                                          received ? QStringLiteral("着信") : QStringLiteral("送信")});
        item->setData(0, kKind, received ? 0 : 1);
        item->setData(0, kNumber, hit.number);
        item->setData(0, kId, hit.id);
        if (i < excerpts.size()) {
            item->setData(0, kExcerpt, excerpts[i].text);
            item->setData(0, kStart, excerpts[i].start);
            item->setData(0, kLength, excerpts[i].length);
        }
        items << item;
    }
    m_results->addTopLevelItems(items);
    QString count = QStringLiteral("%1 件").arg(answer.hits.size());
    if (!answer.complete)
        count += QStringLiteral("（索引の作成中のため、索引済みのメールだけから探しました）");
    m_count->setText(count);
    if (!items.isEmpty())
        m_results->setCurrentItem(items.first());
    emit answered();
}

void SearchForm::showExcerpt(QTreeWidgetItem *item)
{
    if (!item) {
        m_excerpt->clear();
        return;
    }
    const QString text = item->data(0, kExcerpt).toString();
    m_excerpt->setText(marked(text, item->data(0, kStart).toInt(), item->data(0, kLength).toInt()));
}

void SearchForm::openCurrent()
{
    QTreeWidgetItem *item = m_results->currentItem();
    if (!item)
        return;
    const QString excerpt = item->data(0, kExcerpt).toString();
    const QString match = excerpt.mid(item->data(0, kStart).toInt(), item->data(0, kLength).toInt());
    SearchIndex::Hit hit;
    hit.kind = item->data(0, kKind).toInt() == 0 ? HistoryFile::Kind::Received : HistoryFile::Kind::Sent;
    hit.number = item->data(0, kNumber).toInt();
    hit.id = item->data(0, kId).toLongLong();
    // A deletion since the answer moves numbers: the mail's number now is asked
    // for off the window thread, as it may have to read the history.
    const QPointer<SearchForm> form(this);
    QThread *worker = QThread::create([form, hit, match] {
        const int number = SearchService::instance().index().numberNow(hit);
        QMetaObject::invokeMethod(QCoreApplication::instance(), [form, hit, number, match] {
            if (!form)
                return;
            if (number <= 0) {
                form->m_count->setText(QStringLiteral("このメールは%1から削除されたため、開けません。")
                                           .arg(hit.kind == HistoryFile::Kind::Received ? QStringLiteral("着信履歴")
                                                                                        : QStringLiteral("送信履歴")));
            } else {
                Forms::showHistoryRecord(hit.kind, number, match);
            }
            emit form->opened();
        });
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    worker->start();
}
