#include "platform/ui/CommonDialog.h"

#include "platform/ui/Dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace ui {

CommonDialog::CommonDialog(Dialogs &service, QWidget *parent)
    : dialogs(service), owner(parent)
{
}

bool CommonDialog::ShowOpen()
{
    return dialogs.showOpen(owner, current);
}

bool CommonDialog::ShowSave()
{
    return dialogs.showSave(owner, current);
}

bool CommonDialog::ShowPrinter(QPrinter &printer)
{
    return dialogs.showPrinter(owner, current, printer);
}

bool CommonDialog::ShowFont()
{
    return dialogs.showFont(owner, current);
}

bool CommonDialog::ShowColor()
{
    return dialogs.showColor(owner, current);
}

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
