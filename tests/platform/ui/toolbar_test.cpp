#include "platform/ui/ImageList.h"
#include "platform/ui/KeyedToolBar.h"
#include "platform/ui/Twips.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace ui;

namespace {

// The preview window's toolbar, a good mix of every style.
struct PreviewToolbar
{
    ImageList ilsMain{{"Open", "Save", "Bold", "Italic", "Underline", "Help", "Print", "HelpQ",
                       "Left", "Center", "Right"}};
    KeyedToolBar tbrMain;

    PreviewToolbar()
    {
        tbrMain.addSeparator();
        tbrMain.addButton("Open", "Open Existing Deck File", ilsMain.icon("Open"));
        tbrMain.addButton("Save", "Save Current Deck List", ilsMain.icon("Save"));
        tbrMain.addSeparator();
        tbrMain.addButton("Bold", "Bold Font", ilsMain.icon("Bold"), KeyedButtonStyle::Check);
        tbrMain.addSeparator();
        for (const char *side : {"Left", "Center", "Right"})
            tbrMain.addButton(side, QString("Justify Text ") + side, ilsMain.icon(side),
                              KeyedButtonStyle::Group);
        tbrMain.addSeparator();
        tbrMain.addButton("Help", "", ilsMain.icon("HelpQ"));
        tbrMain.show();
    }

    void click(const QString &key) { QTest::mouseClick(tbrMain.buttonWidget(key), Qt::LeftButton); }
    bool pressed(const QString &key) { return tbrMain.button(key)->isPressed(); }
};

} // namespace

TEST(KeyedToolBar, ButtonsKeepTheirOrderKeysNamesAndStyles)
{
    PreviewToolbar bar;
    QStringList keys;
    for (const KeyedButton *button : bar.tbrMain.buttons())
        keys.append(button->key());
    EXPECT_EQ(keys, (QStringList{"", "Open", "Save", "", "Bold", "", "Left", "Center", "Right",
                                 "", "Help"}));
    EXPECT_EQ(bar.tbrMain.buttons()[0]->style(), KeyedButtonStyle::Separator);
    EXPECT_EQ(bar.tbrMain.button(""), nullptr);
    EXPECT_EQ(bar.tbrMain.button("Missing"), nullptr);

    QToolButton *open = bar.tbrMain.findChild<QToolButton *>("Open");
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open, bar.tbrMain.buttonWidget("Open"));
    EXPECT_EQ(open->accessibleName(), "Open Existing Deck File");
    EXPECT_EQ(open->toolTip(), "Open Existing Deck File");
    EXPECT_FALSE(open->icon().isNull());
    // A button without a tool tip shows none, and screen readers call it by its key.
    QToolButton *help = bar.tbrMain.buttonWidget("Help");
    EXPECT_EQ(help->accessibleName(), "Help");
    EXPECT_EQ(help->toolTip(), "");
}

TEST(KeyedToolBar, ClicksReportTheKeyAndPressedStatesFollowTheStyle)
{
    PreviewToolbar bar;
    QSignalSpy clicks(&bar.tbrMain, &KeyedToolBar::buttonClick);

    bar.click("Open");
    EXPECT_FALSE(bar.pressed("Open"));   // a push button springs back
    bar.click("Bold");
    EXPECT_TRUE(bar.pressed("Bold"));
    bar.click("Left");
    bar.click("Right");
    EXPECT_FALSE(bar.pressed("Left"));
    EXPECT_TRUE(bar.pressed("Right"));
    bar.click("Right");                  // the pressed group button stays pressed
    EXPECT_TRUE(bar.pressed("Right"));
    bar.click("Bold");
    EXPECT_FALSE(bar.pressed("Bold"));
    ASSERT_EQ(clicks.size(), 6);
    QStringList keys;
    for (const auto &click : clicks)
        keys.append(click.at(0).toString());
    EXPECT_EQ(keys, (QStringList{"Open", "Bold", "Left", "Right", "Right", "Bold"}));

    // Code setting the pressed state runs no click; the group still releases the others.
    clicks.clear();
    bar.tbrMain.button("Center")->setPressed(true);
    bar.tbrMain.button("Bold")->setPressed(true);
    EXPECT_FALSE(bar.pressed("Right"));
    EXPECT_TRUE(bar.pressed("Bold"));
    bar.tbrMain.button("Center")->setPressed(false);
    EXPECT_FALSE(bar.pressed("Center"));
    EXPECT_EQ(clicks.size(), 0);

    // A disabled button takes no click.
    bar.tbrMain.button("Save")->setEnabled(false);
    EXPECT_FALSE(bar.tbrMain.button("Save")->isEnabled());
    EXPECT_FALSE(bar.tbrMain.buttonWidget("Save")->isEnabled());
    bar.click("Save");
    EXPECT_EQ(clicks.size(), 0);
}

TEST(KeyedToolBar, GroupsAreRunsOfConsecutiveGroupButtons)
{
    KeyedToolBar bar;
    bar.addButton("A", "", {}, KeyedButtonStyle::Group);
    bar.addButton("B", "", {}, KeyedButtonStyle::Group);
    bar.addSeparator();
    bar.addButton("C", "", {}, KeyedButtonStyle::Group);
    bar.addButton("D", "", {}, KeyedButtonStyle::Push);
    bar.addButton("E", "", {}, KeyedButtonStyle::Group);

    for (const char *key : {"A", "B", "C", "E"})
        bar.button(key)->setPressed(true);
    EXPECT_FALSE(bar.button("A")->isPressed());
    EXPECT_TRUE(bar.button("B")->isPressed());
    EXPECT_TRUE(bar.button("C")->isPressed());
    EXPECT_TRUE(bar.button("E")->isPressed());
    bar.button("D")->setPressed(true);   // a push button never stays pressed
    EXPECT_FALSE(bar.button("D")->isPressed());
}

TEST(ImageList, DrawsEveryKeyedPictureAndHoldsOnlyItsOwnKeys)
{
    for (const QString &key : ImageList::allKeys()) {
        const QImage picture = ImageList::drawPicture(key).toImage();
        ASSERT_EQ(picture.size(), QSize(16, 16)) << key.toStdString();
        // Something is drawn, and the corners stay see-through like the classic pictures.
        int drawn = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                drawn += qAlpha(picture.pixel(x, y)) > 0;
        EXPECT_GT(drawn, 12) << key.toStdString();
        EXPECT_EQ(qAlpha(picture.pixel(0, 15)), 0) << key.toStdString();
    }
    EXPECT_EQ(ImageList::allKeys().size(), 15);
    EXPECT_TRUE(ImageList::drawPicture("Nothing").isNull());

    const ImageList ImageList1({"Open", "Help", "Arrow", "Find", "Print", "HelpQ"});
    EXPECT_FALSE(ImageList1.icon("Print").isNull());
    EXPECT_TRUE(ImageList1.icon("Bold").isNull());
    // Pictures differ from one another.
    EXPECT_NE(ImageList::drawPicture("Left").toImage(), ImageList::drawPicture("Right").toImage());
}

TEST(Twips, FifteenTwipsMakeAPixel)
{
    EXPECT_EQ(twipsToPixels(420), 28);
    EXPECT_EQ(twipsToPixels(8175), 545);
    EXPECT_EQ(twipsToPixels(7), 0);
    EXPECT_EQ(twipsToPixels(8), 1);
    EXPECT_EQ(twipsToPixels(-1100), -73);
    EXPECT_EQ(pixelsToTwips(545), 8175);
}
