#pragma once

#include "platform/ui/CommonDialogSettings.h"

class QPrinter;
class QWidget;

namespace ui {

class Dialogs;

// One window's common-dialog component (e.g. the main window's cdlOne): it owns the settings, so
// they persist between uses, and shows the dialogs through the window's Dialogs service.
// Each Show... returns false when the user cancelled. Whether a cancel is a failure for the
// command is the window's decision: settings().cancelError records what the window asked for.
class CommonDialog
{
public:
    explicit CommonDialog(Dialogs &dialogs, QWidget *parent = nullptr);

    void setParent(QWidget *parent) { owner = parent; }
    CommonDialogSettings &settings() { return current; }
    const CommonDialogSettings &settings() const { return current; }

    bool ShowOpen();
    bool ShowSave();
    bool ShowPrinter(QPrinter &printer);
    bool ShowFont();
    bool ShowColor();

private:
    Dialogs &dialogs;
    QWidget *owner;
    CommonDialogSettings current;
};

} // namespace ui
