#pragma once

#include <QString>

#include <array>

namespace richtext {

// The marks that footnotes and endnotes leave in the text, numbered as the document says
// (1, 2, 3 for footnotes and i, ii, iii for endnotes where it says nothing).
class NoteMarks
{
public:
    enum class Kind { Footnote, Endnote };

    // The numbering of \ftnnar, \aftnnar, \ftnnalc, ... counted in that order.
    void setNumbering(int word);
    void setStart(Kind kind, int first);
    // The mark of the next note of that kind.
    QString next(Kind kind);

private:
    enum class Numbers { Arabic, LowerLetters, UpperLetters, LowerRoman, UpperRoman, Symbols };
    struct Series
    {
        Numbers numbers;
        int next = 1;
    };
    static QString mark(Numbers numbers, int n);

    std::array<Series, 2> series = {{{Numbers::Arabic}, {Numbers::LowerRoman}}};
};

} // namespace richtext
