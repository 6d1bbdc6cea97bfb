#pragma once

#include "platform/ui/Dialogs.h"

#include "platform/system/WorkingFolder.h"

#include <QStringList>

#include <optional>

class QFileDialog;

namespace ui {

// The dialogs the user sees: Qt's own message box, input box and common dialogs, set up to
// behave like the classic desktop ones the program was made for. Each is shown over its parent
// window, which is the active window again once the dialog has closed.
class QtDialogs : public Dialogs
{
public:
    // The program stores nothing between runs: Qt's file and colour dialogs keep their history
    // in the user's settings, so from here on those settings live in a folder of this run's,
    // removed when the run ends, or by the next run when this one is killed.
    QtDialogs();

    MessageAnswer messageBox(QWidget *parent, const MessageBoxRequest &request) override;
    QString inputBox(QWidget *parent, const QString &prompt, const QString &title) override;
    bool showOpen(QWidget *parent, CommonDialogSettings &settings) override;
    bool showSave(QWidget *parent, CommonDialogSettings &settings) override;
    bool showPrinter(QWidget *parent, CommonDialogSettings &settings, QPrinter &printer) override;
    bool showFont(QWidget *parent, CommonDialogSettings &settings) override;
    bool showColor(QWidget *parent, CommonDialogSettings &settings) override;

private:
    bool showFileDialog(QFileDialog &dialog, CommonDialogSettings &settings);

    std::optional<sys::WorkingFolder> runSettings;
};

// "Desc|*.ext|Desc2|*.ext2" as Qt's name filters: {"Desc (*.ext)", "Desc2 (*.ext2)"}. Each
// description is kept exactly as given; several patterns "*.a;*.b" become "*.a *.b".
QStringList nameFiltersFromClassic(const QString &filter);

} // namespace ui
