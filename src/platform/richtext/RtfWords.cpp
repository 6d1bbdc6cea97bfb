#include "platform/richtext/RtfWords.h"

#include "platform/richtext/RtfContent.h"

#include <QChar>

#include <string_view>
#include <unordered_map>

namespace richtext {

namespace {

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

using WordTable = std::unordered_map<std::string_view, RtfWord, WordHash>;
using A = RtfAction;

WordTable makeTable()
{
    WordTable t = {
        {"b", {A::Bold}}, {"i", {A::Italic}}, {"ulnone", {A::UnderlineNone}}, {"v", {A::Hidden}},
        {"strike", {A::Strike}}, {"striked", {A::Strike}},
        {"super", {A::Baseline, int(Baseline::Superscript)}},
        {"sub", {A::Baseline, int(Baseline::Subscript)}},
        {"nosupersub", {A::Baseline, int(Baseline::Normal)}}, {"up", {A::Raise}},
        {"dn", {A::Lower}}, {"f", {A::Font}}, {"fs", {A::FontSize}}, {"cf", {A::Colour}},
        {"highlight", {A::Highlight}}, {"chcbpat", {A::Highlight}}, {"cb", {A::Highlight}},
        {"plain", {A::Plain}},
        // Our own exact size in hundredths of a point; see RtfWriter.
        {"zentfs", {A::ExactFontSize}},
        {"dbch", {A::DoubleByte, 1}}, {"loch", {A::DoubleByte, 0}}, {"hich", {A::DoubleByte, 0}},
        {"afs", {A::AssociatedSize}}, {"ab", {A::AssociatedBold}}, {"ai", {A::AssociatedItalic}},
        {"pard", {A::ParagraphDefaults}}, {"ql", {A::Align, Qt::AlignLeft}},
        {"qc", {A::Align, Qt::AlignHCenter}}, {"qr", {A::Align, Qt::AlignRight}},
        {"qj", {A::Align, Qt::AlignJustify}}, {"qd", {A::Align, Qt::AlignJustify}},
        {"li", {A::Indent, int(RtfIndent::Left)}}, {"ri", {A::Indent, int(RtfIndent::Right)}},
        {"fi", {A::Indent, int(RtfIndent::FirstLine)}},
        {"sb", {A::Indent, int(RtfIndent::Before)}}, {"sa", {A::Indent, int(RtfIndent::After)}},
        // A table's cells are paragraphs in reading order; the row's end ends no more.
        {"par", {A::Paragraph}}, {"cell", {A::Paragraph}}, {"nestcell", {A::Paragraph}},
        {"row", {A::SoftBreak}}, {"nestrow", {A::SoftBreak}},
        {"page", {A::SoftBreak}}, {"sect", {A::SoftBreak}},
        {"tab", {A::Character, '\t'}}, {"line", {A::Character, QChar::LineSeparator}},
        {"emdash", {A::Character, 0x2014}}, {"endash", {A::Character, 0x2013}},
        {"bullet", {A::Character, 0x2022}}, {"lquote", {A::Character, 0x2018}},
        {"rquote", {A::Character, 0x2019}}, {"ldblquote", {A::Character, 0x201C}},
        {"rdblquote", {A::Character, 0x201D}}, {"emspace", {A::Character, 0x2003}},
        {"enspace", {A::Character, 0x2002}}, {"qmspace", {A::Character, 0x2005}},
        {"zwj", {A::Character, 0x200D}}, {"zwnj", {A::Character, 0x200C}},
        {"zwbo", {A::Character, 0x200B}},
        {"u", {A::Unicode}}, {"uc", {A::UnicodeSkip}}, {"upr", {A::UnicodeAlternatives}},
        {"ud", {A::UnicodeText}},
        {"ansi", {A::CodePage, 1252}}, {"mac", {A::CodePage, 10000}},
        {"pc", {A::CodePage, 437}}, {"pca", {A::CodePage, 850}},
        {"ansicpg", {A::AnsiCodePage}}, {"deff", {A::DefaultFont}},
        {"fonttbl", {A::FontTable}}, {"colortbl", {A::ColourTable}}, {"red", {A::Red}},
        {"green", {A::Green}}, {"blue", {A::Blue}}, {"fcharset", {A::FontCharset}},
        {"cpg", {A::FontCodePage}},
        {"footnote", {A::Note}}, {"ftnalt", {A::Endnote}}, {"chftn", {A::NoteMark}},
        {"ftnstart", {A::NoteStart, 0}}, {"aftnstart", {A::NoteStart, 1}},
    };
    // How footnotes (ftnn...) and endnotes (aftnn...) are numbered: 1, a, A, i, I or *, as
    // NoteMarks counts the styles, each followed by its endnotes' word.
    int value = 0;
    for (const char *name : {"ftnnar", "aftnnar", "ftnnalc", "aftnnalc", "ftnnauc", "aftnnauc",
                             "ftnnrlc", "aftnnrlc", "ftnnruc", "aftnnruc", "ftnnchi", "aftnnchi"})
        t.emplace(name, RtfWord{A::NoteNumbering, value++});
    // Every underline style reads as underline.
    for (const char *name : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                             "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd",
                             "ulthldash", "ululdbwave", "ulw", "ulwave"})
        t.emplace(name, RtfWord{A::Underline});
    // Destinations whose text is not part of the document body. Writers mark newer ones with
    // \*, which is skipped anyway; these are the ones often written without it.
    for (const char *name :
         {"stylesheet", "info", "pict", "object", "header", "headerl", "headerr", "headerf",
          "footer", "footerl", "footerr", "footerf", "annotation", "fldinst",
          "listtable", "listoverridetable", "revtbl", "rsidtbl", "latentstyles", "themedata",
          "colorschememapping", "datastore", "xmlnstbl", "generator", "mmathPr", "filetbl",
          "pgdsctbl", "nonshppict", "shp", "tc", "xe", "txe", "bkmkstart", "bkmkend",
          "template", "docvar", "userprops", "background", "nonesttables", "atnid", "atnauthor",
          "comment", "private"})
        t.emplace(name, RtfWord{A::Skip});
    return t;
}

} // namespace

const RtfWord *findRtfWord(QByteArrayView name)
{
    static const WordTable words = makeTable();
    const auto found = words.find(std::string_view(name.data(), name.size()));
    return found == words.end() ? nullptr : &found->second;
}

} // namespace richtext
