#include "platform/richtext/RtfReader.h"

#include "platform/richtext/RtfWords.h"

#include <algorithm>

namespace richtext {

namespace {

bool isOn(const RtfToken &token) { return !token.hasParameter || token.parameter != 0; }

// Half-points of \fs as hundredths of a point, within what word processors offer.
int halfPointsToSize(const RtfToken &token)
{
    if (!token.hasParameter || token.parameter <= 0)
        return 1200;
    return std::clamp(token.parameter, 2, 3276) * 50;
}

// Indents and spacing in twips, within a page of 22 inches.
int twips(int value, bool negativeAllowed)
{
    return std::clamp(value, negativeAllowed ? -31680 : 0, 31680);
}

} // namespace

bool RtfReader::read(QByteArrayView rtf, RtfContent &result, QString *error)
{
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    // A byte order mark or blank lines may come before the opening brace.
    const qsizetype size = rtf.size();
    if (rtf.startsWith("\xEF\xBB\xBF"))
        rtf = rtf.sliced(3);
    while (!rtf.isEmpty() && QChar::isSpace(uchar(rtf.front())))
        rtf = rtf.sliced(1);
    endOffset = size;
    if (!rtf.startsWith("{\\rtf"))
        return fail(QStringLiteral("The file is not in Rich Text Format."));

    content = &result;
    RtfTokenizer tokenizer(rtf);
    for (RtfToken token = tokenizer.next(); token.kind != RtfToken::Kind::End;
         token = tokenizer.next()) {
        if (token.kind == RtfToken::Kind::GroupStart) {
            if (!openGroup())
                return fail(QStringLiteral("The file nests groups too deeply."));
        } else if (token.kind == RtfToken::Kind::GroupEnd) {
            if (!closeGroup()) {
                // The outermost group has closed: what follows is not part of it.
                endOffset = size - rtf.size() + tokenizer.position();
                break;
            }
        } else if (token.kind == RtfToken::Kind::Text) {
            text(token.text);
        } else if (skipCount > 0) {
            // Fallback of \uN: an escape, a control word or a symbol counts as one character.
            --skipCount;
        } else if (token.kind == RtfToken::Kind::ControlWord) {
            controlWord(token);
        } else if (token.kind == RtfToken::Kind::ControlSymbol) {
            controlSymbol(token.symbol);
        } else if (token.kind == RtfToken::Kind::HexByte) {
            byte(uchar(token.parameter));
        }
    }
    // A truncated file ends inside its groups; keep what was read.
    while (!groups.empty() && closeGroup()) {
    }

    // A last \par ends the last paragraph rather than starting an empty one.
    auto &paragraphs = result.paragraphs;
    if (paragraphs.size() > 1 && paragraphs.back().start == result.text.size())
        paragraphs.pop_back();
    return true;
}

bool RtfReader::openGroup()
{
    if (int(groups.size()) >= maxGroupDepth)
        return false;
    skipCount = 0;
    leadByte = -1;
    groups.push_back(groups.empty() ? GroupState() : groups.back());
    groups.back().opensNote = false;
    return true;
}

bool RtfReader::closeGroup()
{
    skipCount = 0;
    leadByte = -1;
    if (groups.empty())
        return false;
    if (state().destination == Destination::FontTable)
        commitFont();
    // A mark whose note never came is a footnote's.
    if (groups.size() == 1 && mark.waiting)
        addNoteMark();
    const bool noteEnds = state().opensNote;
    groups.pop_back();
    // The note's mark goes where the note stood, in the style it was given.
    if (noteEnds && !groups.empty() && mark.waiting)
        addNoteMark();
    return !groups.empty();
}

void RtfReader::controlWord(const RtfToken &token)
{
    leadByte = -1;
    const RtfWord *word = findRtfWord(token.text);
    if (!word)
        return;
    GroupState &g = state();
    const int value = word->value;
    const int parameter = token.parameter;
    switch (word->action) {
    case RtfAction::Hidden: g.hidden = isOn(token); break;
    case RtfAction::Font:
        if (g.destination == Destination::FontTable) {
            commitFont();
            fontNumber = parameter;
        } else {
            g.style.font = std::max(parameter, 0);
        }
        break;
    case RtfAction::DoubleByte: g.doubleByte = value != 0; break;
    case RtfAction::AssociatedSize: g.associatedSize = halfPointsToSize(token); break;
    case RtfAction::AssociatedBold: g.associatedBold = isOn(token); break;
    case RtfAction::AssociatedItalic: g.associatedItalic = isOn(token); break;
    case RtfAction::Plain:
        // Character formatting back to the defaults; paragraph and destination stay.
        g.style = CharStyle();
        g.hidden = g.doubleByte = false;
        g.associatedSize = 0;
        g.associatedBold = g.associatedItalic = -1;
        break;
    case RtfAction::ParagraphDefaults: g.paragraph = ParagraphStyle(); break;
    case RtfAction::Align: g.paragraph.alignment = Qt::Alignment(value); break;
    case RtfAction::Indent:
        switch (RtfIndent(value)) {
        case RtfIndent::Left: g.paragraph.leftIndent = twips(parameter, true); break;
        case RtfIndent::Right: g.paragraph.rightIndent = twips(parameter, true); break;
        case RtfIndent::FirstLine: g.paragraph.firstLineIndent = twips(parameter, true); break;
        case RtfIndent::Before: g.paragraph.spaceBefore = twips(parameter, false); break;
        case RtfIndent::After: g.paragraph.spaceAfter = twips(parameter, false); break;
        }
        break;
    case RtfAction::Paragraph: endParagraph(); break;
    case RtfAction::SoftBreak:
        // A row, page or section break ends the paragraph, unless a \par or \cell has just done so.
        if (content->paragraphs.back().start < content->text.size())
            endParagraph();
        break;
    case RtfAction::Character: character(QChar(char16_t(value))); break;
    case RtfAction::Unicode: unicodeCharacter(parameter); break;
    case RtfAction::UnicodeSkip: g.unicodeSkip = std::clamp(parameter, 0, 16); break;
    case RtfAction::UnicodeAlternatives:
        // The first version, in the document's code pages, gives way to the Unicode one.
        g.unicodeDestination = g.destination;
        g.destination = Destination::Skip;
        break;
    case RtfAction::UnicodeText: g.destination = g.unicodeDestination; break;
    case RtfAction::CodePage: documentCodePage = value; break;
    case RtfAction::AnsiCodePage:
        if (parameter > 0 && parameter <= 65535)
            documentCodePage = parameter;
        break;
    case RtfAction::DefaultFont:
        // Once text has been read in it, the default font stays.
        if (content->runs.empty())
            content->defaultFont = std::max(parameter, 0);
        break;
    case RtfAction::FontTable: g.destination = Destination::FontTable; break;
    case RtfAction::ColourTable:
        g.destination = Destination::ColourTable;
        clearColourEntry();
        break;
    case RtfAction::Red: red = std::clamp(parameter, 0, 255); colourGiven = true; break;
    case RtfAction::Green: green = std::clamp(parameter, 0, 255); colourGiven = true; break;
    case RtfAction::Blue: blue = std::clamp(parameter, 0, 255); colourGiven = true; break;
    case RtfAction::FontCharset: fontCharsetPage = CodePages::forCharset(parameter); break;
    case RtfAction::FontCodePage:
        if (parameter > 0 && parameter <= 65535)
            fontOwnPage = parameter;
        break;
    case RtfAction::Note:
        // The note's own text has no place in the body; its mark does.
        g.opensNote = mark.waiting;
        g.destination = Destination::Skip;
        break;
    case RtfAction::Endnote:
        if (g.opensNote)
            mark.kind = NoteMarks::Kind::Endnote;
        break;
    case RtfAction::NoteMark:
        if (g.destination == Destination::Text && !g.hidden) {
            if (mark.waiting)
                addNoteMark();
            mark = {true, textStyle(), NoteMarks::Kind::Footnote};
        }
        break;
    case RtfAction::NoteNumbering: noteMarks.setNumbering(value); break;
    case RtfAction::NoteStart: noteMarks.setStart(NoteMarks::Kind(value), parameter); break;
    case RtfAction::Skip: g.destination = Destination::Skip; break;
    default: characterFormat(word->action, token, value); break;
    }
}

void RtfReader::characterFormat(RtfAction action, const RtfToken &token, int value)
{
    CharStyle &style = state().style;
    const int parameter = token.parameter;
    switch (action) {
    case RtfAction::Bold: style.bold = isOn(token); break;
    case RtfAction::Italic: style.italic = isOn(token); break;
    case RtfAction::Underline: style.underline = isOn(token); break;
    case RtfAction::UnderlineNone: style.underline = false; break;
    case RtfAction::Strike: style.strike = isOn(token); break;
    case RtfAction::Baseline: style.baseline = Baseline(value); break;
    // Text raised or lowered by some half-points is superscript or subscript to the editor.
    case RtfAction::Raise: style.baseline = isOn(token) ? Baseline::Superscript : Baseline::Normal; break;
    case RtfAction::Lower: style.baseline = isOn(token) ? Baseline::Subscript : Baseline::Normal; break;
    case RtfAction::FontSize: style.size = halfPointsToSize(token); break;
    case RtfAction::ExactFontSize:
        if (parameter > 0)
            style.size = std::clamp(parameter, 100, 163800);
        break;
    case RtfAction::Colour: style.colour = std::max(parameter, 0); break;
    case RtfAction::Highlight: style.highlight = std::max(parameter, 0); break;
    default: break;
    }
}

void RtfReader::controlSymbol(char symbol)
{
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        // Escaped, they may also be the second byte of a double-byte character.
        if (leadByte >= 0)
            byte(uchar(symbol));
        else
            character(QLatin1Char(symbol));
        return;
    default: break;
    }
    leadByte = -1;
    switch (symbol) {
    case '~': character(QChar(0x00A0)); break; // no-break space
    case '-': character(QChar(0x00AD)); break; // soft hyphen
    case '_': character(QChar(0x2011)); break; // no-break hyphen
    case '\n': endParagraph(); break;          // TextEdit's backslash before a line break
    case '*': state().destination = Destination::Skip; break;
    default: break;
    }
}

void RtfReader::text(QByteArrayView bytes)
{
    if (state().destination == Destination::Skip) {
        skipCount = int(std::max<qsizetype>(0, skipCount - bytes.size()));
        return;
    }
    // Plain ASCII goes in whole stretches, as most of any document is just that, unless a
    // symbol font draws its own pictures at those bytes.
    const bool asciiIsText = currentCodePage() >= 0;
    qsizetype i = 0;
    while (i < bytes.size()) {
        if (skipCount > 0) {
            --skipCount;
            ++i;
            continue;
        }
        qsizetype end = i;
        if (asciiIsText && leadByte < 0) {
            while (end < bytes.size() && uchar(bytes[end]) >= 0x20 && uchar(bytes[end]) < 0x7F)
                ++end;
        }
        if (end > i && state().destination == Destination::Text) {
            if (startAppend())
                content->text.append(QLatin1StringView(bytes.sliced(i, end - i)));
            i = end;
            continue;
        }
        byte(uchar(bytes[i]));
        ++i;
    }
}

void RtfReader::byte(unsigned char b)
{
    const int page = currentCodePage();
    if (leadByte >= 0) {
        const QString pair = codePages.toUnicode(leadPage, uchar(leadByte), b);
        leadByte = -1;
        for (const QChar c : pair)
            character(c);
        return;
    }
    // East Asian text may stand in a Western font, as word processors write it beside their
    // Western text: the document's double-byte page reads it then.
    const int doubleBytePage = page == 1252 ? documentCodePage : page;
    if (CodePages::isLeadByte(doubleBytePage, b)) {
        leadByte = b;
        leadPage = doubleBytePage;
        return;
    }
    // A symbol font's picture with a Unicode character of its own shows in the document's
    // font: the symbol font itself has only its pictures.
    const QChar c = codePages.toUnicode(page, b);
    character(c, page < 0 && !isSymbolAddress(c.unicode()));
}

void RtfReader::unicodeCharacter(int value)
{
    // \u takes a signed 16-bit number; negative values stand for the upper half.
    if (value < 0)
        value += 65536;
    if (value > 0 && value <= 0xFFFF) {
        const auto c = char16_t(value);
        // A font's name keeps what it is given; only the text is drawn in symbol fonts.
        if (isSymbolAddress(c) && state().destination == Destination::Text)
            symbolAddress(c);
        else
            character(QChar(c));
    }
    skipCount = state().unicodeSkip;
}

void RtfReader::symbolAddress(char16_t c)
{
    // A font named Symbol or Wingdings says what the character is, the document's font where
    // the text names none; a label written without a font of its own is one of Word's
    // bullets; any other font shows it as it will.
    const int font = state().style.font;
    const SymbolFont face = symbolFontNamed(content->fonts.value(font >= 0 ? font : content->defaultFont));
    if (face != SymbolFont::Other) {
        const char16_t shown = symbolCharacter(face, uchar(c & 0xFF));
        character(QChar(shown), shown != c);
    } else {
        character(QChar(font < 0 ? bulletCharacter(c) : c));
    }
}

void RtfReader::character(QChar c, bool inDocumentFont)
{
    const char16_t u = c.unicode();
    if (u == QChar::ParagraphSeparator) {
        endParagraph();
        return;
    }
    // Control characters are no text, and QTextDocument keeps some characters to itself: it
    // marks frames and embedded objects with them.
    if ((u < 0x20 && u != '\t') || u == 0x7F || u == 0xFDD0 || u == 0xFDD1
        || u == QChar::ObjectReplacementCharacter)
        return;
    switch (state().destination) {
    case Destination::Text:
        if (startAppend(inDocumentFont))
            content->text.append(c);
        break;
    case Destination::FontTable:
        if (c == u';')
            commitFont();
        else
            fontName.append(c);
        break;
    case Destination::ColourTable:
        if (c == u';')
            commitColour();
        break;
    case Destination::Skip: break;
    }
}

bool RtfReader::startAppend(bool inDocumentFont)
{
    if (state().hidden)
        return false;
    // A mark whose note never came is a footnote's.
    if (mark.waiting)
        addNoteMark();
    CharStyle style = textStyle();
    if (inDocumentFont)
        style.font = -1;
    beginRun(style);
    return true;
}

void RtfReader::beginRun(const CharStyle &style)
{
    RtfContent &c = *content;
    if (c.runs.empty() || c.runs.back().style != style) {
        c.runs.push_back({c.text.size(), style});
        // What the text was read as stays: a font used before the font table names it keeps
        // no name.
        const int font = style.font >= 0 ? style.font : c.defaultFont;
        if (!c.fonts.contains(font))
            c.fonts.insert(font, QString());
    }
    c.paragraphs.back().style = state().paragraph;
    c.paragraphs.back().mark = style;
}

void RtfReader::addNoteMark()
{
    mark.waiting = false;
    beginRun(mark.style);
    content->text.append(noteMarks.next(mark.kind));
}

CharStyle RtfReader::textStyle() const
{
    const GroupState &g = groups.back();
    CharStyle style = g.style;
    if (g.doubleByte) {
        if (g.associatedSize > 0)
            style.size = g.associatedSize;
        if (g.associatedBold >= 0)
            style.bold = g.associatedBold;
        if (g.associatedItalic >= 0)
            style.italic = g.associatedItalic;
    }
    return style;
}

void RtfReader::endParagraph()
{
    const GroupState &g = state();
    if (g.destination != Destination::Text)
        return;
    if (mark.waiting)
        addNoteMark();
    RtfContent::Paragraph &last = content->paragraphs.back();
    last.style = g.paragraph;
    last.mark = textStyle();
    RtfContent::Paragraph next;
    next.start = content->text.size();
    content->paragraphs.push_back(next);
}

void RtfReader::commitFont()
{
    const QString name = fontTableName(fontName);
    // A font given again stays what it was first, as text may have been read in it.
    if (fontNumber >= 0 && !name.isEmpty() && !content->fonts.contains(fontNumber)) {
        content->fonts.insert(fontNumber, name);
        int page = fontOwnPage != 0 ? fontOwnPage : fontCharsetPage;
        if (page == CodePages::otherSymbolFont)
            page = CodePages::forSymbolFont(name);
        if (page != 0)
            fontCodePages.insert(fontNumber, page);
    }
    fontNumber = -1;
    fontCharsetPage = fontOwnPage = 0;
    fontName.clear();
}

void RtfReader::commitColour()
{
    content->colours.push_back(colourGiven ? QColor(red, green, blue) : QColor());
    clearColourEntry();
}

void RtfReader::clearColourEntry()
{
    red = green = blue = 0;
    colourGiven = false;
}

int RtfReader::currentCodePage() const
{
    // Font names are in their own entry's code page (a symbol font's name in the document's);
    // text is in its font's.
    const GroupState &g = groups.back();
    if (g.destination == Destination::FontTable) {
        const int own = fontOwnPage != 0 ? fontOwnPage : fontCharsetPage;
        return own > 0 ? own : documentCodePage;
    }
    const int font = g.style.font >= 0 ? g.style.font : content->defaultFont;
    const int own = fontCodePages.value(font, 0);
    return own != 0 ? own : documentCodePage;
}

} // namespace richtext
