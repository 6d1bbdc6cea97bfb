#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QPrinter;
class QWidget;

// The common dialogs (open, save, print, font, colour) as the program's windows use them: their
// classic flags, the settings that persist between uses, and one window's component that shows
// them. The dialogs themselves are shown through the Dialogs service (Dialogs.h), which is Qt's
// (QtDialogs) in the program and scripted in tests.
namespace ui {

class Dialogs;

// Flag bits of the common dialogs, with their classic values so a window can set them exactly as
// the program always has. The same bit can mean different things to different dialogs.
inline constexpr int cdlOFNOverwritePrompt = 0x2;     // save: ask before replacing a file
inline constexpr int cdlOFNPathMustExist = 0x800;     // open/save: the folder must exist
inline constexpr int cdlOFNFileMustExist = 0x1000;    // open/save: only existing files
inline constexpr int cdlOFNExplorer = 0x80000;        // open/save: explorer-style dialog
inline constexpr int cdlPDNoPageNums = 0x8;           // print: no page range
inline constexpr int cdlPDReturnDC = 0x100;           // print: give back a printer
inline constexpr int cdlCFScreenFonts = 0x1;          // font: list the screen fonts
inline constexpr int cdlCFEffects = 0x100;            // font: offer underline, strike-through

// The persistent settings of one common-dialog component. Each command sets only what it needs
// and finds everything else as the previous command left it, so one instance serves the open,
// save, print, font and colour dialogs of a window.
struct CommonDialogSettings
{
    // Set by the caller before showing.
    QString dialogTitle;
    QString filter;            // "Desc|*.ext|Desc2|*.ext2"
    int filterIndex = 1;       // 1-based entry of the filter preselected (and chosen, afterwards)
    QString initDir;           // empty: the current folder
    int flags = 0;             // cdl... bits
    bool printSelection = false;  // print: text is selected, and only the selection is offered

    // Results, also kept between uses.
    QString fileName;          // full path of the chosen file
    QString fileTitle;         // its name without folder
    QString fontName;
    double fontSize = 12;
    bool fontBold = false;
    bool fontItalic = false;
    bool fontUnderline = false;
    bool fontStrikethru = false;
    QColor color = Qt::black;
};

// Records a file chosen in an open or save dialog: full path and title, and makes the file's
// folder the current one, as the classic desktop dialogs did; relative card picture paths in a
// catalogue resolve against it.
void acceptChosenFile(CommonDialogSettings &settings, const QString &path);
// Records the font chosen in a font dialog.
void acceptChosenFont(CommonDialogSettings &settings, const QFont &font);

// One window's common-dialog component (e.g. the main window's cdlOne): it owns the settings, so
// they persist between uses, and shows the dialogs through the window's Dialogs service.
// Each Show... returns false when the user cancelled; what a cancel means is the command's
// decision. The Show... keep the program's own names; settings() is named as the rest of the
// code is.
class CommonDialog
{
public:
    explicit CommonDialog(Dialogs &dialogs, QWidget *parent = nullptr);

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
