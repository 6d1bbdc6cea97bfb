// Feeds arbitrary bytes to the RTF reader. Besides crashes, hangs and memory errors, it checks
// that whatever the reader makes of the input survives our own writer and reader unchanged.
#include "platform/richtext/RichText.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                     qsizetype(size));
    QTextDocument document;
    if (!richtext::readRtf(input, document))
        return 0;
    const QByteArray written = richtext::writeRtf(document);
    QTextDocument again;
    if (!richtext::readRtf(written, again) || richtext::writeRtf(again) != written) {
        std::fprintf(stderr, "Writing what was read and reading it back changed it:\n%s\n",
                     written.constData());
        std::abort();
    }
    return 0;
}
