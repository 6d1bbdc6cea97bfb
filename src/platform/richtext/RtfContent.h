#pragma once

#include <QColor>
#include <QHash>
#include <QString>

#include <vector>

namespace richtext {

// The character formatting of RTF text, as the reader's group state holds it.
struct CharStyle
{
    int font = -1;        // number in the font table; -1 for none
    int size = 1200;      // hundredths of a point (RTF's default is 12 pt)
    int colour = 0;       // index in the colour table; 0 is the automatic colour
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const CharStyle &) const = default;
};

inline size_t qHash(const CharStyle &s, size_t seed = 0)
{
    return qHashMulti(seed, s.font, s.size, s.colour, s.bold, s.italic, s.underline);
}

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
        Qt::Alignment alignment = Qt::AlignLeft;
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
