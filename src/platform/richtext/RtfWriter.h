#pragma once

#include "platform/richtext/RtfContent.h"

#include <QBrush>
#include <QByteArray>
#include <QColor>
#include <QHash>
#include <QStringList>

#include <optional>
#include <vector>

class QTextBlock;
class QTextCharFormat;
class QTextDocument;

namespace richtext {

// Writes part of a QTextDocument as RTF that Word, WordPad and LibreOffice open: a font table,
// a colour table, each paragraph's alignment, indents and spacing and, for every run, all of
// its bold, italic, underline, face, size and colour, so that nothing carries over from one
// run to the next, and strikethrough, superscript, subscript and highlight where it has them.
class RtfWriter
{
public:
    explicit RtfWriter(const QTextDocument &source) : document(source) {}

    // The characters from position from up to (not including) to; paragraph breaks inside the
    // range become paragraph marks.
    QByteArray write(int from, int to);

private:
    struct RunStyle
    {
        int font = 0;
        int size = 0; // hundredths of a point
        int colour = 0;
        bool bold = false;
        bool italic = false;
        bool underline = false;

        bool operator==(const RunStyle &) const = default;
    };
    // What few runs have, written only where it changes so that plain text reads as before.
    struct RunEffects
    {
        bool strike = false;
        Baseline baseline = Baseline::Normal;
        int highlight = 0; // colour table entry, 0 for none

        bool operator==(const RunEffects &) const = default;
    };

    // A run style with the control words that state it.
    struct Run
    {
        RunStyle style;
        RunEffects effects;
        QByteArray controls;
    };

    void writeBlock(const QTextBlock &block, int from, int to);
    void writeParagraphFormat(const QTextBlock &block);
    void writeStyle(int formatIndex, const QTextCharFormat &format);
    void writeEffects(const RunEffects &effects);
    Run controlWords(const RunStyle &style, const RunEffects &effects);
    RunStyle styleOf(const QTextCharFormat &format);
    RunEffects effectsOf(const QTextCharFormat &format);
    int fontNumber(const QString &family);
    int colourNumber(const QBrush &brush);
    QByteArray header() const;

    const QTextDocument &document;
    QByteArray body;
    QStringList fonts;
    QHash<QString, int> fontNumbers;
    std::vector<QRgb> colours; // colour table entries 1, 2, ... (0 is the automatic colour)
    QHash<QRgb, int> colourNumbers;
    QHash<int, Run> runs; // by the document's format index
    std::optional<RunStyle> written; // the style in force, once a paragraph has stated one
    RunEffects effectsInForce;       // the effects in force, which no paragraph resets
};

} // namespace richtext
