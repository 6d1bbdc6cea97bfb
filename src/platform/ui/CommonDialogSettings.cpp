#include "platform/ui/CommonDialogSettings.h"

#include <QDir>
#include <QFileInfo>

namespace ui {

void acceptChosenFile(CommonDialogSettings &settings, const QString &path)
{
    const QFileInfo file(path);
    settings.fileName = file.absoluteFilePath();
    settings.fileTitle = file.fileName();
    QDir::setCurrent(file.absolutePath());
}

void acceptChosenFont(CommonDialogSettings &settings, const QFont &font)
{
    settings.fontName = font.family();
    settings.fontSize = font.pointSizeF();
    settings.fontBold = font.bold();
    settings.fontItalic = font.italic();
    settings.fontUnderline = font.underline();
    settings.fontStrikethru = font.strikeOut();
}

} // namespace ui
