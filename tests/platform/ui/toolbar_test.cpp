#include "platform/ui/ImageList.h"
#include "platform/ui/KeyedToolBar.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace ui;

TEST(KeyedToolBar, ClicksReportTheKeyAndPressedStatesFollowTheStyle)
{
    KeyedToolBar bar;
    bar.addButton("Open", "Open Existing Deck File", {});
    bar.addButton("Bold", "Bold Font", {}, KeyedButtonStyle::Check);
    bar.addSeparator();
    for (const char *side : {"Left", "Center", "Right"})
        bar.addButton(side, "", {}, KeyedButtonStyle::Group);
    bar.show();
    // Screen readers call a button by its tool tip, or by its key when it has none.
    EXPECT_EQ(bar.buttonWidget("Open")->accessibleName(), "Open Existing Deck File");
    EXPECT_EQ(bar.buttonWidget("Left")->accessibleName(), "Left");

    QSignalSpy clicks(&bar, &KeyedToolBar::buttonClick);
    for (const char *key : {"Open", "Bold", "Left", "Right", "Right"})
        QTest::mouseClick(bar.buttonWidget(key), Qt::LeftButton);
    EXPECT_FALSE(bar.button("Open")->isPressed()); // a push button springs back
    EXPECT_TRUE(bar.button("Bold")->isPressed());
    EXPECT_FALSE(bar.button("Left")->isPressed());
    EXPECT_TRUE(bar.button("Right")->isPressed()); // clicked again, it stays pressed
    EXPECT_EQ(clicks.size(), 5);
    EXPECT_EQ(clicks[4][0].toString(), "Right");

    // Code setting the pressed state runs no click; a disabled button takes none.
    bar.button("Center")->setPressed(true);
    EXPECT_FALSE(bar.button("Right")->isPressed());
    bar.button("Open")->setEnabled(false);
    QTest::mouseClick(bar.buttonWidget("Open"), Qt::LeftButton);
    EXPECT_EQ(clicks.size(), 5);
}

TEST(ImageList, DrawsEveryKeyedPictureWithSeeThroughCorners)
{
    for (const QString &key : ImageList::allKeys()) {
        const QImage picture = ImageList::drawPicture(key).toImage();
        ASSERT_EQ(picture.size(), QSize(16, 16)) << key.toStdString();
        int drawn = 0;
        for (int i = 0; i < 256; ++i)
            drawn += qAlpha(picture.pixel(i % 16, i / 16)) > 0;
        EXPECT_GT(drawn, 12) << key.toStdString();
        EXPECT_EQ(qAlpha(picture.pixel(0, 15)), 0) << key.toStdString();
    }
}
