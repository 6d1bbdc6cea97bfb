// zenticon ID FOLDER: draws the program's icon into FOLDER as the desktop's icon theme lays it
// out (FOLDER/48x48/apps/ID.png, the other sizes, and FOLDER/scalable/apps/ID.svg), with the
// drawing the program itself uses for its windows, so the menu and the title bar show the same
// picture.
#include "app/Logos.h"

#include <QDir>
#include <QPainter>
#include <QString>
#include <QSvgGenerator>

#include <cstdio>

namespace {

bool writeSvg(const QString &file)
{
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize({256, 256});
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle("Zentari Deck Builder");
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    logos::paintIcon(painter);
    return painter.end();
}

// The folder of the theme's apps icons of that size, made when missing; empty when it cannot be.
QString appsFolder(const QString &folder, const QString &size)
{
    const QString apps = folder + "/" + size + "/apps";
    return QDir().mkpath(apps) ? apps : QString();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fputs("usage: zenticon ID FOLDER\n", stderr);
        return 2;
    }
    const QString id = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    bool written = true;
    for (int side : {48, 128, 256}) {
        const QString apps = appsFolder(folder, QString("%1x%1").arg(side));
        written = written && !apps.isEmpty() && logos::iconImage(side).save(apps + "/" + id + ".png", "PNG");
    }
    const QString scalable = appsFolder(folder, "scalable");
    written = written && !scalable.isEmpty() && writeSvg(scalable + "/" + id + ".svg");
    if (!written)
        std::fprintf(stderr, "zenticon: cannot write the icons in %s\n", qPrintable(folder));
    return written ? 0 : 1;
}
