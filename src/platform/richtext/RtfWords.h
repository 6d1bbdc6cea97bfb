#pragma once

#include <QByteArrayView>

namespace richtext {

// What the reader does for a control word it knows.
enum class RtfAction {
    Bold, Italic, Underline, UnderlineNone, Strike, Baseline, Raise, Lower, Hidden, Font,
    FontSize, ExactFontSize, Colour, Highlight, DoubleByte, AssociatedSize, AssociatedBold,
    AssociatedItalic, Plain, ParagraphDefaults, Align, Indent, Paragraph, SoftBreak, Character,
    Unicode, UnicodeSkip, UnicodeAlternatives, UnicodeText, CodePage, AnsiCodePage, DefaultFont,
    FontTable, ColourTable, Red, Green, Blue, FontCharset, FontCodePage, Note, Endnote, NoteMark,
    NoteNumbering, NoteStart, Skip,
};

// Which length of the paragraph an Indent word sets.
enum class RtfIndent { Left, Right, FirstLine, Before, After };

struct RtfWord
{
    RtfAction action;
    // The character, alignment, code page, baseline or indent the word stands for; for note
    // numbering, endnotes as 1 (and the style of number times 2 above it).
    int value = 0;
};

// The word's meaning, or null for a word the reader ignores.
const RtfWord *findRtfWord(QByteArrayView name);

} // namespace richtext
