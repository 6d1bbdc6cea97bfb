#include "platform/ui/ImageList.h"
#include "platform/ui/KeyedToolBar.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace ui;

TEST(KeyedToolBar, ClicksReportTheKeyAndPressedStatesFollowTheStyle)
{
    const ImageList pictures;
    KeyedToolBar bar;
    bar.addSeparator();
    bar.addButton("Open", "Open Existing Deck File", pictures.icon("Open"));
    bar.addButton("Bold", "Bold Font", pictures.icon("Bold"), KeyedButtonStyle::Check);
    bar.addSeparator();
    for (const char *side : {"Left", "Center", "Right"})
        bar.addButton(side, "", pictures.icon(side), KeyedButtonStyle::Group);
    bar.addSeparator();
    bar.addButton("Other", "", {}, KeyedButtonStyle::Group); // a group of its own
    bar.show();
    // Screen readers call a button by its tool tip, or by its key when it has none.
    EXPECT_EQ(bar.buttonWidget("Open")->accessibleName(), "Open Existing Deck File");
    EXPECT_EQ(bar.buttonWidget("Left")->accessibleName(), "Left");
    EXPECT_EQ(bar.buttonWidget("Left")->toolTip(), "");
    EXPECT_EQ(bar.button(""), nullptr);

    QSignalSpy clicks(&bar, &KeyedToolBar::buttonClick);
    const auto click = [&](const char *key) {
        QTest::mouseClick(bar.buttonWidget(key), Qt::LeftButton);
    };
    const auto pressed = [&](const char *key) { return bar.button(key)->isPressed(); };
    for (const char *key : {"Open", "Bold", "Left", "Right", "Right", "Other"})
        click(key);
    EXPECT_FALSE(pressed("Open")); // a push button springs back
    EXPECT_TRUE(pressed("Bold"));
    EXPECT_FALSE(pressed("Left"));
    EXPECT_TRUE(pressed("Right")); // clicked again, it stays pressed
    EXPECT_TRUE(pressed("Other"));
    QStringList keys;
    for (const auto &clicked : clicks)
        keys << clicked.at(0).toString();
    EXPECT_EQ(keys, (QStringList{"Open", "Bold", "Left", "Right", "Right", "Other"}));

    // Code setting the pressed state runs no click; the group still releases the others. A
    // disabled button takes no click.
    clicks.clear();
    bar.button("Center")->setPressed(true);
    bar.button("Bold")->setPressed(false);
    EXPECT_FALSE(pressed("Right"));
    EXPECT_FALSE(pressed("Bold"));
    bar.button("Open")->setEnabled(false);
    click("Open");
    EXPECT_EQ(clicks.size(), 0);
}

TEST(ImageList, DrawsEveryKeyedPictureWithSeeThroughCorners)
{
    for (const QString &key : ImageList::allKeys()) {
        const QImage picture = ImageList::drawPicture(key).toImage();
        ASSERT_EQ(picture.size(), QSize(16, 16)) << key.toStdString();
        int drawn = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                drawn += qAlpha(picture.pixel(x, y)) > 0;
        EXPECT_GT(drawn, 12) << key.toStdString();
        EXPECT_EQ(qAlpha(picture.pixel(0, 15)), 0) << key.toStdString();
    }
    EXPECT_TRUE(ImageList({"Open"}).icon("Bold").isNull());
}
