#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // Widgets render without a display unless a test run asks for a real one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
