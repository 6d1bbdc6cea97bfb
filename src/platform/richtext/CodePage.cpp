#include "platform/richtext/CodePage.h"

#include <QStringDecoder>

namespace richtext {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unassigned bytes keep their
// Latin-1 values, as Windows itself maps them.
constexpr std::array<char16_t, 32> windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t windows1252(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? windows1252High[byte - 0x80] : char16_t(byte);
}

// The converter of a single-byte code page that RTF files name, or nothing for others:
// double-byte pages cannot be read a byte at a time, and unknown numbers are read as 1252.
QByteArray converterName(int codePage)
{
    switch (codePage) {
    case 437: return "IBM437";
    case 850: return "IBM850";
    case 852: return "IBM852";
    case 866: return "IBM866";
    case 874: return "windows-874";
    case 10000: return "macintosh";
    default:
        if (codePage >= 1250 && codePage <= 1258)
            return "windows-" + QByteArray::number(codePage);
        return {};
    }
}

} // namespace

QChar CodePages::toUnicode(int codePage, unsigned char byte)
{
    if (byte < 0x80)
        return QChar(byte);
    return QChar(table(codePage)[byte - 0x80]);
}

const CodePages::Table &CodePages::table(int codePage)
{
    if (codePage == lastCodePage)
        return *lastTable;
    auto found = tables.find(codePage);
    if (found == tables.end()) {
        Table table;
        const QByteArray name = converterName(codePage);
        QStringDecoder decoder;
        if (!name.isEmpty())
            decoder = QStringDecoder(name.constData());
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const char c = char(byte);
            const QString decoded = decoder.isValid() ? decoder.decode(QByteArrayView(&c, 1))
                                                      : QString();
            table[byte - 0x80] = decoded.size() == 1 ? decoded[0].unicode()
                                                      : windows1252(uchar(byte));
            decoder.resetState();
        }
        found = tables.insert(codePage, table);
    }
    lastCodePage = codePage;
    lastTable = &found.value();
    return *lastTable;
}

int CodePages::forCharset(int charset)
{
    switch (charset) {
    case 77: return 10000;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 255: return 437;
    default: return 0;
    }
}

unsigned char CodePages::toWindows1252(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return uchar(u);
    for (int i = 0; i < int(windows1252High.size()); ++i) {
        if (windows1252High[i] == u)
            return uchar(0x80 + i);
    }
    return 0;
}

} // namespace richtext
