// zenticon ID FOLDER: draws the program's icon into FOLDER as the desktop's icon theme lays it
// out (FOLDER/48x48/apps/ID.png and the other sizes), with the drawing the program itself uses
// for its windows, so the menu and the title bar show the same picture.
#include "app/Logos.h"

#include <QDir>
#include <QString>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fputs("usage: zenticon ID FOLDER\n", stderr);
        return 2;
    }
    const QString id = QString::fromLocal8Bit(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    for (int side : {48, 128, 256}) {
        const QString apps = QString("%1/%2x%2/apps").arg(folder).arg(side);
        const QString file = apps + "/" + id + ".png";
        if (!QDir().mkpath(apps) || !logos::iconImage(side).save(file, "PNG")) {
            std::fprintf(stderr, "zenticon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
