#include "CreatureFigure.h"

#include <QPainter>
#include <QPainterPath>

namespace zentgen {

namespace {

// Picks a value from the seed and moves on to the next one.
int pick(quint32 &seed, int choices)
{
    seed = seed * 1664525u + 1013904223u;
    return int((seed >> 16) % quint32(choices));
}

QPainterPath mirrored(const QPainterPath &left)
{
    return left.united(QTransform(-1, 0, 0, 1, 100, 0).map(left));
}

QPainterPath ears(int kind, qreal headTop)
{
    QPainterPath path;
    switch (kind) {
    case 0: // pointed
        path.addPolygon(QPolygonF({{33, headTop + 12}, {27, headTop - 12}, {45, headTop + 4}}));
        break;
    case 1: // round
        path.addEllipse(QPointF(33, headTop + 4), 8, 8);
        break;
    case 2: // horns
        path.moveTo(38, headTop + 6);
        path.cubicTo(30, headTop - 4, 24, headTop - 8, 20, headTop - 16);
        path.cubicTo(30, headTop - 12, 40, headTop - 6, 44, headTop + 3);
        break;
    case 3: // long ears
        path.addEllipse(QRectF(28, headTop - 20, 10, 30));
        break;
    default: // crest of spikes, drawn once on the middle
        path.addPolygon(QPolygonF({{40, headTop + 4}, {44, headTop - 14}, {50, headTop + 1}}));
        path.addPolygon(QPolygonF({{47, headTop + 1}, {50, headTop - 18}, {53, headTop + 1}}));
        break;
    }
    path.closeSubpath();
    return mirrored(path);
}

QPainterPath wings()
{
    QPainterPath wing(QPointF(36, 58));
    wing.cubicTo(20, 34, 6, 36, 2, 30);
    wing.cubicTo(4, 48, 12, 64, 34, 70);
    return mirrored(wing);
}

QPainterPath tail(int kind)
{
    QPainterPath path(QPointF(70, 74));
    if (kind == 0) {
        path.cubicTo(90, 76, 96, 56, 86, 48);
        path.cubicTo(84, 58, 80, 66, 70, 66);
    } else {
        path.cubicTo(84, 72, 90, 60, 96, 62);
        path.cubicTo(92, 70, 86, 80, 70, 80);
    }
    path.closeSubpath();
    return path;
}

} // namespace

void drawCreatureFigure(QPainter &painter, const QRectF &box, const QString &type, quint32 seed, int stage)
{
    const TypeColours colours = typeColours(type);
    // Creatures of one type share its colour, each in a shade of its own.
    const QColor base = colours.light.toHsl();
    const QColor body = QColor::fromHsl((base.hslHue() + pick(seed, 25) - 12 + 360) % 360, base.hslSaturation(),
                                        qBound(60, base.lightness() + pick(seed, 41) - 20, 235));
    const QColor outline = colours.dark.darker(130);
    const qreal grow = 0.72 + 0.14 * qBound(1, stage, 3);
    const qreal side = qMin(box.width(), box.height()) * grow;

    painter.save();
    painter.translate(box.center().x() - side / 2, box.bottom() - side);
    painter.scale(side / 100.0, side / 100.0);
    painter.setPen(QPen(outline, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    const qreal bodyWidth = 22 + pick(seed, 8);
    const qreal headRadius = 17 + pick(seed, 6);
    const qreal headY = 44 - headRadius * 0.6;
    const int earKind = pick(seed, 5);
    const int tailKind = pick(seed, 3);
    const qreal look = pick(seed, 3) - 1;

    // Back to front: wings, tail, feet, body, head and its parts.
    painter.setBrush(colours.dark.lighter(130));
    if (stage >= 2)
        painter.drawPath(wings());
    if (tailKind < 2) {
        painter.setBrush(body);
        painter.drawPath(tail(tailKind));
    } else {
        drawEmblem(painter, QRectF(72, 44, 26, 26), type, body, outline);
    }
    painter.setBrush(colours.dark);
    painter.drawEllipse(QPointF(50 - bodyWidth * 0.5, 92), 9, 5);
    painter.drawEllipse(QPointF(50 + bodyWidth * 0.5, 92), 9, 5);
    painter.setBrush(body);
    painter.drawEllipse(QPointF(50, 70), bodyWidth, 22);
    painter.setPen(Qt::NoPen);
    painter.setBrush(body.lighter(125));
    painter.drawEllipse(QPointF(50, 76), bodyWidth * 0.6, 13);

    painter.setPen(QPen(outline, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(earKind == 2 ? QColor(250, 244, 226) : body);
    painter.drawPath(ears(earKind, headY - headRadius + 6));
    painter.setBrush(body);
    painter.drawEllipse(QPointF(50, headY), headRadius + 3, headRadius);

    // A face: eyes looking the same way, cheeks and a small smile.
    for (const qreal x : {-1.0, 1.0}) {
        const QPointF eye(50 + x * headRadius * 0.42, headY - 1);
        painter.setPen(QPen(outline, 1.2));
        painter.setBrush(Qt::white);
        painter.drawEllipse(eye, 5.5, 6.5);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(30, 24, 28));
        painter.drawEllipse(eye + QPointF(look * 1.6, 1), 3.4, 4);
        painter.setBrush(Qt::white);
        painter.drawEllipse(eye + QPointF(look * 1.6 - 1.2, -0.8), 1.2, 1.2);
        painter.setBrush(QColor(255, 120, 120, 110));
        painter.drawEllipse(eye + QPointF(x * 5, 8), 4, 2.5);
    }
    painter.setPen(QPen(outline, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(45, headY + 3, 10, 7), 200 * 16, 140 * 16);
    painter.restore();
}

} // namespace zentgen
