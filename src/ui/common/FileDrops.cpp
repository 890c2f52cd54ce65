#include "ui/common/FileDrops.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace {

class DropFilter : public QObject {
public:
    DropFilter(QWidget *window, std::function<void(const QStringList &)> handler, std::function<bool()> accepts)
        : QObject(window), m_window(window), m_handler(std::move(handler)), m_accepts(std::move(accepts))
    {
        window->setAcceptDrops(true);
        watchAll();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::ChildAdded:
            // Boxes made after the window was set up take files as well.
            if (watched == m_window)
                watchAll();
            return false;
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto *drag = static_cast<QDropEvent *>(event);
            if (!carriesFiles(drag->mimeData()))
                return false;
            if (!taking()) {
                drag->ignore();
                return true;
            }
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
            return true;
        }
        case QEvent::Drop: {
            auto *drop = static_cast<QDropEvent *>(event);
            if (!carriesFiles(drop->mimeData()))
                return false;
            if (!taking()) {
                drop->ignore();
                return true;
            }
            const QStringList paths = FileDrops::localFiles(drop->mimeData());
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
            if (!paths.isEmpty())
                m_handler(paths);
            return true;
        }
        default:
            return false;
        }
    }

private:
    static bool carriesFiles(const QMimeData *data)
    {
        if (!data || !data->hasUrls())
            return false;
        const QList<QUrl> urls = data->urls();
        return std::any_of(urls.begin(), urls.end(), [](const QUrl &url) { return url.isLocalFile(); });
    }

    bool taking() const { return !m_accepts || m_accepts(); }

    void watchAll()
    {
        m_window->installEventFilter(this);
        const QList<QWidget *> children = m_window->findChildren<QWidget *>();
        for (QWidget *child : children)
            child->installEventFilter(this);
    }

    QWidget *m_window;
    std::function<void(const QStringList &)> m_handler;
    std::function<bool()> m_accepts;
};

} // namespace

namespace FileDrops {

QStringList localFiles(const QMimeData *data)
{
    QStringList paths;
    if (!data || !data->hasUrls())
        return paths;
    const QList<QUrl> urls = data->urls();
    for (const QUrl &url : urls)
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            paths << url.toLocalFile();
    return paths;
}

void install(QWidget *window, std::function<void(const QStringList &)> handler, std::function<bool()> accepts)
{
    new DropFilter(window, std::move(handler), std::move(accepts));
}

} // namespace FileDrops
