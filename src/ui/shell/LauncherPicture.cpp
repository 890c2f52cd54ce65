#include "ui/shell/LauncherPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

void drawStar(QPainter &p, QPointF centre, qreal outer, const QColor &colour)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? outer : outer * 0.45;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
        i == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    path.closeSubpath();
    p.fillPath(path, colour);
}

void drawHeart(QPainter &p, QPointF centre, qreal size, const QColor &colour)
{
    QPainterPath path;
    const qreal s = size;
    path.moveTo(centre.x(), centre.y() + s * 0.9);
    path.cubicTo(centre.x() - s * 1.2, centre.y() + s * 0.1, centre.x() - s * 0.6, centre.y() - s * 0.9,
                 centre.x(), centre.y() - s * 0.3);
    path.cubicTo(centre.x() + s * 0.6, centre.y() - s * 0.9, centre.x() + s * 1.2, centre.y() + s * 0.1,
                 centre.x(), centre.y() + s * 0.9);
    p.fillPath(path, colour);
}

// A sun-like smiling face whose rays are the "spreading smile" of the title.
void drawSmile(QPainter &p, QPointF c)
{
    const QColor rays[] = {QColor(255, 183, 77), QColor(255, 138, 128), QColor(129, 212, 250),
                           QColor(174, 213, 129), QColor(206, 147, 216)};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 15; ++i) {
        const qreal angle = i * 2 * M_PI / 15;
        QPainterPath petal;
        const QPointF tip(c.x() + 62 * std::cos(angle), c.y() + 62 * std::sin(angle));
        const QPointF left(c.x() + 40 * std::cos(angle - 0.2), c.y() + 40 * std::sin(angle - 0.2));
        const QPointF right(c.x() + 40 * std::cos(angle + 0.2), c.y() + 40 * std::sin(angle + 0.2));
        petal.moveTo(left);
        petal.quadTo(tip, right);
        petal.closeSubpath();
        p.fillPath(petal, rays[i % 5]);
    }

    QRadialGradient face(c - QPointF(12, 14), 52);
    face.setColorAt(0, QColor(255, 249, 196));
    face.setColorAt(1, QColor(255, 213, 79));
    p.setBrush(face);
    p.setPen(QPen(QColor(230, 150, 30), 2));
    p.drawEllipse(c, 42, 42);

    p.setPen(QPen(QColor(93, 64, 55), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(c.x() - 20, c.y() - 14, 12, 10), 0, 180 * 16);
    p.drawArc(QRectF(c.x() + 8, c.y() - 14, 12, 10), 0, 180 * 16);
    p.drawArc(QRectF(c.x() - 22, c.y() - 16, 44, 36), 200 * 16, 140 * 16);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 138, 128, 140));
    p.drawEllipse(QPointF(c.x() - 27, c.y() + 8), 7, 4.5);
    p.drawEllipse(QPointF(c.x() + 27, c.y() + 8), 7, 4.5);
}

// Small coloured tabs in front of the menu words, which start after four wide spaces.
void drawMenuMarks(QPainter &p)
{
    struct Mark {
        int leftTwips;
        int topTwips;
        QColor colour;
    };
    const Mark marks[] = {
        {960, 1000, QColor(255, 138, 128)}, {240, 1500, QColor(129, 212, 250)},
        {360, 2160, QColor(174, 213, 129)}, {960, 2700, QColor(255, 183, 77)},
        {4080, 1000, QColor(206, 147, 216)}, {4680, 1500, QColor(128, 203, 196)},
        {4680, 2220, QColor(244, 143, 177)}, {3960, 2700, QColor(159, 168, 218)},
    };
    p.setPen(Qt::NoPen);
    for (const Mark &mark : marks) {
        const QRectF tab(mark.leftTwips / 15.0 + 26, mark.topTwips / 15.0 + 2, 18, 13);
        p.setBrush(mark.colour);
        p.drawRoundedRect(tab, 4, 4);
        p.setBrush(QColor(255, 255, 255, 200));
        p.drawEllipse(tab.center(), 2.5, 2.5);
    }
}

QPixmap render()
{
    QPixmap picture(LauncherPicture::kWidth, LauncherPicture::kHeight);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, LauncherPicture::kHeight);
    sky.setColorAt(0, QColor(255, 243, 224));
    sky.setColorAt(0.55, QColor(255, 250, 240));
    sky.setColorAt(1, QColor(225, 245, 254));
    p.fillRect(picture.rect(), sky);

    p.setPen(QPen(QColor(255, 204, 188), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(4, 4, LauncherPicture::kWidth - 8, 245), 14, 14);

    drawSmile(p, QPointF(223, 142));
    drawMenuMarks(p);

    drawStar(p, {30, 30}, 9, QColor(255, 213, 79));
    drawStar(p, {420, 36}, 7, QColor(129, 212, 250));
    drawStar(p, {396, 212}, 8, QColor(206, 147, 216));
    drawHeart(p, {48, 222}, 8, QColor(255, 138, 128));
    drawHeart(p, {150, 232}, 5, QColor(244, 143, 177));
    drawHeart(p, {424, 150}, 6, QColor(255, 171, 145));
    return picture;
}

} // namespace

namespace LauncherPicture {

const QPixmap &pixmap()
{
    static const QPixmap picture = render();
    return picture;
}

} // namespace LauncherPicture
