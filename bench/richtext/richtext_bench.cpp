// Reading and writing a 1 MB deck list document with mixed formatting as RTF.
#include "platform/richtext/RichText.h"
#include "platform/richtext/RtfReader.h"
#include "platform/ui/RichTextBox.h"

#include <QApplication>
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

// Opening a saved file in the preview's editor, shown: reading, filling the editor's own
// document, and laying it out for the first paint. ZENT_BENCH_RTF names another file to open.
void openInEditor(benchmark::State &state)
{
    QTemporaryDir folder;
    QString path = qEnvironmentVariable("ZENT_BENCH_RTF");
    if (path.isEmpty()) {
        path = folder.filePath("deck.rtf");
        richtext::saveRtfFile(path, document());
    }
    ui::RichTextBox editor;
    editor.resize(545, 437);
    editor.show();
    for (auto _ : state) {
        editor.loadFile(path);
        editor.document()->documentLayout()->documentSize(); // laid out whole
        QCoreApplication::processEvents();
    }
}

BENCHMARK(writeRtf)->Unit(benchmark::kMillisecond);
BENCHMARK(readRtf)->Unit(benchmark::kMillisecond);
BENCHMARK(parseRtf)->Unit(benchmark::kMillisecond);
BENCHMARK(openInEditor)->Unit(benchmark::kMillisecond);

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
