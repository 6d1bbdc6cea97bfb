// The keyed toolbar: a button that is a menu item too, and the click that reaches its key's
// command.
#include "platform/ui/KeyedToolBar.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace ui;

namespace {

// A table that would lose a click does not pass the check its window's build makes.
struct Window
{
};
struct Items
{
    QAction *item = nullptr;
};
using Row = KeyedCommand<Window, Items>;
constexpr void (*runs)(Window &) = [](Window &) {};
constexpr Row wellKeyed[] = {{}, {"A", nullptr, "Open", KeyedButtonStyle::Push, runs},
                             {"B", "b", "Bold", KeyedButtonStyle::Check, runs, &Items::item}};
constexpr Row repeatedKey[] = {{"A", nullptr, "Open", KeyedButtonStyle::Push, runs},
                               {"A", nullptr, "Save", KeyedButtonStyle::Push, runs}};
constexpr Row noCommand[] = {{"A", nullptr, "Open", KeyedButtonStyle::Push}};
constexpr Row emptyKey[] = {{"", nullptr, "Open", KeyedButtonStyle::Push, runs}};
constexpr Row noPicture[] = {{"A", nullptr, nullptr, KeyedButtonStyle::Push, runs}};
static_assert(isWellKeyed(wellKeyed));
static_assert(!isWellKeyed(repeatedKey) && !isWellKeyed(noCommand) && !isWellKeyed(emptyKey)
              && !isWellKeyed(noPicture));

} // namespace

TEST(KeyedToolBar, AButtonAndItsMenuItemAreOneCommandAndTheButtonKeepsItsPictureAndToolTip)
{
    QMainWindow window;
    QAction *about = window.menuBar()->addMenu("Help")->addAction("About");
    auto *bar = new KeyedToolBar(&window);
    window.addToolBar(bar);
    QStringList ran;
    const ImageList pictures({"HelpQ", "Open"});
    bar->addButton("Help", QString(), pictures.icon("HelpQ"), KeyedButtonStyle::Push,
                   [&] { ran << "Help"; }, about);
    bar->addButton("Open", "Open a file", pictures.icon("Open"), KeyedButtonStyle::Push,
                   [&] { ran << "Open"; });
    QObject::connect(bar, &KeyedToolBar::buttonClick, bar,
                     [bar](const QString &key) { bar->run(key); });
    window.show();

    // One click, on the button or on its menu item, runs the command once; only the exact key
    // runs one.
    QTest::mouseClick(bar->buttonWidget("Help"), Qt::LeftButton);
    about->trigger();
    QTest::mouseClick(bar->buttonWidget("Open"), Qt::LeftButton);
    for (const char *other : {"help", "", "Help ", "About"})
        bar->run(other);
    EXPECT_EQ(ran, QStringList({"Help", "Help", "Open"}));

    // Whatever becomes of the item, its button keeps its picture and offers no tool tip of the
    // item's caption; screen readers know it by its key. The menu shows no picture.
    about->setEnabled(false);
    EXPECT_FALSE(bar->buttonWidget("Help")->isEnabled());
    about->setEnabled(true);
    const QToolButton *help = bar->buttonWidget("Help");
    EXPECT_FALSE(help->icon().isNull());
    EXPECT_EQ(help->toolTip(), "");
    EXPECT_EQ(help->accessibleName(), "Help");
    EXPECT_EQ(bar->buttonWidget("Open")->toolTip(), "Open a file");
    EXPECT_TRUE(about->icon().isNull());
}
