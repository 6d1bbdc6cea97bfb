#include "platform/ui/Dialogs.h"

namespace ui {

MessageAnswer messageBox(Dialogs &dialogs, QWidget *parent, const QString &text,
                         MessageButtons buttons, MessageIcon icon, const QString &title)
{
    return dialogs.messageBox(parent, MessageBoxRequest{text, title, icon, buttons});
}

} // namespace ui
