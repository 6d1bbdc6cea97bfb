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
// buttons follow the selection; they never change the text themselves. The commands keep the
// program's own procedure and handler names.
class PreviewFormatting
{
public:
    PreviewFormatting(ui::RichTextBox &rtfMain, ui::CommonDialog &cdlText, FormatControls &controls);

    void ToggleBold();
    void ToggleItalic();
    void ToggleUnderline();
    void SetBold(bool on);
    void SetItalic(bool on);
    void SetUnderline(bool on);
    // The paragraphs of the selection, or the caret's.
    void SetAlignment(Qt::Alignment alignment);
    // Format > Fonts...: face, size, bold, italic and underline as chosen; a cancel changes
    // nothing.
    void mnuFormatFonts_Click();
    // Options > Font Color...: the colour chosen; a cancel changes nothing.
    void mnuOptionsColor_Click();
    // The check marks and buttons show what the selection has throughout: called whenever the
    // selection moves or its format changes.
    void rtfMain_SelChange();

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
