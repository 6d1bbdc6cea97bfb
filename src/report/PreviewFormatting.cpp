#include "report/PreviewFormatting.h"

#include "platform/ui/CommonDialog.h"
#include "platform/ui/RichTextBox.h"

#include <QAction>

namespace report {

namespace {

// Each attribute: how a character has it, and how a format gets it.
struct AttributeOf
{
    bool (*has)(const QTextCharFormat &);
    void (*give)(QTextCharFormat &, bool);
};

const AttributeOf attributes[] = {
    {[](const QTextCharFormat &f) { return f.fontWeight() > QFont::Normal; },
     [](QTextCharFormat &f, bool on) { f.setFontWeight(on ? QFont::Bold : QFont::Normal); }},
    {[](const QTextCharFormat &f) { return f.fontItalic(); },
     [](QTextCharFormat &f, bool on) { f.setFontItalic(on); }},
    {[](const QTextCharFormat &f) { return f.fontUnderline(); },
     [](QTextCharFormat &f, bool on) { f.setFontUnderline(on); }},
};

} // namespace

PreviewFormatting::PreviewFormatting(ui::RichTextBox &editor, ui::CommonDialog &dialog,
                                     FormatControls &shown)
    : rtfMain(editor), cdlText(dialog), controls(shown)
{
}

void PreviewFormatting::toggleBold() { toggle(Bold); }
void PreviewFormatting::toggleItalic() { toggle(Italic); }
void PreviewFormatting::toggleUnderline() { toggle(Underline); }

void PreviewFormatting::toggle(Attribute attribute)
{
    set(attribute, rtfMain.coverage(attributes[attribute].has) != ui::RichTextBox::Coverage::Set);
}

void PreviewFormatting::set(Attribute attribute, bool on)
{
    // The check marks follow the change, which the editor reports.
    QTextCharFormat format;
    attributes[attribute].give(format, on);
    apply(format);
}

void PreviewFormatting::apply(const QTextCharFormat &format)
{
    // On the selection, or on the insertion point: what is typed next takes it.
    rtfMain.mergeCurrentCharFormat(format);
}

void PreviewFormatting::setAlignment(Qt::Alignment alignment)
{
    rtfMain.setAlignment(alignment);
}

void PreviewFormatting::chooseFont()
{
    ui::CommonDialogSettings &settings = cdlText.settings();
    settings.flags = ui::cdlCFScreenFonts | ui::cdlCFEffects;
    // The dialog opens with what it gave last time, not with the selection's font.
    if (!cdlText.ShowFont())
        return;
    QTextCharFormat face;
    // No face chosen yet: the selection keeps its own.
    if (!settings.fontName.isEmpty())
        face.setFontFamilies({settings.fontName});
    face.setFontPointSize(settings.fontSize);
    apply(face);
    set(Bold, settings.fontBold);
    set(Italic, settings.fontItalic);
    set(Underline, settings.fontUnderline);
}

void PreviewFormatting::chooseColour()
{
    if (!cdlText.ShowColor())
        return;
    QTextCharFormat colour;
    colour.setForeground(cdlText.settings().color);
    apply(colour);
}

void PreviewFormatting::showSelection()
{
    QAction *const checks[] = {controls.mnuFormatBold, controls.mnuFormatItalic,
                               controls.mnuFormatUnderline};
    for (const Attribute attribute : {Bold, Italic, Underline})
        checks[attribute]->setChecked(rtfMain.coverage(attributes[attribute].has)
                                      == ui::RichTextBox::Coverage::Set);
}

} // namespace report
