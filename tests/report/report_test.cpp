#include "deck/DeckCounters.h"
#include "report/DeckReport.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

TEST(DeckReport, ListsTheCardsThenTheSevenEnergiesInTheirOrderWithCrLf)
{
    deck::DeckCounters counters;
    counters.intColorless = 1;
    counters.intFire = 3;
    counters.intGrass = 12;
    EXPECT_EQ(report::DeckReport({"Quarlith", "Quarlith", "", "Skarnox"}, counters),
              "Current Deck:\r\n\r\nQuarlith\r\nQuarlith\r\n\r\nSkarnox\r\n\r\n"
              " * * * * * * * * * * * *\r\n"
              "1  Colorless Energy\r\n0  Fighting Energy\r\n3  Fire Energy\r\n0  Water Energy\r\n"
              "0  Psychic Energy\r\n0  Lightning Energy\r\n12  Grass Energy");
}
