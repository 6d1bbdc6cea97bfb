#pragma once

#include <QByteArrayView>

namespace richtext {

// What the reader does for a control word it knows.
enum class RtfAction {
    Bold, Italic, Underline, UnderlineNone, Hidden, Font, FontSize, ExactFontSize, Colour,
    DoubleByte, AssociatedSize, AssociatedBold, AssociatedItalic,
    Plain, ParagraphDefaults, Align, Paragraph, SoftBreak, Character, Unicode, UnicodeSkip,
    CodePage, AnsiCodePage, DefaultFont, FontTable, ColourTable, Red, Green, Blue, FontCharset,
    Skip,
};

struct RtfWord
{
    RtfAction action;
    int value = 0; // the character, alignment or code page the word stands for
};

// The word's meaning, or null for a word the reader ignores.
const RtfWord *findRtfWord(QByteArrayView name);

} // namespace richtext
