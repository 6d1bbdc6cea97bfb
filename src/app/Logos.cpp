#include "app/Logos.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace logos {

namespace {

// A four-pointed star, the emblem of the Zentari.
QPainterPath star(const QPointF &centre, qreal outer, qreal inner)
{
    QPainterPath path;
    for (int i = 0; i < 8; ++i) {
        const qreal radius = i % 2 ? inner : outer;
        const qreal angle = M_PI / 4 * i - M_PI / 2;
        const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        i == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

} // namespace

QPixmap titleLogo()
{
    QPixmap pixmap(460, 169);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient band(0, 0, 0, 169);
    band.setColorAt(0, QColor(20, 30, 90));
    band.setColorAt(1, QColor(5, 10, 45));
    p.setPen(QPen(QColor(250, 210, 60), 4));
    p.setBrush(band);
    p.drawRoundedRect(QRectF(4, 14, 452, 141), 30, 30);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 210, 60));
    p.drawPath(star({52, 84}, 34, 10));
    p.drawPath(star({408, 84}, 34, 10));

    QFont font("Arial Black", 44, QFont::Black);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    p.setFont(font);
    QPainterPath text;
    text.addText(0, 0, font, "ZENTARI");
    const QRectF bounds = text.boundingRect();
    text.translate(230 - bounds.center().x(), 84 - bounds.center().y());
    p.setPen(QPen(QColor(120, 40, 0), 3));
    p.setBrush(QColor(255, 220, 70));
    p.drawPath(text);
    return pixmap;
}

QPixmap smallLogo(const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(1, 1, size.width() - 2, size.height() - 2);
    p.setPen(QPen(QColor(250, 210, 60), 2));
    p.setBrush(QColor(150, 20, 20));
    p.drawRoundedRect(box, 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 210, 60));
    const qreal h = box.height();
    p.drawPath(star({box.left() + h / 2, box.center().y()}, h * 0.35, h * 0.1));
    QFont font("Arial", 9, QFont::Bold);
    font.setPixelSize(int(h * 0.38));
    p.setFont(font);
    p.setPen(QColor(255, 240, 200));
    p.drawText(box.adjusted(h, 0, -2, 0), Qt::AlignCenter, "ZDB");
    return pixmap;
}

} // namespace logos
