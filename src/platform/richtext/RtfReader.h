#pragma once

#include "platform/richtext/CodePage.h"
#include "platform/richtext/NoteMarks.h"
#include "platform/richtext/RtfContent.h"
#include "platform/richtext/RtfTokenizer.h"
#include "platform/richtext/RtfWords.h"

#include <QByteArrayView>
#include <QString>

#include <vector>

namespace richtext {

// Reads RTF into RtfContent: a state machine over the tokenizer with a stack of group states.
// It keeps text, list labels, paragraphs with their alignment, indents and spacing, and each
// character's bold, italic, underline, strikethrough, raised or lowered place, face, size,
// colour and highlight. What it cannot show keeps its text in place: a note's mark, a field's
// result, a table's cells as paragraphs. It skips style sheets, pictures, field instructions,
// the text of notes, document info and any destination marked \*.
class RtfReader
{
public:
    // False, with a reason in error, only when the input is not RTF or nests groups beyond
    // reason; a truncated or otherwise damaged file gives what could be read of it.
    bool read(QByteArrayView rtf, RtfContent &content, QString *error = nullptr);
    // Where the document read ended in the input: just after its closing brace.
    qsizetype end() const { return endOffset; }

    // Deeper nesting than any word processor writes; it keeps the state stack small.
    static constexpr int maxGroupDepth = 500;

private:
    enum class Destination { Text, FontTable, ColourTable, Skip };

    struct GroupState
    {
        CharStyle style;
        ParagraphStyle paragraph;
        int unicodeSkip = 1; // fallback characters after each \uN
        bool hidden = false;
        // East Asian text, marked \dbch, takes its size, bold and italic from the associated
        // properties where they are given (0 or -1 where not), as LibreOffice writes them.
        bool doubleByte = false;
        int associatedSize = 0;
        int associatedBold = -1;
        int associatedItalic = -1;
        Destination destination = Destination::Text;
        // Where the Unicode version of text given twice (\upr ... \ud) goes: where \upr stood.
        Destination unicodeDestination = Destination::Skip;
        bool opensNote = false; // a note's group, whose end puts the note's mark in the text
    };

    // A note's mark (\chftn) waits for its note, which says whether it is a footnote or an
    // endnote, and so how it is numbered.
    struct WaitingMark
    {
        bool waiting = false;
        CharStyle style;
        NoteMarks::Kind kind = NoteMarks::Kind::Footnote;
    };

    bool openGroup();
    bool closeGroup(); // false once the outermost group has closed
    void controlWord(const RtfToken &token);
    void characterFormat(RtfAction action, const RtfToken &token, int value);
    void controlSymbol(char symbol);
    void text(QByteArrayView bytes);
    void byte(unsigned char byte);
    void character(QChar c, bool inDocumentFont = false);
    void symbolAddress(char16_t c);
    bool startAppend(bool inDocumentFont = false); // false for hidden text
    void beginRun(const CharStyle &style);
    CharStyle textStyle() const;
    void endParagraph();
    void unicodeCharacter(int value);
    void addNoteMark();
    void commitFont();
    void commitColour();
    void clearColourEntry();
    int currentCodePage() const;
    GroupState &state() { return groups.back(); }

    RtfContent *content = nullptr;
    qsizetype endOffset = 0;
    std::vector<GroupState> groups;
    CodePages codePages;
    int documentCodePage = 1252;
    QHash<int, int> fontCodePages; // font number -> code page named by its \fcharset or \cpg
    int skipCount = 0;             // fallback characters of the last \uN still to skip
    int leadByte = -1;             // the first byte of a double-byte character, until its second
    int leadPage = 0;              // and the code page it is read in
    NoteMarks noteMarks;
    WaitingMark mark;

    // The font or colour table entry being read.
    int fontNumber = -1;
    int fontCharsetPage = 0;
    int fontOwnPage = 0;
    QString fontName;
    int red = 0, green = 0, blue = 0;
    bool colourGiven = false;
};

} // namespace richtext
