#include "Emblems.h"

#include "deck/EnergyKinds.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QStringList>
#include <QtMath>

namespace zentgen {

namespace {

// Emblems are drawn in a 100 x 100 square and scaled to the box.
QPainterPath flame()
{
    QPainterPath path(QPointF(50, 4));
    path.cubicTo(58, 28, 86, 42, 82, 68);
    path.cubicTo(79, 88, 64, 97, 50, 97);
    path.cubicTo(36, 97, 21, 88, 19, 68);
    path.cubicTo(17, 52, 28, 42, 33, 28);
    path.cubicTo(38, 40, 42, 46, 46, 50);
    path.cubicTo(43, 34, 44, 18, 50, 4);
    QPainterPath inner(QPointF(52, 50));
    inner.cubicTo(58, 64, 70, 70, 66, 82);
    inner.cubicTo(63, 92, 40, 93, 36, 82);
    inner.cubicTo(33, 72, 46, 66, 52, 50);
    return path.subtracted(inner);
}

QPainterPath drop()
{
    QPainterPath path(QPointF(50, 4));
    path.cubicTo(62, 30, 82, 48, 82, 66);
    path.cubicTo(82, 86, 67, 97, 50, 97);
    path.cubicTo(33, 97, 18, 86, 18, 66);
    path.cubicTo(18, 48, 38, 30, 50, 4);
    QPainterPath shine;
    shine.addEllipse(QRectF(30, 58, 10, 20));
    return path.subtracted(shine);
}

QPainterPath leaf()
{
    QPainterPath path(QPointF(12, 88));
    path.cubicTo(10, 40, 44, 10, 90, 10);
    path.cubicTo(92, 56, 60, 90, 12, 88);
    QPainterPathStroker stroker;
    stroker.setWidth(4);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath veins(QPointF(12, 88));
    veins.lineTo(74, 26);
    for (int i = 0; i < 3; ++i) {
        const qreal t = 30 + i * 14;
        veins.moveTo(t, 100 - t - 12);
        veins.lineTo(t - 6, 100 - t - 32);
        veins.moveTo(t, 100 - t - 12);
        veins.lineTo(t + 18, 100 - t - 8);
    }
    return path.subtracted(stroker.createStroke(veins));
}

QPainterPath bolt()
{
    QPainterPath path;
    path.addPolygon(QPolygonF({{60, 3}, {20, 56}, {45, 56}, {36, 97}, {82, 40}, {56, 40}, {70, 3}}));
    path.closeSubpath();
    return path;
}

QPainterPath eye()
{
    QPainterPath path(QPointF(4, 50));
    path.cubicTo(28, 12, 72, 12, 96, 50);
    path.cubicTo(72, 88, 28, 88, 4, 50);
    QPainterPath iris;
    iris.addEllipse(QPointF(50, 50), 20, 20);
    QPainterPath pupil;
    pupil.addEllipse(QPointF(50, 50), 9, 9);
    return path.subtracted(iris).united(pupil);
}

// A star of points alternating between two radii, turned by the given angle.
QPainterPath star(int points, qreal outer, qreal inner, qreal turn)
{
    QPolygonF polygon;
    for (int i = 0; i < points * 2; ++i) {
        const qreal angle = qDegreesToRadians(turn + i * 180.0 / points - 90);
        const qreal radius = i % 2 ? inner : outer;
        polygon << QPointF(50 + radius * qCos(angle), 50 + radius * qSin(angle));
    }
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

QPainterPath impact()
{
    QPainterPath core;
    core.addEllipse(QPointF(50, 50), 12, 12);
    return star(8, 48, 24, 0).subtracted(core);
}

QPainterPath sparkle()
{
    QPainterPath ring;
    ring.addEllipse(QPointF(50, 50), 44, 44);
    QPainterPath hole;
    hole.addEllipse(QPointF(50, 50), 36, 36);
    return ring.subtracted(hole).united(star(4, 40, 11, 0));
}

QPainterPath compass()
{
    QPainterPath ring;
    ring.addEllipse(QPointF(50, 50), 46, 46);
    QPainterPath hole;
    hole.addEllipse(QPointF(50, 50), 40, 40);
    return ring.subtracted(hole).united(star(4, 46, 9, 0)).united(star(4, 28, 6, 45));
}

QPainterPath temple()
{
    QPainterPath path;
    path.addPolygon(QPolygonF({{8, 34}, {50, 6}, {92, 34}}));
    path.closeSubpath();
    path.addRect(12, 36, 76, 8);
    for (int i = 0; i < 4; ++i)
        path.addRect(17 + i * 19, 47, 9, 36);
    path.addRect(8, 86, 84, 9);
    return path.simplified();
}

// A cloaked figure holding a staff, with a star on the chest.
QPainterPath figure()
{
    QPainterPath path;
    path.addEllipse(QPointF(44, 28), 17, 17);
    QPainterPath cloak(QPointF(8, 96));
    cloak.cubicTo(10, 60, 24, 50, 44, 50);
    cloak.cubicTo(64, 50, 78, 60, 80, 96);
    cloak.closeSubpath();
    QPainterPath staff;
    staff.addRoundedRect(QRectF(84, 22, 6, 74), 3, 3);
    staff.addEllipse(QPointF(87, 14), 8, 8);
    const QPainterPath badge = QTransform::fromTranslate(-6, 27).map(star(5, 11, 5, 0));
    return path.united(cloak).united(staff).subtracted(badge);
}

QPainterPath emblemPath(const QString &type)
{
    if (type == "Fire")
        return flame();
    if (type == "Water")
        return drop();
    if (type == "Grass")
        return leaf();
    if (type == "Lightning")
        return bolt();
    if (type == "Psychic")
        return eye();
    if (type == "Fighting")
        return impact();
    if (type == "Trainer")
        return compass();
    if (type == "Realm")
        return temple();
    if (type == "Companion")
        return figure();
    return sparkle();
}

} // namespace

QStringList energyTypeNames()
{
    QStringList names;
    for (const deck::EnergyType &type : deck::energyTypes)
        names << type.caption;
    return names;
}

bool isEnergyType(const QString &word)
{
    static const QStringList names = energyTypeNames();
    return names.contains(word);
}

TypeColours typeColours(const QString &type)
{
    if (type == "Fire")
        return {QColor("#f47a45"), QColor("#a42a17")};
    if (type == "Water")
        return {QColor("#5db4f0"), QColor("#1d4e96")};
    if (type == "Grass")
        return {QColor("#86cf5a"), QColor("#2d6a2b")};
    if (type == "Lightning")
        return {QColor("#f8da46"), QColor("#b0820e")};
    if (type == "Psychic")
        return {QColor("#c58ae3"), QColor("#5b2a86")};
    if (type == "Fighting")
        return {QColor("#d89a5c"), QColor("#6f3d1c")};
    if (type == "Trainer")
        return {QColor("#d3dce6"), QColor("#4d5e72")};
    if (type == "Realm")
        return {QColor("#c4e3da"), QColor("#2e6a60")};
    if (type == "Companion")
        return {QColor("#efd3da"), QColor("#7b3d55")};
    return {QColor("#ece6d6"), QColor("#8d8470")};
}

void drawEmblem(QPainter &painter, const QRectF &box, const QString &type, const QColor &fill,
                const QColor &outline)
{
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / 100.0, box.height() / 100.0);
    painter.setPen(QPen(outline, 100.0 / qMax<qreal>(box.width(), 1) * 1.2, Qt::SolidLine,
                        Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(emblemPath(type));
    painter.restore();
}

void drawEnergyToken(QPainter &painter, const QRectF &box, const QString &type)
{
    const TypeColours colours = typeColours(type);
    painter.save();
    QRadialGradient shade(box.center() - QPointF(box.width() / 5, box.height() / 5), box.width() * 0.7);
    shade.setColorAt(0, colours.light.lighter(115));
    shade.setColorAt(1, colours.dark);
    painter.setPen(QPen(QColor(30, 24, 20), 0.8));
    painter.setBrush(shade);
    painter.drawEllipse(box);
    const qreal inset = box.width() * 0.2;
    // White shows on every token but the pale Colorless one.
    const QColor mark = type == "Colorless" ? colours.dark : QColor(Qt::white);
    drawEmblem(painter, box.adjusted(inset, inset, -inset, -inset), type, mark, Qt::transparent);
    painter.restore();
}

} // namespace zentgen
