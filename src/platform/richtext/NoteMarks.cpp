#include "platform/richtext/NoteMarks.h"

#include <algorithm>

namespace richtext {

namespace {

QString roman(int n)
{
    static const std::pair<int, const char *> digits[] = {
        {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"},
        {50, "l"},   {40, "xl"},  {10, "x"},  {9, "ix"},   {5, "v"},   {4, "iv"}, {1, "i"}};
    QString text;
    for (const auto &[value, letters] : digits) {
        for (; n >= value; n -= value)
            text += QLatin1StringView(letters);
    }
    return text;
}

} // namespace

void NoteMarks::setNumbering(int word)
{
    series[word % 2].numbers = Numbers(std::clamp(word / 2, 0, int(Numbers::Symbols)));
}

void NoteMarks::setStart(Kind kind, int first)
{
    series[int(kind)].next = std::clamp(first, 1, 9999);
}

QString NoteMarks::next(Kind kind)
{
    Series &s = series[int(kind)];
    const int n = s.next;
    s.next = std::min(n + 1, 9999);
    return mark(s.numbers, n);
}

QString NoteMarks::mark(Numbers numbers, int n)
{
    // Letters and symbols run out and start again doubled: a ... z, aa ... zz; * † ‡ §, ** ...
    const int round = (n - 1) / 26 + 1;
    switch (numbers) {
    case Numbers::Arabic: break;
    case Numbers::LowerLetters: return QString(round, QChar(u'a' + (n - 1) % 26));
    case Numbers::UpperLetters: return QString(round, QChar(u'A' + (n - 1) % 26));
    case Numbers::LowerRoman: return roman(n);
    case Numbers::UpperRoman: return roman(n).toUpper();
    case Numbers::Symbols: {
        static constexpr char16_t symbols[] = {u'*', 0x2020, 0x2021, 0x00A7};
        return QString((n - 1) / 4 + 1, QChar(symbols[(n - 1) % 4]));
    }
    }
    return QString::number(n);
}

} // namespace richtext
