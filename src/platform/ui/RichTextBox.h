#pragma once

#include <QTextEdit>

#include <functional>

class QPrinter;

namespace ui {

// The rich-text editor control: a document of formatted text in a default font, loaded from
// and saved to Rich Text Format files whatever their extension, and printed whole or its
// selection. It reports content changes (Change) and moves of its caret or selection
// (SelChange).
class RichTextBox : public QTextEdit
{
    Q_OBJECT

public:
    explicit RichTextBox(QWidget *parent = nullptr);

    // The whole text, plain, in the default font; CR LF ends a line.
    void setPlainContent(const QString &text);
    // False, with the document as it was, when the file is no ordinary file or not RTF.
    bool loadFile(const QString &path);
    // The file is replaced only once all of it is written.
    bool saveFile(const QString &path) const;
    // The selection when the printer's range is the selection, else everything.
    void printTo(QPrinter &printer) const;
    // Lines wrap at this width, in twips.
    void setRightMargin(int twips);

    // How much of the selection has a character attribute; at the caret, the insertion point.
    enum class Coverage { Set, Clear, Mixed };
    Coverage coverage(const std::function<bool(const QTextCharFormat &)> &has) const;

signals:
    // The control's two events keep the names its handlers (rtfMain_Change, ...) are known by.
    void Change();
    void SelChange();
};

} // namespace ui
