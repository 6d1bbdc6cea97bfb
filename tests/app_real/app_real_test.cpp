#include "RealWindow.h"

// From the splash to the exit, as a user meets the program: a card browsed, a set and energies
// added, the deck list formatted in the preview and saved in the home; nothing else is left
// behind. The package test runs it on the installed program, started by its launcher from a
// folder of the user's own, by a user who may write neither the program folder nor the
// catalogue in it. (Every message, statement and deck rule is the offscreen tests' to check.)
TEST_F(OnADesktop, FromTheSplashToTheExitADeckListSavedInTheHomeAndNothingElseLeftBehind)
{
    // Qt's own options, were they read, would put the windows on no screen at all.
    const QString mainId = launch({"-platform", "offscreen", "-reverse"});
    ASSERT_FALSE(mainId.isEmpty()) << "no main window within 20 s; " << said();
    // The window carries the icon the menu entry shows.
    EXPECT_TRUE(runTool("xprop", {"-id", mainId, "_NET_WM_ICON"}, desktop.environment()).out.contains("Icon (48 x 48)"));

    // The keyboard focus is in the creature name box, on the first card, whose picture a screen
    // reader hears named; every control is named.
    std::optional<Accessible> window, focus;
    ASSERT_TRUE(waitUntil(5000, [&] { return (window = reader.window(mainTitle)) && (focus = reader.focused(*window)); }));
    const auto pictureHeard = [&] {
        const auto picture = control(mainTitle, "Card picture", "graphic");
        return picture ? reader.description(*picture) : QString("<no picture>");
    };
    EXPECT_EQ(reader.role(*focus), "combo box");
    EXPECT_EQ(reader.labels(*focus), QStringList{"Zentari"});
    EXPECT_FALSE(reader.name(*focus).isEmpty());
    EXPECT_EQ(pictureHeard(), reader.name(*focus));
    EXPECT_EQ(reader.unnamedControls(*window), QStringList());
    // Centred; the window manager then puts its title bar above it.
    const QRect shown = reader.extents(*window);
    EXPECT_EQ(shown.size(), QSize(1000, 700));
    EXPECT_NEAR(shown.center().x(), PrivateDesktop::screenWidth / 2, 5);
    EXPECT_NEAR(shown.center().y(), PrivateDesktop::screenHeight / 2 + 25, 25);

    // Another card picked with the mouse: its picture, named by the catalogue relative to the
    // program folder, shows because the program was started there. Its line added with the
    // mouse (Yes to the offer: six cards), three fire energies: heard as a count with its kind
    // and as the deck total.
    ASSERT_TRUE(pick("Zentari", "Kilnmole")) << said();
    EXPECT_TRUE(waitUntil(5000, [&] { return pictureHeard() == "Kilnmole"; })) << pictureHeard().toStdString();
    ASSERT_TRUE(clickOn(mainTitle, "Add Zentari", "push button"));
    ASSERT_TRUE(answer("Pro Tip", "Return")) << said();
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(clickOn(mainTitle, "Add 1 fire energy.", "push button"));
    EXPECT_TRUE(waitUntil(5000, [&] { return control(mainTitle, "Fire energy cards: 3", "label").has_value(); }));
    EXPECT_EQ(shownText("Deck Total:"), "9");
    EXPECT_EQ(screenshot(mainId, "main-window").size(), shown.size());

    // The deck list in the preview, every control named: the heading made bold and centred, the
    // first card's line in a colour chosen in the colour dialog, a line typed at the end.
    ASSERT_TRUE(clickOn(mainTitle, "Go to View/Print/Save Screen", "push button"));
    ASSERT_TRUE(clickOn(previewTitle, "Deck list", "text")) << said();
    EXPECT_EQ(reader.unnamedControls(*reader.window(previewTitle)), QStringList());
    // From its first show the editor fills the window below the toolbar, frame or none.
    const QRect preview = reader.extents(*reader.window(previewTitle));
    const QRect editor = reader.extents(*control(previewTitle, "Deck list", "text"));
    EXPECT_EQ(QPoint(editor.left(), editor.right()), QPoint(preview.left(), preview.right()));
    EXPECT_EQ(editor.bottom(), preview.bottom());
    ASSERT_TRUE(typeTo(previewTitle, "ctrl+Home shift+End ctrl+b"));
    ASSERT_TRUE(clickOn(previewTitle, "Justify Text Center", "check box"));
    type("Down Down Home shift+End");
    ASSERT_TRUE(clickOn(previewTitle, "Options", "menu item"));
    ASSERT_TRUE(clickOn(previewTitle, "Font Color...", "menu item"));
    ASSERT_TRUE(clickOn("Select Color", "HTML:", "text")) << said();
    ASSERT_TRUE(typeTo("Select Color", "ctrl+a"));
    typeText("#c00000");
    ASSERT_TRUE(answer("Select Color", "Return"));
    ASSERT_TRUE(typeTo(previewTitle, "ctrl+End Return"));
    typeText("Ready to play");

    // Saved in the home, the one folder the user may write, through the save dialog (titled as
    // the main window); the caption names the file, and the preview leaves without a question.
    // (Opening a saved list again is the offscreen preview tests' to check.)
    type("ctrl+s");
    ASSERT_TRUE(waitUntil(5000, [&] { return windows(mainTitle).size() == 2; }) && waitForKeyboard(mainTitle)) << said();
    const QString saved = home + "/deck.rtf";
    typeText(saved);
    type("Return");
    ASSERT_TRUE(waitForWindow(saved)) << said();
    screenshot(windows(saved).value(0), "preview-formatted");
    ASSERT_TRUE(typeTo(saved, "ctrl+x"));
    ASSERT_TRUE(waitForWindow(saved, false)) << said();
    ASSERT_TRUE(exitWithYes()) << said();

    const QByteArray rtf = readFile(saved);
    EXPECT_TRUE(rtf.contains("Kilnmole") && rtf.contains("3  Fire Energy") && rtf.contains("Ready to play")
                && rtf.contains("\\red192\\green0\\blue0"))
        << rtf.toStdString();
    EXPECT_EQ(filesUnder(home), QStringList{"deck.rtf"});
    EXPECT_EQ(filesUnder(tmp), QStringList());
    EXPECT_EQ(filesUnder(currentFolder), launcher.isEmpty() ? filesUnder(ZENT_PROGRAM_DIR) : QStringList());
}

TEST_F(OnABareDisplay, TheNextKeyReachesTheWindowAfterEveryBoxAndDialog)
{
    ASSERT_FALSE(launch().isEmpty()) << said();
    std::optional<Accessible> window;
    ASSERT_TRUE(waitUntil(5000, [&] { return (window = reader.window(mainTitle)) && reader.focused(*window); }));
    // A name typed into the box of Find > Find Zentari; the exit question as a screen reader
    // hears it, cancelled; the open dialog, cancelled.
    ASSERT_TRUE(clickOn(mainTitle, "Find", "menu item") && clickOn(mainTitle, "Find Zentari", "menu item"));
    ASSERT_TRUE(waitForKeyboard("Search Zentari")) << said();
    typeText("Kilnmole");
    ASSERT_TRUE(answer("Search Zentari", "Return"));
    for (const char *step : {"first", "second"}) {
        SCOPED_TRACE(step);
        ASSERT_TRUE(typeTo(mainTitle, "ctrl+x"));
        ASSERT_TRUE(waitForWindow("Exit?")) << said();
        EXPECT_TRUE(control("Exit?", "Are you sure you want to exit?", "label"));
        ASSERT_TRUE(answer("Exit?", "Escape"));
        ASSERT_TRUE(typeTo(mainTitle, "ctrl+o"));
        ASSERT_TRUE(answer("Please Select Database", "Escape"));
    }

    // The about box's System Info finds no program here; after its message, Esc still closes
    // the about box.
    ASSERT_TRUE(clickOn(mainTitle, "Help", "push button"));
    ASSERT_TRUE(waitForWindow("About ZentDeckBuilder")) << said();
    EXPECT_EQ(reader.unnamedControls(*reader.window("About ZentDeckBuilder")), QStringList());
    ASSERT_TRUE(typeTo("About ZentDeckBuilder", "alt+s"));
    ASSERT_TRUE(answer("ZentDeckBuilder", "Return"));
    ASSERT_TRUE(typeTo("About ZentDeckBuilder", "Escape"));
    EXPECT_TRUE(waitForWindow("About ZentDeckBuilder", false));
    EXPECT_TRUE(exitWithYes()) << said();
    // Qt's own dialogs would note their folder in the home.
    EXPECT_EQ(filesUnder(home), QStringList());
}
