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
        if (style.colour < int(content.colours.size()) && content.colours[style.colour].isValid())
            format.setForeground(content.colours[style.colour]);
        return format;
    }

    const RtfContent &content;
    QHash<CharStyle, QTextCharFormat> formats;
};

// Adds the content's paragraphs at the cursor, the first one into the cursor's paragraph.
void insertContent(const RtfContent &content, QTextCursor &cursor)
{
    FormatCache formats(content);
    const QString &text = content.text;
    size_t run = 0;
    for (size_t i = 0; i < content.paragraphs.size(); ++i) {
        const RtfContent::Paragraph &paragraph = content.paragraphs[i];
        QTextBlockFormat blockFormat;
        blockFormat.setAlignment(paragraph.alignment);
        if (i == 0) {
            cursor.setBlockFormat(blockFormat);
            cursor.setBlockCharFormat(formats.format(paragraph.mark));
        } else {
            cursor.insertBlock(blockFormat, formats.format(paragraph.mark));
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
