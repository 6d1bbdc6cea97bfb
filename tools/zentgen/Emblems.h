#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

// The look of each card type: its two frame colours and its drawn emblem. Trainers have looks
// of their own under the names "Trainer", "Realm" and "Companion"; an unknown type looks
// Colorless.
namespace zentgen {

struct TypeColours
{
    QColor light;
    QColor dark;
};

TypeColours typeColours(const QString &type);

// The creatures' types: the energy kinds, in the energy strip's order.
QStringList energyTypeNames();
// True for a word naming one of them.
bool isEnergyType(const QString &word);

// Draws the type's emblem filling box (a square works best) in fill, outlined in outline.
void drawEmblem(QPainter &painter, const QRectF &box, const QString &type, const QColor &fill,
                const QColor &outline);

// A round energy token of the type, as printed in attack costs and weaknesses.
void drawEnergyToken(QPainter &painter, const QRectF &box, const QString &type);

} // namespace zentgen
