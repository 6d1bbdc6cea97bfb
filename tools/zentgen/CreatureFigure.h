#pragma once

#include "Emblems.h"

#include <QRectF>

class QPainter;

namespace zentgen {

// Draws a small creature standing in box, in the type's colours. The look (ears or horns,
// tail, eyes, proportions) follows from seed, so each card gets its own creature; later
// stages are drawn bigger and grow wings.
void drawCreatureFigure(QPainter &painter, const QRectF &box, const QString &type, quint32 seed, int stage);

} // namespace zentgen
