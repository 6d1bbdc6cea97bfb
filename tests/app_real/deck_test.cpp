#include "RealWindow.h"

TEST_F(OnADesktop, CardsAreChosenAndALegalDeckOfSixtyIsBuiltWithTheMouseAndTheKeyboard)
{
    const QString mainId = launch();
    ASSERT_FALSE(mainId.isEmpty()) << said();
    const auto shownText = [&](const char *box) {
        const auto found = control(mainTitle, box, "text");
        return found ? reader.text(*found) : QString("<no box>");
    };
    const auto hitPointsOf = [&](const QString &name) {
        return sqlite3Tool(catalogue, "SELECT fldHitPoints FROM tblZentDeck WHERE fldName = '" + name + "'");
    };
    // A card chosen with the mouse from the list, then one with the keys, the mouse away.
    const auto list = control(mainTitle, "Zentari", "combo box");
    ASSERT_TRUE(list);
    const QRect box = reader.extents(*list);
    click({box.right() - 8, box.center().y()});
    ASSERT_TRUE(clickOn(mainTitle, "Kilnmole", "list item"));
    EXPECT_TRUE(waitUntil(5000, [&] { return shownText("Hit Points:") == hitPointsOf("Kilnmole"); }));
    xdotool({"mousemove", "0", "0"});
    type("alt+Down");
    QThread::msleep(500); // the list is drawn and holds the keyboard
    type("Down Down Return");
    EXPECT_TRUE(waitUntil(5000, [&] { return shownText("Hit Points:") == hitPointsOf("Magmareth"); }));
    // A screen reader hears whose picture is shown.
    const auto picture = control(mainTitle, "Card picture", "graphic");
    ASSERT_TRUE(picture);
    EXPECT_EQ(reader.description(*picture), "Magmareth");
    screenshot(mainId, "creature-card");
    ASSERT_TRUE(find("Find Trainer", "Search Trainers", "Smith Dunhal"));
    EXPECT_TRUE(waitUntil(5000, [&] { return shownText("Card notes").startsWith("Companion."); }));
    screenshot(mainId, "trainer-card");

    // Seven lines of three, each found by name, added with Enter or the mouse, Yes to the offer.
    for (const char *basic : {"Emberkit", "Kilnmole", "Ripplet", "Brinewick", "Sproutle", "Mossnib", "Zapling"}) {
        ASSERT_TRUE(find("Find Zentari", "Search Zentari", basic)) << basic;
        if (basic == QString("Emberkit"))
            ASSERT_TRUE(clickOn(mainTitle, "Add Zentari", "push button"));
        else
            type("Return");
        ASSERT_TRUE(answer("Pro Tip", "Return")) << basic;
    }
    ASSERT_TRUE(find("Find Trainer", "Search Trainers", "Quarlith"));
    ASSERT_TRUE(clickOn(mainTitle, "Add Trainers", "push button"));
    ASSERT_TRUE(answer("Pro Tip", "Return"));
    ASSERT_TRUE(waitUntil(5000, [&] { return sqlite3Tool(catalogue, "SELECT count(*) FROM tblNames") == "45"; }));

    // Energies with the arrows: Colorless up to its limit; then one copy deleted, and energies
    // up to sixty, where the deck is full.
    const auto press = [&](const char *button, int times) {
        for (int i = 0; i < times; ++i)
            EXPECT_TRUE(clickOn(mainTitle, button, "push button")) << button;
    };
    press("Add 1 fire energy.", 6);
    press("Add 1 water energy.", 4);
    press("Add 1 colorless energy.", 5);
    ASSERT_TRUE(answer("Please don't Cheat", "Return"));
    ASSERT_TRUE(clickOn(mainTitle, "Magmareth", "list item"));
    ASSERT_TRUE(clickOn(mainTitle, "Delete Selection", "push button"));
    press("Add 1 grass energy.", 3);
    ASSERT_TRUE(answer("Please don't cheat.", "Return"));

    // As a screen reader hears them: a count with its kind, and the deck total.
    EXPECT_TRUE(control(mainTitle, "Fire energy cards: 6", "label").has_value());
    EXPECT_EQ(shownText("Deck Total:"), "60");
    EXPECT_EQ(sqlite3Tool(catalogue, "SELECT count(*), sum(fldNames = 'Magmareth') FROM tblNames"), "44|0");
    EXPECT_EQ(sqlite3Tool(catalogue, "SELECT group_concat(fldNames) FROM (SELECT fldNames FROM tblNames "
                                     "ORDER BY fldID LIMIT 6)"),
              "Emberkit,Emberkit,Emberkit,Cindervix,Cindervix,Pyrathane");
    screenshot(mainId, "deck");
    type("ctrl+x");
    ASSERT_TRUE(answer("Exit?", "Return"));
    EXPECT_TRUE(program.waitForEnd(5000));
    EXPECT_EQ(sqlite3Tool(catalogue, "SELECT count(*) FROM tblNames"), "0");
}
