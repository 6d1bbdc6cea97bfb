#include "platform/richtext/RtfTokenizer.h"

#include <algorithm>
#include <limits>

namespace richtext {

namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isLineBreak(char c) { return c == '\r' || c == '\n'; }

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

RtfToken RtfTokenizer::next()
{
    // Line breaks in RTF only end control words; they are never text.
    while (pos < input.size() && isLineBreak(input[pos]))
        ++pos;
    if (pos >= input.size())
        return {};

    RtfToken token;
    const char c = input[pos];
    if (c == '{' || c == '}') {
        ++pos;
        token.kind = c == '{' ? RtfToken::Kind::GroupStart : RtfToken::Kind::GroupEnd;
        return token;
    }
    if (c == '\\') {
        ++pos;
        if (pos >= input.size())
            return {};
        const char after = input[pos];
        if (isLetter(after))
            return controlWord();
        ++pos;
        if (after == '\'')
            return hexByte();
        token.kind = RtfToken::Kind::ControlSymbol;
        token.symbol = isLineBreak(after) ? '\n' : after;
        return token;
    }

    const qsizetype start = pos;
    while (pos < input.size() && input[pos] != '\\' && input[pos] != '{' && input[pos] != '}'
           && !isLineBreak(input[pos]))
        ++pos;
    token.kind = RtfToken::Kind::Text;
    token.text = input.sliced(start, pos - start);
    return token;
}

RtfToken RtfTokenizer::controlWord()
{
    const qsizetype start = pos;
    while (pos < input.size() && isLetter(input[pos]))
        ++pos;
    RtfToken token;
    token.kind = RtfToken::Kind::ControlWord;
    token.text = input.sliced(start, pos - start);
    token.parameter = readParameter(token.hasParameter);
    // A single space after a control word only ends it.
    if (pos < input.size() && input[pos] == ' ')
        ++pos;
    if (token.text == "bin")
        return binary(token.parameter);
    return token;
}

int RtfTokenizer::readParameter(bool &present)
{
    const bool negative = pos + 1 < input.size() && input[pos] == '-' && isDigit(input[pos + 1]);
    if (negative)
        ++pos;
    present = pos < input.size() && isDigit(input[pos]);
    constexpr qint64 limit = std::numeric_limits<int>::max();
    qint64 value = 0;
    while (pos < input.size() && isDigit(input[pos])) {
        value = std::min(value * 10 + (input[pos] - '0'), limit);
        ++pos;
    }
    return int(negative ? -value : value);
}

RtfToken RtfTokenizer::hexByte()
{
    int value = 0;
    int digits = 0;
    while (digits < 2 && pos < input.size() && hexValue(input[pos]) >= 0) {
        value = value * 16 + hexValue(input[pos]);
        ++pos;
        ++digits;
    }
    RtfToken token;
    if (digits == 0) {
        // A stray \' carries no byte; report it as a symbol the reader ignores.
        token.kind = RtfToken::Kind::ControlSymbol;
        token.symbol = '\'';
        return token;
    }
    token.kind = RtfToken::Kind::HexByte;
    token.parameter = value;
    return token;
}

RtfToken RtfTokenizer::binary(int length)
{
    const qsizetype size = std::clamp<qsizetype>(length, 0, input.size() - pos);
    RtfToken token;
    token.kind = RtfToken::Kind::Binary;
    token.text = input.sliced(pos, size);
    pos += size;
    return token;
}

} // namespace richtext
