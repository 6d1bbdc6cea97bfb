#include "report/frmPreview.h"

#include "platform/ui/Dialogs.h"
#include "platform/ui/KeyedToolBar.h"
#include "platform/ui/RichTextBox.h"
#include "platform/ui/Twips.h"

#include <QPrinter>

namespace {

// The two kinds of deck file the dialogs offer, both read and written as rich text. The first
// description lacks its closing bracket; it stands as the program has always shown it.
const QString deckFiles = "Text Files (*.txt|*.txt|RichText Files (*.rtf)|*.rtf";

// The open and save dialogs offer the deck files, RichText preselected, in the program's folder.
void offerDeckFiles(ui::CommonDialogSettings &settings, const QString &programFolder)
{
    settings.filter = deckFiles;
    settings.filterIndex = 2;
    settings.initDir = programFolder;
}

} // namespace

frmPreview::frmPreview(Context windowContext, QWidget *main)
    : ui::Form(main), context(std::move(windowContext)), mainWindow(main),
      cdlText(context.dialogs, this), rtfMain(new ui::RichTextBox),
      format(*rtfMain, cdlText, commands)
{
    setObjectName("frmPreview");
    setWindowTitle("Zentari Deck Builder - Print Preview");
    cdlText.settings().dialogTitle = "Zentari Deck Builder";
    cdlText.settings().fontSize = 12;
    createMenus();
    createEditor();
    createToolbar();
    connect(rtfMain, &ui::RichTextBox::Change, this, &frmPreview::rtfMain_Change);
    // Bold, Italic and Underline show what the selection has whenever it moves and whenever its
    // characters' format changes: a command, an undo, a file loaded.
    const auto showSelection = [this] { format.showSelection(); };
    connect(rtfMain, &ui::RichTextBox::SelChange, this, showSelection);
    connect(rtfMain, &ui::RichTextBox::Change, this, showSelection);
    connect(rtfMain, &QTextEdit::currentCharFormatChanged, this, showSelection);
}

frmPreview::~frmPreview() = default;

void frmPreview::Form_Activate()
{
    // The report goes into the editor when the window is first shown; coming back from the
    // about box keeps what the user made of it.
    if (reportShown)
        return;
    reportShown = true;
    rtfMain->setPlainContent(context.gstrOutput);
    modified = true;
}

void frmPreview::Form_Resize()
{
    // The editor fills the client area below the toolbar, whatever frame the window system puts
    // around the window, and its lines wrap where it ends. The client area has its new size by
    // now: the window's layout sets it before the window hears of the resize.
    const int toolbarHeight = ui::twipsToPixels(420);
    tbrMain->resize(client->width(), toolbarHeight);
    rtfMain->setGeometry(0, toolbarHeight, client->width(), qMax(client->height() - toolbarHeight, 0));
    rtfMain->setRightMargin(ui::pixelsToTwips(rtfMain->width()));
}

void frmPreview::rtfMain_Change()
{
    modified = true;
}

bool frmPreview::discardChanges()
{
    return ui::messageBox(context.dialogs, this, "Discard Changes?", ui::MessageButtons::YesNo,
                          ui::MessageIcon::Question)
           == ui::MessageAnswer::Yes;
}

void frmPreview::OpenDeckFile()
{
    if (modified && !discardChanges())
        return;
    ui::CommonDialogSettings &settings = cdlText.settings();
    settings.flags = ui::cdlOFNExplorer | ui::cdlOFNFileMustExist | ui::cdlOFNPathMustExist;
    offerDeckFiles(settings, context.programFolder);
    if (!cdlText.ShowOpen())
        return;
    setWindowTitle(settings.fileTitle);
    // Rich text whatever the file's name; a file that cannot be read leaves the editor as it was.
    rtfMain->loadFile(settings.fileName);
}

void frmPreview::SaveDeckFile()
{
    ui::CommonDialogSettings &settings = cdlText.settings();
    offerDeckFiles(settings, context.programFolder);
    if (!cdlText.ShowSave() || !rtfMain->saveFile(settings.fileName))
        return;
    setWindowTitle(settings.fileName);
    modified = false;
}

void frmPreview::PrintDeckList()
{
    cdlText.settings().flags = ui::cdlPDReturnDC | ui::cdlPDNoPageNums;
    cdlText.settings().printSelection = rtfMain->textCursor().hasSelection();
    QPrinter printer;
    if (cdlText.ShowPrinter(printer))
        rtfMain->printTo(printer);
}

void frmPreview::mnuFileExit_Click()
{
    if (modified && !discardChanges())
        return;
    close();
    if (mainWindow)
        mainWindow->show();
}

void frmPreview::mnuHelpAbout_Click()
{
    context.showAbout(this);
}

void frmPreview::mnuFormatFonts_Click()
{
    format.chooseFont();
}

void frmPreview::mnuOptionsColor_Click()
{
    format.chooseColour();
}
