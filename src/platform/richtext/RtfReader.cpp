#include "platform/richtext/RtfReader.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace richtext {

namespace {

enum class Action {
    Bold, Italic, Underline, UnderlineNone, Hidden, Font, FontSize, ExactFontSize, Colour,
    DoubleByte, AssociatedSize, AssociatedBold, AssociatedItalic,
    Plain, ParagraphDefaults, Align, Paragraph, SoftBreak, Character, Unicode, UnicodeSkip,
    CodePage, AnsiCodePage, DefaultFont, FontTable, ColourTable, Red, Green, Blue, FontCharset,
    Skip,
};

struct Word
{
    Action action;
    int value = 0;
};

// Control words are short, and looking them up is most of the reading: a simple inline hash
// does it in a fraction of the time of the general one.
struct WordHash
{
    size_t operator()(std::string_view name) const
    {
        size_t h = 2166136261u;
        for (const char c : name)
            h = (h ^ uchar(c)) * 16777619u;
        return h;
    }
};

using WordTable = std::unordered_map<std::string_view, Word, WordHash>;

const WordTable &words()
{
    static const WordTable table = [] {
        WordTable t = {
            {"b", {Action::Bold}}, {"i", {Action::Italic}}, {"ulnone", {Action::UnderlineNone}},
            {"v", {Action::Hidden}}, {"f", {Action::Font}}, {"fs", {Action::FontSize}},
            // Our own exact size in hundredths of a point; see RtfWriter.
            {"zentfs", {Action::ExactFontSize}},
            {"cf", {Action::Colour}}, {"plain", {Action::Plain}},
            {"dbch", {Action::DoubleByte, 1}}, {"loch", {Action::DoubleByte, 0}},
            {"hich", {Action::DoubleByte, 0}}, {"afs", {Action::AssociatedSize}},
            {"ab", {Action::AssociatedBold}}, {"ai", {Action::AssociatedItalic}},
            {"pard", {Action::ParagraphDefaults}},
            {"ql", {Action::Align, Qt::AlignLeft}}, {"qc", {Action::Align, Qt::AlignHCenter}},
            {"qr", {Action::Align, Qt::AlignRight}}, {"qj", {Action::Align, Qt::AlignJustify}},
            {"qd", {Action::Align, Qt::AlignJustify}},
            {"par", {Action::Paragraph}}, {"row", {Action::Paragraph}},
            {"nestrow", {Action::Paragraph}}, {"page", {Action::SoftBreak}},
            {"sect", {Action::SoftBreak}},
            // Table cells become tab-separated text.
            {"tab", {Action::Character, '\t'}}, {"cell", {Action::Character, '\t'}},
            {"nestcell", {Action::Character, '\t'}},
            {"line", {Action::Character, QChar::LineSeparator}},
            {"emdash", {Action::Character, 0x2014}}, {"endash", {Action::Character, 0x2013}},
            {"bullet", {Action::Character, 0x2022}}, {"lquote", {Action::Character, 0x2018}},
            {"rquote", {Action::Character, 0x2019}}, {"ldblquote", {Action::Character, 0x201C}},
            {"rdblquote", {Action::Character, 0x201D}}, {"emspace", {Action::Character, 0x2003}},
            {"enspace", {Action::Character, 0x2002}}, {"qmspace", {Action::Character, 0x2005}},
            {"zwj", {Action::Character, 0x200D}}, {"zwnj", {Action::Character, 0x200C}},
            {"zwbo", {Action::Character, 0x200B}},
            {"u", {Action::Unicode}}, {"uc", {Action::UnicodeSkip}},
            {"ansi", {Action::CodePage, 1252}}, {"mac", {Action::CodePage, 10000}},
            {"pc", {Action::CodePage, 437}}, {"pca", {Action::CodePage, 850}},
            {"ansicpg", {Action::AnsiCodePage}}, {"deff", {Action::DefaultFont}},
            {"fonttbl", {Action::FontTable}}, {"colortbl", {Action::ColourTable}},
            {"red", {Action::Red}}, {"green", {Action::Green}}, {"blue", {Action::Blue}},
            {"fcharset", {Action::FontCharset}},
        };
        // Every underline style reads as underline.
        for (const char *name : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                                 "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd",
                                 "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"})
            t.emplace(name, Word{Action::Underline});
        // Destinations whose text is not part of the document body. Writers mark newer ones
        // with \*, which is skipped anyway; these are the ones often written without it.
        for (const char *name :
             {"stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf",
              "footer", "footerl", "footerr", "footerf", "footnote", "annotation", "fldinst",
              "listtable", "listoverridetable", "revtbl", "rsidtbl", "latentstyles",
              "themedata", "colorschememapping", "datastore", "xmlnstbl", "generator",
              "mmathPr", "filetbl", "pgdsctbl", "nonshppict", "shp", "tc", "xe", "txe",
              "bkmkstart", "bkmkend", "template", "docvar", "userprops", "background",
              "nonesttables", "atnid", "atnauthor", "comment", "private"})
            t.emplace(name, Word{Action::Skip});
        return t;
    }();
    return table;
}

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
    const auto found = words().find(std::string_view(token.text.data(), token.text.size()));
    if (found == words().end())
        return;
    GroupState &g = state();
    const int value = found->second.value;
    const int parameter = token.parameter;
    switch (found->second.action) {
    case Action::Bold: g.style.bold = isOn(token); break;
    case Action::Italic: g.style.italic = isOn(token); break;
    case Action::Underline: g.style.underline = isOn(token); break;
    case Action::UnderlineNone: g.style.underline = false; break;
    case Action::Hidden: g.hidden = isOn(token); break;
    case Action::Font:
        if (g.destination == Destination::FontTable) {
            commitFont();
            fontNumber = parameter;
        } else {
            g.style.font = std::max(parameter, 0);
        }
        break;
    case Action::FontSize: g.style.size = halfPointsToSize(token); break;
    case Action::ExactFontSize:
        if (parameter > 0)
            g.style.size = std::clamp(parameter, 100, 163800);
        break;
    case Action::Colour: g.style.colour = std::max(parameter, 0); break;
    case Action::DoubleByte: g.doubleByte = value != 0; break;
    case Action::AssociatedSize: g.associatedSize = halfPointsToSize(token); break;
    case Action::AssociatedBold: g.associatedBold = isOn(token); break;
    case Action::AssociatedItalic: g.associatedItalic = isOn(token); break;
    case Action::Plain: {
        // Character formatting back to the defaults; paragraph and destination stay.
        GroupState plain;
        plain.alignment = g.alignment;
        plain.unicodeSkip = g.unicodeSkip;
        plain.destination = g.destination;
        g = plain;
        break;
    }
    case Action::ParagraphDefaults: g.alignment = Qt::AlignLeft; break;
    case Action::Align: g.alignment = Qt::Alignment(value); break;
    case Action::Paragraph: endParagraph(); break;
    case Action::SoftBreak:
        // A page or section break ends the paragraph, unless a \par has just done so.
        if (content->paragraphs.back().start < content->text.size())
            endParagraph();
        break;
    case Action::Character: character(QChar(char16_t(value))); break;
    case Action::Unicode: unicodeCharacter(parameter); break;
    case Action::UnicodeSkip: g.unicodeSkip = std::clamp(parameter, 0, 16); break;
    case Action::CodePage: documentCodePage = value; break;
    case Action::AnsiCodePage:
        if (parameter > 0 && parameter <= 65535)
            documentCodePage = parameter;
        break;
    case Action::DefaultFont: content->defaultFont = std::max(parameter, 0); break;
    case Action::FontTable: g.destination = Destination::FontTable; break;
    case Action::ColourTable:
        g.destination = Destination::ColourTable;
        clearColourEntry();
        break;
    case Action::Red: red = std::clamp(parameter, 0, 255); colourGiven = true; break;
    case Action::Green: green = std::clamp(parameter, 0, 255); colourGiven = true; break;
    case Action::Blue: blue = std::clamp(parameter, 0, 255); colourGiven = true; break;
    case Action::FontCharset: fontCodePage = CodePages::forCharset(parameter); break;
    case Action::Skip: g.destination = Destination::Skip; break;
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
