#pragma once

#include "deck/EnergyKinds.h"

#include <QString>

#include <array>
#include <stdexcept>

namespace deck {

// A 16-bit signed counter whose arithmetic is range-checked: a result outside -32768..32767
// is an overflow error, never a silent wrap-around.
class Counter
{
public:
    constexpr Counter(int value = 0) : number(check(value)) {}

    constexpr int value() const { return number; }
    // Shown as plain decimal text: no leading zeros or blanks, "0" for zero.
    QString text() const { return QString::number(number); }

    friend constexpr Counter operator+(Counter a, Counter b) { return Counter(a.number + b.number); }
    friend constexpr Counter operator-(Counter a, Counter b) { return Counter(a.number - b.number); }
    friend constexpr bool operator==(Counter a, Counter b) = default;
    friend constexpr auto operator<=>(Counter a, Counter b) = default;

private:
    static constexpr qint16 check(int value)
    {
        if (value < -32768 || value > 32767)
            throw std::overflow_error("counter overflow");
        return qint16(value);
    }

    qint16 number;
};

// The main window's deck counters, all 0 when the window is created, and one count for each
// energy kind, reached by its kind.
struct DeckCounters
{
    Counter cardCount;   // creature and trainer copies: the lines of lstZents
    Counter energyTotal; // the energy counts added up
    Counter deckTotal;   // cardCount + energyTotal: what the 60-card limit is tested on
    Counter lastId;      // the last row identifier handed out
    std::array<Counter, energyKindCount> energies;

    Counter &operator[](EnergyKind kind) { return energies[std::size_t(kind)]; }
    Counter operator[](EnergyKind kind) const { return energies[std::size_t(kind)]; }
};

} // namespace deck
