#pragma once

#include "platform/ui/Dialogs.h"

#include <QStringList>

class QFileDialog;

namespace ui {

// The dialogs the user sees: Qt's own message box, input box and common dialogs, set up to
// behave like the classic desktop ones the program was made for. Each is shown over its parent
// window, which is the active window again once the dialog has closed. Qt's own file and colour
// dialogs keep their history in the user's settings, wherever the process keeps those.
class QtDialogs : public Dialogs
{
public:
    MessageAnswer messageBox(QWidget *parent, const MessageBoxRequest &request) override;
    QString inputBox(QWidget *parent, const QString &prompt, const QString &title) override;
    bool showOpen(QWidget *parent, CommonDialogSettings &settings) override;
    bool showSave(QWidget *parent, CommonDialogSettings &settings) override;
    bool showPrinter(QWidget *parent, CommonDialogSettings &settings, QPrinter &printer) override;
    bool showFont(QWidget *parent, CommonDialogSettings &settings) override;
    bool showColor(QWidget *parent, CommonDialogSettings &settings) override;

private:
    bool showFileDialog(QFileDialog &dialog, CommonDialogSettings &settings);
};

// "Desc|*.ext|Desc2|*.ext2" as Qt's name filters: {"Desc (*.ext)", "Desc2 (*.ext2)"}. Each
// description is kept exactly as given; several patterns "*.a;*.b" become "*.a *.b".
QStringList nameFiltersFromClassic(const QString &filter);

} // namespace ui
