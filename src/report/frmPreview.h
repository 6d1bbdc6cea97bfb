#pragma once

#include "platform/ui/CommonDialog.h"
#include "platform/ui/Form.h"
#include "report/PreviewFormatting.h"

#include <functional>

namespace ui {
class Dialogs;
class KeyedToolBar;
class RichTextBox;
}

// The preview's commands that are toolbar buttons too: each is one action, the menu's item and
// the button. Bold, Italic and Underline are the formatting's own.
struct PreviewCommands : report::FormatControls
{
    QAction *mnuFileOpen = nullptr;
    QAction *mnuFileSave = nullptr;
    QAction *mnuFilePrint = nullptr;
    QAction *mnuHelpAbout = nullptr;
};

// The deck list's preview: the report in a rich-text editor, where the user formats it, saves
// it and opens saved lists as Rich Text Format, prints it, and leaves with File > Exit.
// The handlers and procedures keep the window's names; everything else is named as the rest of
// the code is.
class frmPreview : public ui::Form
{
    Q_OBJECT

public:
    // What the window is given from outside: the boxes and dialogs it shows, the folder its
    // file dialogs start in, the report it shows (the main window's gstrOutput), and the about
    // box, shown over the window it is given.
    struct Context
    {
        ui::Dialogs &dialogs;
        QString programFolder;
        const QString &gstrOutput;
        std::function<void(QWidget *)> showAbout;
    };

    frmPreview(Context context, QWidget *mainWindow);
    ~frmPreview() override;

    void OpenDeckFile();
    void SaveDeckFile();
    void PrintDeckList();
    void mnuFileExit_Click();
    void mnuHelpAbout_Click();
    void mnuFormatFonts_Click();
    void mnuOptionsColor_Click();
    void rtfMain_Change();

    bool isModified() const { return modified; }
    report::PreviewFormatting &formatting() { return format; }

protected:
    void Form_Activate() override;
    void Form_Resize() override;

private:
    // Construction (frmPreviewLayout.cpp).
    void createMenus();
    void createToolbar();
    void createEditor();

    bool discardChanges();

    Context context;
    QWidget *mainWindow;
    bool modified = false; // the document holds changes not saved
    bool reportShown = false;
    ui::CommonDialog cdlText;
    ui::RichTextBox *rtfMain; // made first: the formatting commands work on it
    ui::KeyedToolBar *tbrMain = nullptr;
    QWidget *client = nullptr; // the window's client area: the toolbar, and the editor below it
    PreviewCommands commands;
    report::PreviewFormatting format;
};
