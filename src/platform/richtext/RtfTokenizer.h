#pragma once

#include <QByteArrayView>

namespace richtext {

// One lexical piece of a Rich Text Format file.
struct RtfToken
{
    enum class Kind {
        End,           // no more input
        GroupStart,    // {
        GroupEnd,      // }
        ControlWord,   // \name or \nameN; name in text, N in parameter
        ControlSymbol, // \ followed by one non-letter, kept in symbol (a line break reads as '\n')
        HexByte,       // \'hh; the byte in parameter
        Text,          // plain bytes, line breaks left out
        Binary,        // the data of \binN
    };

    Kind kind = Kind::End;
    QByteArrayView text;
    int parameter = 0;
    bool hasParameter = false;
    char symbol = 0;
};

// Splits RTF into tokens without copying. Every call consumes at least one byte until the end,
// numbers saturate instead of overflowing, and \bin never reads past the end of the input, so
// any input, however broken, is walked in linear time.
class RtfTokenizer
{
public:
    explicit RtfTokenizer(QByteArrayView text) : input(text) {}

    RtfToken next();
    qsizetype position() const { return pos; }

private:
    RtfToken controlWord();
    RtfToken hexByte();
    RtfToken binary(int length);
    int readParameter(bool &present);

    QByteArrayView input;
    qsizetype pos = 0;
};

} // namespace richtext
