#include "app/frmSplash.h"

#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

TEST(Splash, AfterSevenSecondsGivesWayToTheMainWindowOnceAndIsGone)
{
    int created = 0;
    QPointer<QWidget> mainWindow;
    QPointer<frmSplash> splash = new frmSplash([&]() -> QWidget * {
        ++created;
        mainWindow = new QWidget;
        mainWindow->setAttribute(Qt::WA_DeleteOnClose);
        return mainWindow;
    });
    splash->show();
    auto *timer = splash->findChild<QTimer *>("Timer1");
    ASSERT_TRUE(timer);
    EXPECT_EQ(timer->interval(), 7000);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(created, 0);

    splash->Timer1_Timer();
    EXPECT_EQ(created, 1);
    ASSERT_TRUE(mainWindow);
    EXPECT_TRUE(mainWindow->isVisible());
    // Closed, the splash is destroyed, so a screen reader no longer finds it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }));
    mainWindow->close();
}
