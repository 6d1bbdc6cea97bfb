#include "RealWindow.h"

// From the splash to the exit, as a user builds a deck: nothing is left behind but the cards.
TEST_F(OnADesktop, FromTheSplashToTheExitABuiltDeckOfSixtyAndNothingLeftBehind)
{
    const QString firstName =
        sqlite3Tool(catalogue, "SELECT fldName FROM tblZentDeck ORDER BY rowid LIMIT 1");

    // Start-up: the splash alone for seven seconds, then the main window in its place. Qt's own
    // options, were they read, would put the windows on no screen at all.
    QElapsedTimer clock;
    clock.start();
    const QString mainId = launch({"-platform", "offscreen", "-reverse"});
    ASSERT_FALSE(mainId.isEmpty()) << "no main window within 20 s; " << said();
    EXPECT_GE(clock.elapsed(), 7000);
    EXPECT_TRUE(splashSeen);
    EXPECT_TRUE(waitForWindowGone("Form1"));

    // The keyboard focus is in the creature name box, which holds the first catalogue name.
    std::optional<Accessible> window, focus;
    ASSERT_TRUE(waitUntil(5000, [&] { return (window = reader.window(mainTitle)) && (focus = reader.focused(*window)); }));
    EXPECT_EQ(reader.role(*focus), "combo box");
    EXPECT_EQ(reader.labels(*focus), QStringList{"Zentari"});
    EXPECT_EQ(reader.name(*focus), firstName);
    EXPECT_EQ(reader.unnamedControls(*window), QStringList());
    // Centred; the window manager then puts its title bar above it.
    const QRect shown = reader.extents(*window);
    EXPECT_EQ(shown.size(), QSize(1000, 700));
    EXPECT_NEAR(shown.center().x(), PrivateDesktop::screenWidth / 2, 5);
    EXPECT_GE(shown.center().y(), PrivateDesktop::screenHeight / 2);
    EXPECT_LE(shown.center().y(), PrivateDesktop::screenHeight / 2 + 50);
    EXPECT_EQ(screenshot(mainId, "main-window").size(), shown.size());

    // The open dialog, cancelled: Qt's own dialog would note its folder in the home folder.
    type("ctrl+o");
    EXPECT_TRUE(answer("Please Select Database", "Escape")) << said();

    const auto hitPointsOf = [&](const QString &name) {
        return sqlite3Tool(catalogue, "SELECT fldHitPoints FROM tblZentDeck WHERE fldName = '" + name + "'");
    };
    // A card chosen with the mouse from the list, then one with the keys, the mouse away.
    ASSERT_TRUE(pick("Zentari", "Kilnmole"));
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

    // File > Exit with its shortcut; No keeps the program, Yes ends it.
    type("ctrl+x");
    ASSERT_FALSE(waitForWindow("Exit?").isEmpty()) << said();
    const auto question = reader.window("Exit?");
    ASSERT_TRUE(question) << "the screen reader does not see the exit question";
    EXPECT_TRUE(reader.find(*question, "Are you sure you want to exit?", "label"));
    for (const char *button : {"Yes", "No"})
        EXPECT_TRUE(reader.find(*question, button, "push button")) << button;
    type("Escape");
    EXPECT_TRUE(waitForWindowGone("Exit?"));
    ASSERT_TRUE(exitWithYes()) << said();
    EXPECT_EQ(sqlite3Tool(catalogue, "SELECT count(*) FROM tblNames"), "0");
    EXPECT_EQ(filesUnder(home), QStringList());
    EXPECT_EQ(filesUnder(tmp), QStringList());
}

TEST_F(OnABareDisplay, TheNextKeyReachesTheWindowAfterEveryBoxAndDialog)
{
    ASSERT_FALSE(launch().isEmpty()) << said();
    ASSERT_TRUE(waitUntil(5000, [&] {
        const auto window = reader.window(mainTitle);
        return window && reader.focused(*window);
    }));
    for (const char *step : {"first", "second"}) {
        SCOPED_TRACE(step);
        type("ctrl+x");
        ASSERT_TRUE(answer("Exit?", "Escape")) << said();
        type("ctrl+o");
        ASSERT_TRUE(answer("Please Select Database", "Escape"));
    }

    // The about box's System Info finds no program here; after its message, Esc still closes
    // the about box.
    ASSERT_TRUE(clickOn(mainTitle, "Help", "push button"));
    ASSERT_FALSE(waitForWindow("About ZentDeckBuilder").isEmpty()) << said();
    EXPECT_EQ(reader.unnamedControls(*reader.window("About ZentDeckBuilder")), QStringList());
    type("alt+s");
    ASSERT_TRUE(answer("ZentDeckBuilder", "Return"));
    type("Escape");
    EXPECT_TRUE(waitForWindowGone("About ZentDeckBuilder"));
    EXPECT_TRUE(exitWithYes()) << said();
}
