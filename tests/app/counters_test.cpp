#include "deck/DeckCounters.h"

#include <gtest/gtest.h>

using namespace deck;

TEST(DeckCounters, ArithmeticIsRangeCheckedAndShownAsPlainDecimals)
{
    EXPECT_EQ((Counter(32766) + 1).value(), 32767);
    EXPECT_THROW(Counter(32767) + 1, std::overflow_error);
    EXPECT_EQ((Counter(-32767) - 1).value(), -32768);
    EXPECT_THROW(Counter(-32768) - 1, std::overflow_error);
    EXPECT_THROW(Counter(40000), std::overflow_error);
    EXPECT_EQ(Counter(-5).text(), "-5");
}
