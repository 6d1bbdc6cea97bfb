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
    QMenu *mnuFile = menuBar()->addMenu("&File");
    mnuFile->setObjectName("mnuFile");
    connect(item(mnuFile, "mnuFileOpen", "Open Deck", "Ctrl+O"), &QAction::triggered, this,
            &frmPreview::OpenDeckFile);
    connect(item(mnuFile, "mnuFileSave", "Save As...", "Ctrl+S"), &QAction::triggered, this,
            &frmPreview::SaveDeckFile);
    mnuFile->addSeparator()->setObjectName("mnuSep");
    connect(item(mnuFile, "mnuFilePrint", "Print Deck List...", "Ctrl+P"), &QAction::triggered,
            this, &frmPreview::PrintDeckList);
    mnuFile->addSeparator()->setObjectName("mnuSep2");
    connect(item(mnuFile, "mnuFileExit", "E&xit", "Ctrl+X"), &QAction::triggered, this,
            &frmPreview::mnuFileExit_Click);

    QMenu *mnuFormat = menuBar()->addMenu("Format");
    mnuFormat->setObjectName("mnuFormat");
    formatControls.mnuFormatBold = item(mnuFormat, "mnuFormatBold", "&Bold", "Ctrl+B");
    formatControls.mnuFormatItalic = item(mnuFormat, "mnuFormatItalic", "&Italic", "Ctrl+I");
    formatControls.mnuFormatUnderline = item(mnuFormat, "mnuFormatUnderline", "&Underline", "Ctrl+U");
    for (QAction *check : {formatControls.mnuFormatBold, formatControls.mnuFormatItalic,
                           formatControls.mnuFormatUnderline})
        check->setCheckable(true);
    connect(formatControls.mnuFormatBold, &QAction::triggered, this, [this] { format.ToggleBold(); });
    connect(formatControls.mnuFormatItalic, &QAction::triggered, this, [this] { format.ToggleItalic(); });
    connect(formatControls.mnuFormatUnderline, &QAction::triggered, this,
            [this] { format.ToggleUnderline(); });
    mnuFormat->addSeparator()->setObjectName("mnuSep3");
    connect(item(mnuFormat, "mnuFormatFonts", "Fonts..."), &QAction::triggered, this,
            [this] { format.mnuFormatFonts_Click(); });

    QMenu *mnuOptions = menuBar()->addMenu("Options");
    mnuOptions->setObjectName("mnuOptions");
    connect(item(mnuOptions, "mnuOptionsColor", "Font Color..."), &QAction::triggered, this,
            [this] { format.mnuOptionsColor_Click(); });

    QMenu *mnuHelp = menuBar()->addMenu("Help");
    mnuHelp->setObjectName("mnuHelp");
    connect(item(mnuHelp, "mnuHelpAbout", "About Zentari Deck Builder..."), &QAction::triggered,
            this, &frmPreview::mnuHelpAbout_Click);
    // Ctrl+X exits even from inside the editor, which would take it as Cut.
    ui::installMenuShortcutsWin(this);
}

void frmPreview::createToolbar()
{
    const ui::ImageList ilsMain({"Open", "Save", "Bold", "Italic", "Underline", "Help", "Print",
                                 "HelpQ", "Left", "Center", "Right"});
    tbrMain = new ui::KeyedToolBar(client);
    tbrMain->setObjectName("tbrMain");
    // Bold, Italic and Underline are the Format menu's items themselves.
    const struct
    {
        const char *key;
        const char *toolTip;
        const char *picture;
        KeyedButtonStyle style;
        QAction *menuItem = nullptr;
    } buttons[] = {
        {nullptr, nullptr, nullptr, KeyedButtonStyle::Separator},
        {"Open", "Open Existing Deck File", "Open", KeyedButtonStyle::Push},
        {"Save", "Save Current Deck List", "Save", KeyedButtonStyle::Push},
        {nullptr, nullptr, nullptr, KeyedButtonStyle::Separator},
        {"Print", "Print the Current Deck List", "Print", KeyedButtonStyle::Push},
        {nullptr, nullptr, nullptr, KeyedButtonStyle::Separator},
        {"Bold", "Bold Font", "Bold", KeyedButtonStyle::Check, formatControls.mnuFormatBold},
        {"Italic", "Italic Font", "Italic", KeyedButtonStyle::Check, formatControls.mnuFormatItalic},
        {"Underline", "Underline Font", "Underline", KeyedButtonStyle::Check,
         formatControls.mnuFormatUnderline},
        {nullptr, nullptr, nullptr, KeyedButtonStyle::Separator},
        {"Left", "Justify Text Left", "Left", KeyedButtonStyle::Group},
        {"Center", "Justify Text Center", "Center", KeyedButtonStyle::Group},
        {"Right", "Justify Text Right", "Right", KeyedButtonStyle::Group},
        {nullptr, nullptr, nullptr, KeyedButtonStyle::Separator},
        {"Help", "Help Menu", "HelpQ", KeyedButtonStyle::Push},
    };
    for (const auto &button : buttons) {
        if (button.menuItem)
            tbrMain->addMenuItem(button.key, button.menuItem, button.toolTip, ilsMain.icon(button.picture));
        else
            tbrMain->addButton(button.key, button.toolTip, ilsMain.icon(button.picture), button.style);
    }
    tbrMain->setGeometry(0, 0, client->width(), ui::twipsToPixels(420));
    connect(tbrMain, &ui::KeyedToolBar::buttonClick, this, &frmPreview::tbrMain_ButtonClick);
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
