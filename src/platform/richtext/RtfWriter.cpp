#include "platform/richtext/RtfWriter.h"

#include "platform/richtext/CodePage.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace richtext {

namespace {

void appendNumber(QByteArray &out, const char *word, int value)
{
    out.append(word).append(QByteArray::number(value));
}

void appendHex(QByteArray &out, unsigned char byte)
{
    static const char digits[] = "0123456789abcdef";
    out.append("\\'").append(digits[byte >> 4]).append(digits[byte & 15]);
}

// Text as RTF: the three special characters escaped, tabs, line breaks and special spaces as
// control words, and everything beyond ASCII as \uN followed by a Windows-1252 fallback for
// readers without Unicode.
void appendEscaped(QByteArray &out, QStringView text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= 0x20 && u < 0x7F) {
            if (u == '\\' || u == '{' || u == '}')
                out.append('\\');
            out.append(char(u));
        } else if (u == '\t') {
            out.append("\\tab ");
        } else if (u == QChar::LineSeparator) {
            out.append("\\line ");
        } else if (u == 0x00A0) {
            out.append("\\~");
        } else if (u == 0x00AD) {
            out.append("\\-");
        } else if (u == 0x2011) {
            out.append("\\_");
        } else if (u > 0x7F && u != QChar::ObjectReplacementCharacter) {
            // Signed 16 bits, as the format wants; surrogate pairs go as two escapes.
            appendNumber(out, "\\u", u < 0x8000 ? int(u) : int(u) - 0x10000);
            const unsigned char fallback = CodePages::toWindows1252(c);
            if (fallback != 0)
                appendHex(out, fallback);
            else
                out.append('?');
        }
        // Other control characters and embedded objects have no place in RTF text.
    }
}

QString familyOf(const QFont &font)
{
    return font.families().value(0, font.family());
}

} // namespace

QByteArray RtfWriter::write(int from, int to)
{
    const int end = std::max(document.characterCount() - 1, 0);
    from = std::clamp(from, 0, end);
    to = std::clamp(to, 0, end);
    if (from > to)
        std::swap(from, to);

    // The document's own font is font 0, the default of every reader.
    fontNumber(familyOf(document.defaultFont()));
    body.reserve((to - from) * 11 / 10 + 64);
    for (QTextBlock block = document.findBlock(from); block.isValid() && block.position() <= to;
         block = block.next())
        writeBlock(block, from, to);
    body.append("}\n");
    return body.prepend(header());
}

QByteArray RtfWriter::header() const
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    for (int i = 0; i < fonts.size(); ++i) {
        appendNumber(out, "{\\f", i);
        out.append("\\fnil\\fcharset0 ");
        appendEscaped(out, fonts[i]);
        out.append(";}");
    }
    out.append("}\n{\\colortbl;");
    for (const QRgb rgb : colours) {
        appendNumber(out, "\\red", qRed(rgb));
        appendNumber(out, "\\green", qGreen(rgb));
        appendNumber(out, "\\blue", qBlue(rgb));
        out.append(';');
    }
    out.append("}\n{\\*\\generator ZentDeckBuilder;}\n");
    return out;
}

void RtfWriter::writeBlock(const QTextBlock &block, int from, int to)
{
    writeParagraphFormat(block);
    // Every paragraph states its formatting afresh, so it stands on its own.
    written.reset();
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int position = fragment.position();
        const int start = std::max(position, from);
        const int stop = std::min(position + fragment.length(), to);
        if (start >= stop)
            continue;
        writeStyle(fragment.charFormatIndex(), fragment.charFormat());
        const QString text = fragment.text();
        appendEscaped(body, QStringView(text).sliced(start - position, stop - start));
    }
    // An empty paragraph keeps the format that text typed into it will take.
    if (!written)
        writeStyle(block.charFormatIndex(), block.charFormat());
    body.append("\\par\n");
}

void RtfWriter::writeParagraphFormat(const QTextBlock &block)
{
    const QTextBlockFormat format = block.blockFormat();
    // Left and right are the same for a left-to-right paragraph whether absolute or not.
    switch (format.alignment() & ~Qt::AlignAbsolute & Qt::AlignHorizontal_Mask) {
    case Qt::AlignHCenter: body.append("\\pard\\qc"); break;
    case Qt::AlignRight: body.append("\\pard\\qr"); break;
    case Qt::AlignJustify: body.append("\\pard\\qj"); break;
    default: body.append("\\pard\\ql"); break;
    }
    // \pard has set them all to zero; only what the paragraph has is written.
    const std::pair<const char *, qreal> lengths[] = {
        {"\\li", format.leftMargin()}, {"\\ri", format.rightMargin()}, {"\\fi", format.textIndent()},
        {"\\sb", format.topMargin()},  {"\\sa", format.bottomMargin()},
    };
    for (const auto &[word, pixels] : lengths) {
        if (const int twips = qRound(pixels * twipsPerPixel); twips != 0)
            appendNumber(body, word, twips);
    }
}

void RtfWriter::writeStyle(int formatIndex, const QTextCharFormat &format)
{
    // A document has few distinct formats: each one's control words are made once.
    auto run = runs.constFind(formatIndex);
    if (run == runs.constEnd())
        run = runs.insert(formatIndex, controlWords(styleOf(format), effectsOf(format)));
    if (written != run->style) {
        written = run->style;
        body.append(run->controls);
    }
    writeEffects(run->effects);
}

void RtfWriter::writeEffects(const RunEffects &effects)
{
    if (effects == effectsInForce)
        return;
    if (effects.strike != effectsInForce.strike)
        body.append(effects.strike ? "\\strike" : "\\strike0");
    if (effects.baseline != effectsInForce.baseline)
        body.append(effects.baseline == Baseline::Superscript ? "\\super"
                    : effects.baseline == Baseline::Subscript ? "\\sub"
                                                              : "\\nosupersub");
    if (effects.highlight != effectsInForce.highlight)
        appendNumber(body, "\\highlight", effects.highlight);
    body.append(' ');
    effectsInForce = effects;
}

RtfWriter::Run RtfWriter::controlWords(const RunStyle &style, const RunEffects &effects)
{
    Run run{style, effects, {}};
    QByteArray &out = run.controls;
    appendNumber(out, "\\f", style.font);
    // \fs counts whole half-points, so a size such as 11.25 pt is written to the nearest
    // half-point for other readers and, exactly, as \zentfs in hundredths of a point. Readers
    // skip control words they do not know, and a plain word (unlike a {\*...} destination)
    // changes the state of the run it stands in, which is just what our reader needs.
    const int halfPoints = std::max(1, (style.size + 25) / 50);
    appendNumber(out, "\\fs", halfPoints);
    if (halfPoints * 50 != style.size)
        appendNumber(out, "\\zentfs", style.size);
    out.append(style.bold ? "\\b" : "\\b0");
    out.append(style.italic ? "\\i" : "\\i0");
    out.append(style.underline ? "\\ul" : "\\ulnone");
    appendNumber(out, "\\cf", style.colour);
    out.append(' ');
    return run;
}

RtfWriter::RunStyle RtfWriter::styleOf(const QTextCharFormat &format)
{
    // What the format leaves open comes from the document's default font.
    const QFont base = document.defaultFont();
    RunStyle style;
    const QString family = format.fontFamilies().toStringList().value(0);
    style.font = fontNumber(family.isEmpty() ? familyOf(base) : family);
    const double points = format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize()
                          : base.pointSizeF() > 0                          ? base.pointSizeF()
                                                                            : 12.0;
    style.size = std::clamp(qRound(points * 100), 100, 163800);
    style.bold = format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() > QFont::Medium
                                                              : base.bold();
    style.italic = format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic()
                                                                : base.italic();
    style.underline = format.hasProperty(QTextFormat::TextUnderlineStyle)
                              || format.hasProperty(QTextFormat::FontUnderline)
                          ? format.fontUnderline()
                          : base.underline();
    style.colour = colourNumber(format.foreground());
    return style;
}

RtfWriter::RunEffects RtfWriter::effectsOf(const QTextCharFormat &format)
{
    RunEffects effects;
    effects.strike = format.fontStrikeOut();
    switch (format.verticalAlignment()) {
    case QTextCharFormat::AlignSuperScript: effects.baseline = Baseline::Superscript; break;
    case QTextCharFormat::AlignSubScript: effects.baseline = Baseline::Subscript; break;
    default: break;
    }
    effects.highlight = colourNumber(format.background());
    return effects;
}

int RtfWriter::fontNumber(const QString &family)
{
    const auto found = fontNumbers.constFind(family);
    if (found != fontNumbers.constEnd())
        return found.value();
    // A name with nothing left for the font table is the document's font. Families that
    // differ only in what is left out are then one font, as a reader will see them.
    const QString name = fontTableName(family);
    int number = name.isEmpty() && !fonts.isEmpty() ? 0 : int(fonts.indexOf(name));
    if (number < 0) {
        number = int(fonts.size());
        fonts.append(name);
    }
    fontNumbers.insert(family, number);
    return number;
}

int RtfWriter::colourNumber(const QBrush &brush)
{
    if (brush.style() == Qt::NoBrush)
        return 0; // the automatic colour
    const QRgb rgb = brush.color().rgb() & RGB_MASK;
    const auto found = colourNumbers.constFind(rgb);
    if (found != colourNumbers.constEnd())
        return found.value();
    colours.push_back(rgb);
    colourNumbers.insert(rgb, int(colours.size()));
    return int(colours.size());
}

} // namespace richtext
