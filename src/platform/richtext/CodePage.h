#pragma once

#include <QHash>

#include <array>

namespace richtext {

// Single-byte code pages for the \'hh escapes and 8-bit text of RTF files. Tables are built on
// first use from Qt's converters (this Qt build has them through ICU); a page without one,
// double-byte pages among them, is read as Windows-1252, the Western default of RTF writers.
class CodePages
{
public:
    QChar toUnicode(int codePage, unsigned char byte);

    // The code page that an \fcharset of the font table stands for, or 0 when the charset says
    // nothing beyond the document's own code page.
    static int forCharset(int charset);

    // Windows-1252's byte for a character, or 0 when it has none.
    static unsigned char toWindows1252(QChar c);

private:
    using Table = std::array<char16_t, 128>;
    const Table &table(int codePage);

    QHash<int, Table> tables;
    int lastCodePage = -1;
    const Table *lastTable = nullptr;
};

} // namespace richtext
