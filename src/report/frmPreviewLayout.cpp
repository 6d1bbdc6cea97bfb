// The preview window's menus, toolbar and editor.
#include "report/frmPreview.h"

#include "platform/ui/ImageList.h"
#include "platform/ui/KeyedToolBar.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/RichTextBox.h"
#include "platform/ui/Twips.h"

#include <QMenuBar>

using ui::KeyedButtonStyle;

namespace {

QAction *item(QMenu *menu, const char *name, const QString &caption, const char *shortcut = nullptr)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    if (shortcut)
        action->setShortcut(QKeySequence(shortcut));
    return action;
}

} // namespace

void frmPreview::createMenus()
{
    // Open, Save As, Print, Bold, Italic, Underline and About are toolbar buttons too, and reach
    // their commands as the buttons do (createToolbar).
    QMenu *mnuFile = menuBar()->addMenu("&File");
    mnuFile->setObjectName("mnuFile");
    commands.mnuFileOpen = item(mnuFile, "mnuFileOpen", "Open Deck", "Ctrl+O");
    commands.mnuFileSave = item(mnuFile, "mnuFileSave", "Save As...", "Ctrl+S");
    mnuFile->addSeparator()->setObjectName("mnuSep");
    commands.mnuFilePrint = item(mnuFile, "mnuFilePrint", "Print Deck List...", "Ctrl+P");
    mnuFile->addSeparator()->setObjectName("mnuSep2");
    connect(item(mnuFile, "mnuFileExit", "E&xit", "Ctrl+X"), &QAction::triggered, this,
            &frmPreview::mnuFileExit_Click);

    QMenu *mnuFormat = menuBar()->addMenu("Format");
    mnuFormat->setObjectName("mnuFormat");
    commands.mnuFormatBold = item(mnuFormat, "mnuFormatBold", "&Bold", "Ctrl+B");
    commands.mnuFormatItalic = item(mnuFormat, "mnuFormatItalic", "&Italic", "Ctrl+I");
    commands.mnuFormatUnderline = item(mnuFormat, "mnuFormatUnderline", "&Underline", "Ctrl+U");
    mnuFormat->addSeparator()->setObjectName("mnuSep3");
    connect(item(mnuFormat, "mnuFormatFonts", "Fonts..."), &QAction::triggered, this,
            &frmPreview::mnuFormatFonts_Click);

    QMenu *mnuOptions = menuBar()->addMenu("Options");
    mnuOptions->setObjectName("mnuOptions");
    connect(item(mnuOptions, "mnuOptionsColor", "Font Color..."), &QAction::triggered, this,
            &frmPreview::mnuOptionsColor_Click);

    QMenu *mnuHelp = menuBar()->addMenu("Help");
    mnuHelp->setObjectName("mnuHelp");
    commands.mnuHelpAbout = item(mnuHelp, "mnuHelpAbout", "About Zentari Deck Builder...");
    // Ctrl+X exits even from inside the editor, which would take it as Cut.
    ui::installMenuShortcutsWin(this);
}

namespace {

// tbrMain's buttons, left to right, each the action of its menu item where it has one: a click
// on either runs its command. Bold, Italic and Underline are check buttons, their menu items
// checked with them; Left, Center and Right press one another out.
using ToolbarButton = ui::KeyedCommand<frmPreview, PreviewCommands>;
constexpr ToolbarButton tbrMainButtons[] = {
    {},
    {"Open", "Open Existing Deck File", "Open", KeyedButtonStyle::Push,
     [](frmPreview &window) { window.OpenDeckFile(); }, &PreviewCommands::mnuFileOpen},
    {"Save", "Save Current Deck List", "Save", KeyedButtonStyle::Push,
     [](frmPreview &window) { window.SaveDeckFile(); }, &PreviewCommands::mnuFileSave},
    {},
    {"Print", "Print the Current Deck List", "Print", KeyedButtonStyle::Push,
     [](frmPreview &window) { window.PrintDeckList(); }, &PreviewCommands::mnuFilePrint},
    {},
    {"Bold", "Bold Font", "Bold", KeyedButtonStyle::Check,
     [](frmPreview &window) { window.formatting().toggleBold(); }, &PreviewCommands::mnuFormatBold},
    {"Italic", "Italic Font", "Italic", KeyedButtonStyle::Check,
     [](frmPreview &window) { window.formatting().toggleItalic(); },
     &PreviewCommands::mnuFormatItalic},
    {"Underline", "Underline Font", "Underline", KeyedButtonStyle::Check,
     [](frmPreview &window) { window.formatting().toggleUnderline(); },
     &PreviewCommands::mnuFormatUnderline},
    {},
    {"Left", "Justify Text Left", "Left", KeyedButtonStyle::Group,
     [](frmPreview &window) { window.formatting().setAlignment(Qt::AlignLeft); }},
    {"Center", "Justify Text Center", "Center", KeyedButtonStyle::Group,
     [](frmPreview &window) { window.formatting().setAlignment(Qt::AlignHCenter); }},
    {"Right", "Justify Text Right", "Right", KeyedButtonStyle::Group,
     [](frmPreview &window) { window.formatting().setAlignment(Qt::AlignRight); }},
    {},
    {"Help", "Help Menu", "HelpQ", KeyedButtonStyle::Push,
     [](frmPreview &window) { window.mnuHelpAbout_Click(); }, &PreviewCommands::mnuHelpAbout},
};
static_assert(ui::isWellKeyed(tbrMainButtons));

} // namespace

void frmPreview::createToolbar()
{
    const ui::ImageList ilsMain({"Open", "Save", "Bold", "Italic", "Underline", "Help", "Print",
                                 "HelpQ", "Left", "Center", "Right"});
    tbrMain = new ui::KeyedToolBar(client);
    tbrMain->setObjectName("tbrMain");
    tbrMain->addButtons(tbrMainButtons, *this, commands, ilsMain);
    tbrMain->setGeometry(0, 0, client->width(), ui::twipsToPixels(420));
}

void frmPreview::createEditor()
{
    // The client area holds the toolbar and, below it, the editor; the editor's size follows
    // the window's (Form_Resize).
    client = new QWidget;
    client->resize(ui::twipsToPixels(8190), ui::twipsToPixels(6975));
    setCentralWidget(client);
    rtfMain->setParent(client);
    rtfMain->setObjectName("rtfMain");
    rtfMain->setAccessibleName("Deck list");
    QFont arial("Arial");
    arial.setPointSizeF(11.25);
    rtfMain->document()->setDefaultFont(arial);
    rtfMain->setGeometry(0, ui::twipsToPixels(420), ui::twipsToPixels(8175), ui::twipsToPixels(6555));
    resize(client->width(), menuBar()->sizeHint().height() + client->height());
}
