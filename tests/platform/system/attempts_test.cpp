#include "platform/system/Attempt.h"
#include "platform/system/FailureSink.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

struct Heard : sys::FailureSink
{
    void passedOver(const QString &failure) override { failures << failure; }
    void faulted(const QString &fault) override { faults << fault; }
    QStringList failures, faults;
};

} // namespace

// A failure of the world and a counter out of range are passed over; a fault of the program
// ends the step as well, but is heard as a fault; anything else is not caught at all.
TEST(Attempts, PassOverFailuresAndReportFaults)
{
    Heard sink;
    const sys::Attempts attempt(&sink);
    EXPECT_TRUE(attempt([] {}));
    EXPECT_FALSE(attempt([] { throw sys::Failure("missing.znt is not a file"); }));
    EXPECT_FALSE(attempt([] { throw std::overflow_error("Overflow"); }));
    EXPECT_FALSE(attempt([] { throw sys::Fault("the statement gives no column fldNmae"); }));
    EXPECT_EQ(sink.failures, QStringList({"missing.znt is not a file", "Overflow"}));
    EXPECT_EQ(sink.faults, QStringList{"the statement gives no column fldNmae"});
    EXPECT_THROW(attempt([] { throw std::bad_alloc(); }), std::bad_alloc);
}
