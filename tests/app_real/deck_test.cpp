#include "RealWindow.h"
#include "QtPrinters.h"
#include "Sqlite3Tool.h"

TEST_F(OnADesktop, ALegalDeckOfSixtyIsBuiltWithTheMouseTheKeyboardAndTheProTips)
{
    const QString mainId = launch();
    ASSERT_FALSE(mainId.isEmpty()) << said();
    const auto answer = [&](const QString &title, const QString &keys) {
        const bool shown = !waitForWindow(title).isEmpty();
        type(keys);
        return shown && waitForWindowGone(title);
    };
    // Controls stay where they are: each is looked up once, as a screen reader's user learns them.
    QHash<QString, QPoint> places;
    const auto clickOn = [&](const QString &name, const QString &role) {
        if (!places.contains(name)) {
            std::optional<Accessible> found;
            waitUntil(5000, [&] { return (found = control(mainTitle, name, role)).has_value(); });
            if (!found)
                return false;
            places.insert(name, reader.extents(*found).center());
        }
        click(places[name]);
        return true;
    };
    const auto find = [&](const QString &menuItem, const QString &title, const QString &name) {
        EXPECT_TRUE(clickOn("Find", "menu item"));
        EXPECT_TRUE(clickOn(menuItem, "menu item"));
        EXPECT_FALSE(waitForWindow(title).isEmpty()) << said();
        typeText(name);
        type("Return");
        return waitForWindowGone(title);
    };

    // The first card is shown at start: Add Zentari with the mouse, Yes to the Pro Tip.
    ASSERT_TRUE(clickOn("Add Zentari", "push button"));
    ASSERT_TRUE(answer("Pro Tip", "Return")) << said();
    // Six more lines of three, each found by name and added with Enter.
    for (const char *basic : {"Kilnmole", "Ripplet", "Brinewick", "Sproutle", "Mossnib", "Zapling"}) {
        ASSERT_TRUE(find("Find Zentari", "Search Zentari", basic)) << basic;
        type("Return");
        ASSERT_TRUE(answer("Pro Tip", "Return")) << basic;
    }
    // Quarlith with its Skarnox.
    ASSERT_TRUE(find("Find Trainer", "Search Trainers", "Quarlith"));
    ASSERT_TRUE(clickOn("Add Trainers", "push button"));
    ASSERT_TRUE(answer("Pro Tip", "Return"));
    ASSERT_TRUE(waitUntil(5000, [&] {
        return sqlite3Tool(catalogue, "SELECT count(*) FROM tblNames") == "45";
    })) << said();

    // Energies with the arrows: six Fire, four Water, Colorless up to its limit.
    const auto press = [&](const char *button, int times) {
        for (int i = 0; i < times; ++i)
            EXPECT_TRUE(clickOn(button, "push button")) << button;
    };
    press("Add 1 fire energy.", 6);
    press("Add 1 water energy.", 4);
    press("Add 1 colorless energy.", 4);
    press("Add 1 colorless energy.", 1);
    ASSERT_TRUE(answer("Please don't Cheat", "Return"));

    // One copy deleted with the mouse, two more energies: sixty; the next one is refused.
    ASSERT_TRUE(clickControl(mainTitle, "Magmareth", "list item"));
    ASSERT_TRUE(clickOn("Delete Selection", "push button"));
    press("Add 1 grass energy.", 3);
    ASSERT_TRUE(answer("Please don't cheat.", "Return"));

    // As a screen reader hears them: a count with its kind, and the deck total.
    EXPECT_TRUE(control(mainTitle, "Fire energy cards: 6", "label").has_value());
    const auto total = control(mainTitle, "Deck Total:", "text");
    ASSERT_TRUE(total);
    EXPECT_EQ(reader.text(*total), "60");
    EXPECT_EQ(sqlite3Tool(catalogue, "SELECT count(*) FROM tblNames"), "44");
    EXPECT_EQ(sqlite3Tool(catalogue, "SELECT count(*) FROM tblNames WHERE fldNames = 'Magmareth'"), "0");
    EXPECT_EQ(sqlite3Tool(catalogue, "SELECT group_concat(fldNames) FROM (SELECT fldNames FROM tblNames "
                                     "ORDER BY fldID LIMIT 6)"),
              "Emberkit,Emberkit,Emberkit,Cindervix,Cindervix,Pyrathane");
    screenshot(mainId, "deck");

    type("ctrl+x");
    ASSERT_TRUE(answer("Exit?", "Return"));
    EXPECT_TRUE(program.waitForEnd(5000));
    EXPECT_EQ(sqlite3Tool(catalogue, "SELECT count(*) FROM tblNames"), "0");
}
