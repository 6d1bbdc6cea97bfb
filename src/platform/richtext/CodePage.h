#pragma once

#include "platform/richtext/SymbolFonts.h"

#include <QHash>
#include <QString>
#include <QStringDecoder>

#include <array>
#include <map>

namespace richtext {

// Code pages for the \'hh escapes and 8-bit text of RTF files, single- and double-byte ones,
// decoded by Qt's converters (this Qt build has them through ICU); a page without one is read
// as Windows-1252, the Western default of RTF writers. The fonts of the symbol charset are
// pages of their own, numbered below zero.
class CodePages
{
public:
    static constexpr int symbol = -1;
    static constexpr int wingdings = -2;
    static constexpr int otherSymbolFont = -3;

    // A byte that stands alone.
    QChar toUnicode(int codePage, unsigned char byte);
    // Whether the byte starts a character of two bytes in the page.
    static bool isLeadByte(int codePage, unsigned char byte);
    // The character of two bytes; U+FFFD for a pair the page does not have.
    QString toUnicode(int codePage, unsigned char lead, unsigned char trail);

    // The code page that an \fcharset of the font table stands for (otherSymbolFont for the
    // symbol charset), or 0 when the charset says nothing beyond the document's own code page.
    static int forCharset(int charset);
    // The page of a font of the symbol charset, by its name.
    static int forSymbolFont(QStringView name);

    // Windows-1252's byte for a character, or 0 when it has none.
    static unsigned char toWindows1252(QChar c);

private:
    using Table = std::array<char16_t, 128>;
    const Table &table(int codePage);
    QStringDecoder &decoder(int codePage);

    QHash<int, Table> tables;
    std::map<int, QStringDecoder> decoders;
    int lastCodePage = -1000;
    const Table *lastTable = nullptr;
};

} // namespace richtext
