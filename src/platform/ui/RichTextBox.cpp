#include "platform/ui/RichTextBox.h"

#include "platform/richtext/RichText.h"
#include "platform/ui/BusyCursor.h"
#include "platform/ui/Twips.h"

#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>

namespace ui {

RichTextBox::RichTextBox(QWidget *parent)
    : QTextEdit(parent)
{
    setAcceptRichText(false); // pasted text comes plain, in the editor's own formats
    connect(this, &QTextEdit::textChanged, this, &RichTextBox::Change);
    connect(this, &QTextEdit::cursorPositionChanged, this, &RichTextBox::SelChange);
    connect(this, &QTextEdit::selectionChanged, this, &RichTextBox::SelChange);
}

void RichTextBox::setPlainContent(const QString &text)
{
    setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

bool RichTextBox::loadFile(const QString &path)
{
    // A long document takes seconds to read and lay out: the user sees the program is busy.
    const BusyCursor busy;
    // Filled apart and then put in place, the document is laid out once instead of after every
    // paragraph read, and a file that cannot be read leaves the shown one untouched.
    auto *loaded = new QTextDocument(this);
    loaded->setDefaultFont(document()->defaultFont());
    if (!richtext::loadRtfFile(path, *loaded)) {
        delete loaded;
        return false;
    }
    QTextDocument *previous = document();
    const bool earlierLoad = previous->parent() == this; // the editor's first one is Qt's own
    setDocument(loaded);
    if (earlierLoad)
        delete previous;
    emit textChanged(); // the document was replaced whole, as a load of the control is
    return true;
}

bool RichTextBox::saveFile(const QString &path) const
{
    return richtext::saveRtfFile(path, *document());
}

void RichTextBox::printTo(QPrinter &printer) const
{
    print(&printer);
}

void RichTextBox::setRightMargin(int twips)
{
    // A margin at the control's own width wraps the lines where the control ends.
    const int pixels = twipsToPixels(twips);
    if (pixels >= width()) {
        setLineWrapMode(QTextEdit::WidgetWidth);
        return;
    }
    setLineWrapMode(QTextEdit::FixedPixelWidth);
    setLineWrapColumnOrWidth(qMax(1, pixels));
}

RichTextBox::Coverage RichTextBox::coverage(const std::function<bool(const QTextCharFormat &)> &has) const
{
    const QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return has(currentCharFormat()) ? Coverage::Set : Coverage::Clear;
    bool some = false, all = true, seen = false;
    const int start = cursor.selectionStart(), end = cursor.selectionEnd();
    for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() < end;
         block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment piece = fragment.fragment();
            if (piece.position() + piece.length() <= start || piece.position() >= end)
                continue;
            seen = true;
            if (has(piece.charFormat()))
                some = true;
            else
                all = false;
        }
    }
    if (!seen) // only paragraph ends selected
        return has(currentCharFormat()) ? Coverage::Set : Coverage::Clear;
    return all ? Coverage::Set : some ? Coverage::Mixed : Coverage::Clear;
}

} // namespace ui
