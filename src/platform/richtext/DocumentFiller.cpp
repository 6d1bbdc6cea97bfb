#include "platform/richtext/DocumentFiller.h"

#include <QTextCursor>
#include <QTextDocument>

namespace richtext {

namespace {

// Turns reader styles into character formats, once per distinct style.
class FormatCache
{
public:
    explicit FormatCache(const RtfContent &read) : content(read) {}

    const QTextCharFormat &format(const CharStyle &style)
    {
        auto found = formats.constFind(style);
        if (found == formats.constEnd())
            found = formats.insert(style, make(style));
        return found.value();
    }

private:
    QTextCharFormat make(const CharStyle &style) const
    {
        QTextCharFormat format;
        const QString family = content.fonts.value(style.font >= 0 ? style.font
                                                                   : content.defaultFont);
        if (!family.isEmpty())
            format.setFontFamilies({family});
        format.setFontPointSize(style.size / 100.0);
        format.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(style.italic);
        format.setFontUnderline(style.underline);
        if (style.strike)
            format.setFontStrikeOut(true);
        if (style.baseline != Baseline::Normal)
            format.setVerticalAlignment(style.baseline == Baseline::Superscript
                                            ? QTextCharFormat::AlignSuperScript
                                            : QTextCharFormat::AlignSubScript);
        if (const QColor colour = colourAt(style.colour); colour.isValid())
            format.setForeground(colour);
        if (const QColor colour = colourAt(style.highlight); colour.isValid())
            format.setBackground(colour);
        return format;
    }

    QColor colourAt(int index) const
    {
        return index < int(content.colours.size()) ? content.colours[index] : QColor();
    }

    const RtfContent &content;
    QHash<CharStyle, QTextCharFormat> formats;
};

QTextBlockFormat blockFormat(const ParagraphStyle &style)
{
    QTextBlockFormat format;
    format.setAlignment(style.alignment);
    // Only what a paragraph has is set, so that plain ones keep the editor's own format.
    if (style.leftIndent != 0)
        format.setLeftMargin(style.leftIndent / twipsPerPixel);
    if (style.rightIndent != 0)
        format.setRightMargin(style.rightIndent / twipsPerPixel);
    if (style.firstLineIndent != 0)
        format.setTextIndent(style.firstLineIndent / twipsPerPixel);
    // As in word processors, the tab after the list label of a hanging first line goes to the
    // indent of the lines below it. (The layout measures tabs from where the line starts.)
    if (style.firstLineIndent < 0)
        format.setTabPositions({QTextOption::Tab(-style.firstLineIndent / twipsPerPixel, QTextOption::LeftTab)});
    if (style.spaceBefore != 0)
        format.setTopMargin(style.spaceBefore / twipsPerPixel);
    if (style.spaceAfter != 0)
        format.setBottomMargin(style.spaceAfter / twipsPerPixel);
    return format;
}

// Adds the content's paragraphs at the cursor, the first one into the cursor's paragraph.
void insertContent(const RtfContent &content, QTextCursor &cursor)
{
    FormatCache formats(content);
    const QString &text = content.text;
    size_t run = 0;
    for (size_t i = 0; i < content.paragraphs.size(); ++i) {
        const RtfContent::Paragraph &paragraph = content.paragraphs[i];
        const QTextBlockFormat block = blockFormat(paragraph.style);
        if (i == 0) {
            cursor.setBlockFormat(block);
            cursor.setBlockCharFormat(formats.format(paragraph.mark));
        } else {
            cursor.insertBlock(block, formats.format(paragraph.mark));
        }
        const qsizetype end = i + 1 < content.paragraphs.size() ? content.paragraphs[i + 1].start
                                                                : text.size();
        for (qsizetype pos = paragraph.start; pos < end;) {
            while (run + 1 < content.runs.size() && content.runs[run + 1].start <= pos)
                ++run;
            const qsizetype runEnd = run + 1 < content.runs.size()
                                         ? std::min(end, content.runs[run + 1].start)
                                         : end;
            cursor.insertText(text.sliced(pos, runEnd - pos),
                              formats.format(content.runs[run].style));
            pos = runEnd;
        }
    }
}

} // namespace

void fillDocument(const std::vector<RtfContent> &contents, QTextDocument &document)
{
    const bool undoable = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (const RtfContent &content : contents) {
        if (&content != &contents.front())
            cursor.insertBlock();
        insertContent(content, cursor);
    }
    cursor.endEditBlock();
    document.setUndoRedoEnabled(undoable);
}

} // namespace richtext
