#include "platform/richtext/CodePage.h"

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

// The converter of a code page that RTF files name: Windows' own pages by their number, the
// Macintosh pages by name, Mac Japanese as the Shift-JIS it extends.
QStringDecoder makeDecoder(int codePage)
{
    switch (codePage) {
    case 708: return QStringDecoder("ASMO-708");
    case 720: return QStringDecoder("ibm-720");
    case 819: return QStringDecoder("ISO-8859-1");
    case 10000: return QStringDecoder("macintosh");
    case 10001: return QStringDecoder("Shift_JIS");
    case 10006: return QStringDecoder("x-mac-greek");
    case 10007: return QStringDecoder("x-mac-cyrillic");
    case 10029: return QStringDecoder("x-mac-centraleurroman");
    case 10081: return QStringDecoder("x-mac-turkish");
    default: break;
    }
    if (codePage <= 0 || codePage > 65535)
        return {};
    const QByteArray number = QByteArray::number(codePage);
    for (const QByteArray &name : {"windows-" + number, "cp" + number, "ibm-" + number}) {
        QStringDecoder decoder(name.constData());
        if (decoder.isValid())
            return decoder;
    }
    return {};
}

} // namespace

QChar CodePages::toUnicode(int codePage, unsigned char byte)
{
    switch (codePage) {
    case symbol: return QChar(symbolCharacter(SymbolFont::Symbol, byte));
    case wingdings: return QChar(symbolCharacter(SymbolFont::Wingdings, byte));
    case otherSymbolFont: return QChar(symbolCharacter(SymbolFont::Other, byte));
    default: break;
    }
    if (byte < 0x80)
        return QChar(byte);
    return QChar(table(codePage)[byte - 0x80]);
}

bool CodePages::isLeadByte(int codePage, unsigned char byte)
{
    switch (codePage) {
    case 932:
    case 10001: return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936:
    case 949:
    case 950: return byte >= 0x81 && byte <= 0xFE;
    default: return false;
    }
}

QString CodePages::toUnicode(int codePage, unsigned char lead, unsigned char trail)
{
    QStringDecoder &pairs = decoder(codePage);
    const char bytes[] = {char(lead), char(trail)};
    QString decoded = pairs.isValid() ? pairs.decode(QByteArrayView(bytes, 2)) : QString();
    pairs.resetState();
    return decoded.isEmpty() ? QString(QChar::ReplacementCharacter) : decoded;
}

QStringDecoder &CodePages::decoder(int codePage)
{
    auto found = decoders.find(codePage);
    if (found == decoders.end())
        found = decoders.emplace(codePage, makeDecoder(codePage)).first;
    return found->second;
}

const CodePages::Table &CodePages::table(int codePage)
{
    if (codePage == lastCodePage)
        return *lastTable;
    auto found = tables.find(codePage);
    if (found == tables.end()) {
        Table table;
        QStringDecoder &bytes = decoder(codePage);
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const char c = char(byte);
            // A lead byte alone, or a byte the page lacks, decodes to nothing useful.
            const QString decoded = bytes.isValid() && !isLeadByte(codePage, uchar(byte))
                                        ? bytes.decode(QByteArrayView(&c, 1))
                                        : QString();
            bytes.resetState();
            table[byte - 0x80] = decoded.size() == 1 && decoded[0] != QChar::ReplacementCharacter
                                     ? decoded[0].unicode()
                                     : windows1252(uchar(byte));
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
    case 0: return 1252;
    case 2: return otherSymbolFont;
    case 77: return 10000;
    case 78: return 10001;
    case 85: return 10006;
    case 86: return 10081;
    case 88: return 10029;
    case 89: return 10007;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177:
    case 181: return 1255;
    case 178:
    case 179:
    case 180: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254:
    case 255: return 437;
    default: return 0;
    }
}

int CodePages::forSymbolFont(QStringView name)
{
    // LibreOffice names its own font of symbols the symbol charset, yet writes its characters
    // in Unicode.
    if (name.startsWith(u"OpenSymbol", Qt::CaseInsensitive) || name.startsWith(u"StarSymbol", Qt::CaseInsensitive))
        return 0;
    switch (symbolFontNamed(name)) {
    case SymbolFont::Symbol: return symbol;
    case SymbolFont::Wingdings: return wingdings;
    case SymbolFont::Other: break;
    }
    return otherSymbolFont;
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
