#include "platform/ui/CommonDialog.h"

#include "platform/ui/Dialogs.h"

CommonDialog::CommonDialog(Dialogs &dialogs, QWidget *parent)
    : dialogs(dialogs), owner(parent)
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
