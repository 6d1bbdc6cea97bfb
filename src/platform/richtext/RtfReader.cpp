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
    groups.push_back(groups.empty() ? GroupState() : groups.back());
    return true;
}

bool RtfReader::closeGroup()
{
    skipCount = 0;
    if (groups.empty())
        return false;
    if (state().destination == Destination::FontTable)
        commitFont();
    groups.pop_back();
    return !groups.empty();
}

void RtfReader::controlWord(const RtfToken &token)
{
    const RtfWord *word = findRtfWord(token.text);
    if (!word)
        return;
    GroupState &g = state();
    const int value = word->value;
    const int parameter = token.parameter;
    switch (word->action) {
    case RtfAction::Bold: g.style.bold = isOn(token); break;
    case RtfAction::Italic: g.style.italic = isOn(token); break;
    case RtfAction::Underline: g.style.underline = isOn(token); break;
    case RtfAction::UnderlineNone: g.style.underline = false; break;
    case RtfAction::Hidden: g.hidden = isOn(token); break;
    case RtfAction::Font:
        if (g.destination == Destination::FontTable) {
            commitFont();
            fontNumber = parameter;
        } else {
            g.style.font = std::max(parameter, 0);
        }
        break;
    case RtfAction::FontSize: g.style.size = halfPointsToSize(token); break;
    case RtfAction::ExactFontSize:
        if (parameter > 0)
            g.style.size = std::clamp(parameter, 100, 163800);
        break;
    case RtfAction::Colour: g.style.colour = std::max(parameter, 0); break;
    case RtfAction::DoubleByte: g.doubleByte = value != 0; break;
    case RtfAction::AssociatedSize: g.associatedSize = halfPointsToSize(token); break;
    case RtfAction::AssociatedBold: g.associatedBold = isOn(token); break;
    case RtfAction::AssociatedItalic: g.associatedItalic = isOn(token); break;
    case RtfAction::Plain: {
        // Character formatting back to the defaults; paragraph and destination stay.
        GroupState plain;
        plain.alignment = g.alignment;
        plain.unicodeSkip = g.unicodeSkip;
        plain.destination = g.destination;
        g = plain;
        break;
    }
    case RtfAction::ParagraphDefaults: g.alignment = Qt::AlignLeft; break;
    case RtfAction::Align: g.alignment = Qt::Alignment(value); break;
    case RtfAction::Paragraph: endParagraph(); break;
    case RtfAction::SoftBreak:
        // A page or section break ends the paragraph, unless a \par has just done so.
        if (content->paragraphs.back().start < content->text.size())
            endParagraph();
        break;
    case RtfAction::Character: character(QChar(char16_t(value))); break;
    case RtfAction::Unicode: unicodeCharacter(parameter); break;
    case RtfAction::UnicodeSkip: g.unicodeSkip = std::clamp(parameter, 0, 16); break;
    case RtfAction::CodePage: documentCodePage = value; break;
    case RtfAction::AnsiCodePage:
        if (parameter > 0 && parameter <= 65535)
            documentCodePage = parameter;
        break;
    case RtfAction::DefaultFont: content->defaultFont = std::max(parameter, 0); break;
    case RtfAction::FontTable: g.destination = Destination::FontTable; break;
    case RtfAction::ColourTable:
        g.destination = Destination::ColourTable;
        clearColourEntry();
        break;
    case RtfAction::Red: red = std::clamp(parameter, 0, 255); colourGiven = true; break;
    case RtfAction::Green: green = std::clamp(parameter, 0, 255); colourGiven = true; break;
    case RtfAction::Blue: blue = std::clamp(parameter, 0, 255); colourGiven = true; break;
    case RtfAction::FontCharset: fontCodePage = CodePages::forCharset(parameter); break;
    case RtfAction::Skip: g.destination = Destination::Skip; break;
    }
}

void RtfReader::controlSymbol(char symbol)
{
    switch (symbol) {
    case '\\':
    case '{':
    case '}': character(QLatin1Char(symbol)); break;
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
    qsizetype i = 0;
    while (i < bytes.size()) {
        if (skipCount > 0) {
            --skipCount;
            ++i;
            continue;
        }
        // Plain ASCII goes in whole stretches: most of any document is just that.
        qsizetype end = i;
        while (end < bytes.size() && uchar(bytes[end]) >= 0x20 && uchar(bytes[end]) < 0x7F)
            ++end;
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
    character(codePages.toUnicode(currentCodePage(), b));
}

void RtfReader::unicodeCharacter(int value)
{
    // \u takes a signed 16-bit number; negative values stand for the upper half.
    if (value < 0)
        value += 65536;
    if (value > 0 && value <= 0xFFFF)
        character(QChar(char16_t(value)));
    skipCount = state().unicodeSkip;
}

void RtfReader::character(QChar c)
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
        if (startAppend())
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

bool RtfReader::startAppend()
{
    const GroupState &g = state();
    if (g.hidden)
        return false;
    RtfContent &c = *content;
    const CharStyle style = textStyle();
    if (c.runs.empty() || c.runs.back().style != style)
        c.runs.push_back({c.text.size(), style});
    c.paragraphs.back().alignment = g.alignment;
    c.paragraphs.back().mark = style;
    return true;
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
    RtfContent::Paragraph &last = content->paragraphs.back();
    last.alignment = g.alignment;
    last.mark = textStyle();
    RtfContent::Paragraph next;
    next.start = content->text.size();
    content->paragraphs.push_back(next);
}

void RtfReader::commitFont()
{
    const QString name = fontName.trimmed();
    if (fontNumber >= 0 && !name.isEmpty()) {
        content->fonts.insert(fontNumber, name);
        if (fontCodePage != 0)
            fontCodePages.insert(fontNumber, fontCodePage);
    }
    fontNumber = -1;
    fontCodePage = 0;
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
    // Font names are in their own entry's charset; text is in its font's.
    const GroupState &g = groups.back();
    const int font = g.destination == Destination::FontTable
                         ? -1
                         : (g.style.font >= 0 ? g.style.font : content->defaultFont);
    const int own = g.destination == Destination::FontTable ? fontCodePage
                                                             : fontCodePages.value(font, 0);
    return own != 0 ? own : documentCodePage;
}

} // namespace richtext
