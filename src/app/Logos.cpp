#include "app/Logos.h"

#include <QFont>
#include <QGuiApplication>
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

const QColor gold(250, 210, 60);

// The night-blue band behind the title and the icon, lighter at the top.
QLinearGradient nightBand(qreal height)
{
    QLinearGradient band(0, 0, 0, height);
    band.setColorAt(0, QColor(20, 30, 90));
    band.setColorAt(1, QColor(5, 10, 45));
    return band;
}

// A transparent pixmap of size logical pixels, with as many device pixels as the screen has.
QPixmap canvas(const QSize &size)
{
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

} // namespace

QPixmap titleLogo()
{
    QPixmap pixmap = canvas({460, 169});
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    p.setPen(QPen(gold, 4));
    p.setBrush(nightBand(169));
    p.drawRoundedRect(QRectF(4, 14, 452, 141), 30, 30);

    p.setPen(Qt::NoPen);
    p.setBrush(gold);
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
    QPixmap pixmap = canvas(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(1, 1, size.width() - 2, size.height() - 2);
    p.setPen(QPen(gold, 2));
    p.setBrush(QColor(150, 20, 20));
    p.drawRoundedRect(box, 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    const qreal h = box.height();
    p.drawPath(star({box.left() + h / 2, box.center().y()}, h * 0.35, h * 0.1));
    QFont font("Arial", 9, QFont::Bold);
    font.setPixelSize(int(h * 0.38));
    p.setFont(font);
    p.setPen(QColor(255, 240, 200));
    p.drawText(box.adjusted(h, 0, -2, 0), Qt::AlignCenter, "ZDB");
    return pixmap;
}

void paintIcon(QPainter &p)
{
    // A margin all round, as desktop icons keep.
    p.setPen(QPen(gold, 10));
    p.setBrush(nightBand(256));
    p.drawRoundedRect(QRectF(16, 16, 224, 224), 44, 44);
    p.setPen(QPen(QColor(120, 40, 0), 6));
    p.setBrush(QColor(255, 220, 70));
    p.drawPath(star({128, 132}, 92, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(star({190, 66}, 26, 8));
}

QImage iconImage(int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 256.0, side / 256.0);
    paintIcon(p);
    return image;
}

QIcon programIcon()
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(iconImage(side)));
    return icon;
}

} // namespace logos
