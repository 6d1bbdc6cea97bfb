#pragma once

#include "platform/richtext/CodePage.h"
#include "platform/richtext/RtfContent.h"
#include "platform/richtext/RtfTokenizer.h"

#include <QByteArrayView>
#include <QString>

#include <vector>

namespace richtext {

// Reads RTF into RtfContent: a state machine over the tokenizer with a stack of group states.
// It keeps text, paragraphs, alignment, bold, italic, underline, face, size and colour, and
// skips what it does not show (style sheets, pictures, field instructions, document info and
// any destination marked \*).
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
        Qt::Alignment alignment = Qt::AlignLeft;
        int unicodeSkip = 1; // fallback characters after each \uN
        bool hidden = false;
        // East Asian text, marked \dbch, takes its size, bold and italic from the associated
        // properties where they are given (0 or -1 where not), as LibreOffice writes them.
        bool doubleByte = false;
        int associatedSize = 0;
        int associatedBold = -1;
        int associatedItalic = -1;
        Destination destination = Destination::Text;
    };

    bool openGroup();
    bool closeGroup(); // false once the outermost group has closed
    void controlWord(const RtfToken &token);
    void controlSymbol(char symbol);
    void text(QByteArrayView bytes);
    void byte(unsigned char byte);
    void character(QChar c);
    bool startAppend(); // false for hidden text; else the caller appends to content->text
    CharStyle textStyle() const;
    void endParagraph();
    void unicodeCharacter(int value);
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
    QHash<int, int> fontCodePages; // font number -> code page named by its \fcharset
    int skipCount = 0;             // fallback characters of the last \uN still to skip

    // The font or colour table entry being read.
    int fontNumber = -1;
    int fontCodePage = 0;
    QString fontName;
    int red = 0, green = 0, blue = 0;
    bool colourGiven = false;
};

} // namespace richtext
