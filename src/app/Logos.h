#pragma once

#include <QPixmap>

// The program's two logo pictures, drawn rather than shipped as files.
namespace logos {

// The large title logo: "ZENTARI" in gold on a night-blue band, 460 x 169 pixels.
QPixmap titleLogo();
// The small maker's mark shown in a corner of the splash and the about box.
QPixmap smallLogo(const QSize &size);

} // namespace logos
