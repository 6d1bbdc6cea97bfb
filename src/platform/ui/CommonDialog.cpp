#include "platform/ui/CommonDialog.h"

#include "platform/ui/Dialogs.h"

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

} // namespace ui
