#include "app/frmSplash.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>


TEST(Splash, ShowsItsTextsAndAfterSevenSecondsGivesWayToTheMainWindowOnce)
{
    int created = 0;
    QPointer<QWidget> mainWindow;
    frmSplash splash([&]() -> QWidget * {
        ++created;
        mainWindow = new QWidget;
        mainWindow->setAttribute(Qt::WA_DeleteOnClose);
        return mainWindow;
    });
    splash.show();
    EXPECT_EQ(splash.windowTitle(), "Form1");
    EXPECT_EQ(splash.findChild<QLabel *>("Label2")->text(), "Deck Builder");
    EXPECT_EQ(splash.findChild<QLabel *>("Label1")->text(), "TM");
    EXPECT_EQ(splash.findChild<QLabel *>("Label3")->text(), "Version 1.2.0");
    EXPECT_EQ(splash.findChild<QLabel *>("imgLogo")->size(), QSize(460, 169));

    auto *timer = splash.findChild<QTimer *>("Timer1");
    ASSERT_TRUE(timer);
    EXPECT_EQ(timer->interval(), 7000);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(created, 0);

    splash.Timer1_Timer();
    EXPECT_EQ(created, 1);
    ASSERT_TRUE(mainWindow);
    EXPECT_TRUE(mainWindow->isVisible());
    EXPECT_FALSE(splash.isVisible());
    EXPECT_FALSE(timer->isActive());
    mainWindow->close();
}
