#pragma once

#include <QColor>
#include <QHash>
#include <QString>

#include <vector>

namespace richtext {

// Where a character stands against the line.
enum class Baseline : unsigned char { Normal, Superscript, Subscript };

// The character formatting of RTF text, as the reader's group state holds it.
struct CharStyle
{
    int font = -1;        // number in the font table; -1 for none
    int size = 1200;      // hundredths of a point (RTF's default is 12 pt)
    int colour = 0;       // index in the colour table; 0 is the automatic colour
    int highlight = 0;    // index in the colour table of the background; 0 for none
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    Baseline baseline = Baseline::Normal;

    bool operator==(const CharStyle &) const = default;
};

inline size_t qHash(const CharStyle &s, size_t seed = 0)
{
    return qHashMulti(seed, s.font, s.size, s.colour, s.highlight, s.bold, s.italic, s.underline,
                      s.strike, int(s.baseline));
}

// A face name as a font table holds it: without the characters that would end its entry early,
// nor the blanks around it, which readers drop. Read and written names are the same so.
inline QString fontTableName(QString name)
{
    name.removeIf([](QChar c) { return c == u';' || c == u'{' || c == u'}' || c == u'\\'; });
    return name.trimmed();
}

// The editor's document measures lengths in pixels of 1/96 inch; RTF in twips (1/1440 inch).
constexpr double twipsPerPixel = 15.0;

// The formatting of a paragraph; lengths in twips.
struct ParagraphStyle
{
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstLineIndent = 0; // from the left indent; below zero for a hanging first line
    int spaceBefore = 0;
    int spaceAfter = 0;

    bool operator==(const ParagraphStyle &) const = default;
};

// What a read RTF document holds, before it goes into a QTextDocument: all text in one string,
// cut into paragraphs and into runs of one style.
struct RtfContent
{
    struct Run
    {
        qsizetype start; // runs follow each other; one ends where the next starts
        CharStyle style;
    };
    struct Paragraph
    {
        qsizetype start = 0;
        ParagraphStyle style;
        CharStyle mark; // the style of the paragraph mark, shown by an empty paragraph
    };

    QString text;
    std::vector<Run> runs;
    std::vector<Paragraph> paragraphs = std::vector<Paragraph>(1);
    QHash<int, QString> fonts;   // font number -> face name
    int defaultFont = 0;         // the font of text that names none
    std::vector<QColor> colours; // an invalid colour is the automatic one
};

} // namespace richtext
