// Reading and writing a 1 MB deck list document with mixed formatting as RTF, opening it in the
// preview's editor; and opening an 8 MB document of 47,000 paragraphs written as LibreOffice
// writes a long one, and typing into it, each key to the editor painted.
#include "platform/richtext/RichText.h"
#include "platform/richtext/RtfReader.h"
#include "platform/ui/RichTextBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QAbstractTextDocumentLayout>
#include <QTextCursor>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

// About a million characters in lines like a deck list's, with a change of format every few
// words and of alignment every few lines.
void fillDocument(QTextDocument &document)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(11.25);
    document.setDefaultFont(font);
    const QStringList faces = {"Arial", "Times New Roman", "Courier New"};
    const QList<QColor> colours = {Qt::black, Qt::red, Qt::darkBlue, Qt::darkGreen};
    const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    QTextCursor cursor(&document);
    for (int line = 0; document.characterCount() < 1'000'000; ++line) {
        if (line > 0) {
            QTextBlockFormat block;
            block.setAlignment(alignments[(line / 4) % 3]);
            cursor.insertBlock(block);
        }
        for (int run = 0; run < 4; ++run) {
            const int n = line * 4 + run;
            QTextCharFormat format;
            format.setFontWeight(n % 2 ? QFont::Bold : QFont::Normal);
            format.setFontItalic(n % 3 == 0);
            format.setFontUnderline(n % 5 == 0);
            format.setFontFamilies({faces[n % faces.size()]});
            format.setFontPointSize(n % 7 == 0 ? 14 : 11.25);
            format.setForeground(colours[n % colours.size()]);
            cursor.insertText(QStringLiteral("Fire Energy %1 Zentari caf\u00e9 \u2013 ").arg(n),
                              format);
        }
    }
}

const QTextDocument &document()
{
    static QTextDocument *document = [] {
        auto *d = new QTextDocument;
        fillDocument(*d);
        return d;
    }();
    return *document;
}

void writeRtf(benchmark::State &state)
{
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray rtf = richtext::writeRtf(document());
        bytes = rtf.size();
        benchmark::DoNotOptimize(rtf.data());
    }
    state.counters["characters"] = document().characterCount();
    state.counters["rtf_bytes"] = double(bytes);
}

void readRtf(benchmark::State &state)
{
    const QByteArray rtf = richtext::writeRtf(document());
    for (auto _ : state) {
        QTextDocument copy;
        richtext::readRtf(rtf, copy);
        benchmark::DoNotOptimize(copy.characterCount());
    }
    state.counters["rtf_bytes"] = double(rtf.size());
}

// Reading alone, without filling the document: where the reading time goes.
void parseRtf(benchmark::State &state)
{
    const QByteArray rtf = richtext::writeRtf(document());
    for (auto _ : state) {
        richtext::RtfContent content;
        richtext::RtfReader().read(rtf, content);
        benchmark::DoNotOptimize(content.text.size());
    }
}

// About 8 MB in 47,000 paragraphs as LibreOffice writes a long document it read from HTML:
// every paragraph's formatting stated in full, text in runs of its own, list labels in Symbol's
// private characters, table rows, footnotes, strikethrough and superscript, and letters beyond
// ASCII as \uN.
QByteArray wordProcessorRtf()
{
    QByteArray rtf = "{\\rtf1\\ansi\\deff3\\adeflang1025\n{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New "
                     "Roman;}{\\f1\\froman\\fprq2\\fcharset2 Symbol;}{\\f3\\froman\\fprq2\\fcharset0 Liberation "
                     "Serif{\\*\\falt Times New Roman};}}\n{\\colortbl;\\red0\\green0\\blue0;\\red192\\green0\\blue0;}\n"
                     "{\\*\\generator LibreOffice}\\ftnnar\\aftnnrlc\n";
    const QByteArray pard = "\\pard\\plain \\s18\\loch\\sl276\\slmult1\\sb0\\sa140";
    for (int n = 0; rtf.size() < 8'000'000; ++n) {
        const QByteArray number = QByteArray::number(n);
        switch (n % 8) {
        case 5:
            rtf += pard + "{\\listtext\\pard\\plain \\u61623\\'3f\\tab}\\ilvl0\\ls1 \\li709\\ri0\\lin709\\rin0"
                          "\\fi-283\\ql\\tx709\\ltrpar{\\loch\nItem " + number + " of the list}\n\\par ";
            break;
        case 6:
            rtf += "\\trowd\\trql\\ltrrow\\cellx3213\\cellx6425" + pard + "\\intbl\\ql\\ltrpar{\\loch\nCell " + number
                   + "}\\cell" + pard + "\\intbl\\ql\\ltrpar{\\loch\nNext}\\cell\\row";
            break;
        case 7:
            rtf += pard + "\\ql\\ltrpar{\\loch\nChanged in }{\\loch\\b\\cf2 version " + number
                   + "}{\\loch\\strike  old}{\\loch\\super 2}{{\\super\\loch\\chftn}{\\*\\footnote\\chftn\\pard"
                     "\\plain{\\loch\n\\tab A note.}}}\n\\par ";
            break;
        default:
            rtf += pard + "\\ql\\ltrpar{\\loch\nLine " + number
                   + " of the licence: caf\\u233\\'e9 \\u8211\\'96 the words go on and on here, as they do in a long "
                     "licence}\n\\par ";
            break;
        }
    }
    return rtf + "}";
}

// The 8 MB document, or the file ZENT_BENCH_RTF names.
QString largeDocumentFile(const QTemporaryDir &folder)
{
    QString path = qEnvironmentVariable("ZENT_BENCH_RTF");
    if (path.isEmpty()) {
        path = folder.filePath("large.rtf");
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(wordProcessorRtf());
    }
    return path;
}

// Opening a file in the preview's editor, shown: reading, filling the editor's own document,
// and its first paint, which lays out what it shows; then, when asked, the rest laid out too,
// as the editor does in the background. The deck list as we save it, or the large document.
void openInEditor(benchmark::State &state, bool large, bool laidOutWhole)
{
    QTemporaryDir folder;
    QString path = folder.filePath("deck.rtf");
    if (large)
        path = largeDocumentFile(folder);
    else
        richtext::saveRtfFile(path, document());
    ui::RichTextBox editor;
    editor.document()->setDefaultFont(document().defaultFont()); // the deck list's, Arial 11.25 pt
    editor.resize(545, 437);
    editor.show();
    for (auto _ : state) {
        editor.loadFile(path);
        editor.viewport()->repaint();
        if (laidOutWhole)
            editor.document()->documentLayout()->documentSize();
        QCoreApplication::processEvents();
    }
    state.counters["file_bytes"] = double(QFileInfo(path).size());
    state.counters["paragraphs"] = editor.document()->blockCount();
}

// A key typed in the middle of the large document, to the editor painted.
void typeInLargeDocument(benchmark::State &state)
{
    QTemporaryDir folder;
    ui::RichTextBox editor;
    editor.document()->setDefaultFont(document().defaultFont()); // the deck list's, Arial 11.25 pt
    editor.resize(545, 437);
    editor.show();
    editor.loadFile(largeDocumentFile(folder));
    QTextCursor middle(editor.document());
    middle.setPosition(editor.document()->characterCount() / 2);
    editor.setTextCursor(middle);
    editor.setFocus();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
        QCoreApplication::sendEvent(&editor, &press);
        QCoreApplication::sendEvent(&editor, &release);
        editor.viewport()->repaint(); // painted now, not when the event loop comes to it
    }
}

BENCHMARK(writeRtf)->Unit(benchmark::kMillisecond);
BENCHMARK(readRtf)->Unit(benchmark::kMillisecond);
BENCHMARK(parseRtf)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openInEditor, deckList, false, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openInEditor, large_firstPaint, true, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(openInEditor, large_laidOutWhole, true, true)->Unit(benchmark::kMillisecond);
BENCHMARK(typeInLargeDocument)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
