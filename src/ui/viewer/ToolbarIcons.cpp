#include "ui/viewer/ToolbarIcons.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace {

QIcon drawn(const QString &symbol, bool bold, bool italic, bool underline)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(symbol.size() > 1 ? 14 : 22);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    painter.setFont(font);
    painter.setPen(QColor(60, 60, 60));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, symbol);
    return QIcon(pixmap);
}

} // namespace

namespace ToolbarIcons {

QIcon forKey(const QString &key)
{
    struct Entry {
        const char *key;
        const char *theme;
        QStyle::StandardPixmap standard;
        const char16_t *symbol;
    };
    static const Entry entries[] = {
        {"New", "document-new", QStyle::SP_FileIcon, u"□"},
        {"Open", "document-open", QStyle::SP_DialogOpenButton, u"開"},
        {"Save", "document-save-as", QStyle::SP_DialogSaveButton, u"保"},
        {"Print", "document-print", QStyle::SP_CustomBase, u"印"},
        {"Cut", "edit-cut", QStyle::SP_CustomBase, u"✂"},
        {"Copy", "edit-copy", QStyle::SP_CustomBase, u"写"},
        {"Paste", "edit-paste", QStyle::SP_CustomBase, u"貼"},
        {"Bold", "format-text-bold", QStyle::SP_CustomBase, u"B"},
        {"Italic", "format-text-italic", QStyle::SP_CustomBase, u"I"},
        {"Underline", "format-text-underline", QStyle::SP_CustomBase, u"U"},
    };
    for (const Entry &entry : entries) {
        if (key != QLatin1String(entry.key))
            continue;
        const QIcon themed = QIcon::fromTheme(QString::fromLatin1(entry.theme));
        if (!themed.isNull())
            return themed;
        if (entry.standard != QStyle::SP_CustomBase)
            return QApplication::style()->standardIcon(entry.standard);
        return drawn(QString::fromUtf16(entry.symbol), key == QLatin1String("Bold"),
                     key == QLatin1String("Italic"), key == QLatin1String("Underline"));
    }
    return {};
}

} // namespace ToolbarIcons
