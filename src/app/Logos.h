#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

class QPainter;

// The program's logo pictures and its icon, drawn rather than shipped as files. The pictures are
// drawn for the screen's pixel density, so they stay sharp on a high-density screen.
namespace logos {

// The large title logo: "ZENTARI" in gold on a night-blue band, 460 x 169 pixels.
QPixmap titleLogo();
// The small maker's mark shown in a corner of the splash and the about box.
QPixmap smallLogo(const QSize &size);

// Paints the program's icon, the Zentari star on the night-blue band of the title logo, on a
// square of 256 x 256 units. The installed program's icon files are painted by it too.
void paintIcon(QPainter &painter);
// The icon in a square of side pixels.
QImage iconImage(int side);
// The icon in the sizes a window's title bar and a task bar ask for.
QIcon programIcon();

} // namespace logos
