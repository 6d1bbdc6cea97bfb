#pragma once

#include <Qt>

class QAction;
class QTextCharFormat;

namespace ui {
class CommonDialog;
class RichTextBox;
}

namespace report {

// The commands that show the selection's bold, italic and underline: each is one checkable
// action, the Format menu's item and the toolbar's check button "Bold", "Italic" or
// "Underline" together, so the check mark and the button cannot disagree.
struct FormatControls
{
    QAction *mnuFormatBold = nullptr;
    QAction *mnuFormatItalic = nullptr;
    QAction *mnuFormatUnderline = nullptr;
};

// The preview's formatting commands on the editor's selection (or, with nothing selected, the
// insertion point): bold, italic and underline, alignment, font and colour. The check marks and
// buttons follow the selection; they never change the text themselves.
class PreviewFormatting
{
public:
    PreviewFormatting(ui::RichTextBox &rtfMain, ui::CommonDialog &cdlText, FormatControls &controls);

    // Partly set counts as not set: the whole selection gets it.
    void toggleBold();
    void toggleItalic();
    void toggleUnderline();
    // The paragraphs of the selection, or the caret's.
    void setAlignment(Qt::Alignment alignment);
    // Face, size, bold, italic and underline as chosen in the font dialog; a cancel changes
    // nothing.
    void chooseFont();
    // The colour chosen in the colour dialog; a cancel changes nothing.
    void chooseColour();
    // The check marks and buttons show what the selection has throughout: called whenever the
    // selection moves or its format changes.
    void showSelection();

private:
    enum Attribute { Bold, Italic, Underline };
    void toggle(Attribute attribute);
    void set(Attribute attribute, bool on);
    void apply(const QTextCharFormat &format);

    ui::RichTextBox &rtfMain;
    ui::CommonDialog &cdlText;
    FormatControls &controls;
};

} // namespace report
