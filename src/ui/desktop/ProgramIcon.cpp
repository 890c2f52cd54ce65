#include "ui/desktop/ProgramIcon.h"

#include <QPainter>
#include <QPixmap>

namespace ProgramIcon {

QIcon icon()
{
    const QIcon themed = QIcon::fromTheme(QStringLiteral("pintora"));
    if (!themed.isNull())
        return themed;
    // The menu entry's smiling face, drawn without an SVG reader.
    QPixmap picture(64, 64);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xb7, 0x4d));
    for (const QPoint &dot : {QPoint(32, 6), QPoint(58, 32), QPoint(32, 58), QPoint(6, 32)})
        painter.drawEllipse(dot, 5, 5);
    painter.setPen(QPen(QColor(0xe6, 0x96, 0x1e), 2));
    painter.setBrush(QColor(0xff, 0xd5, 0x4f));
    painter.drawEllipse(QPoint(32, 32), 20, 20);
    painter.setPen(QPen(QColor(0x5d, 0x40, 0x37), 2.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRect(24, 26, 6, 6), 0, 180 * 16);
    painter.drawArc(QRect(34, 26, 6, 6), 0, 180 * 16);
    painter.drawArc(QRect(24, 30, 16, 12), 200 * 16, 140 * 16);
    painter.end();
    return QIcon(picture);
}

} // namespace ProgramIcon
