#include "RealWindow.h"

// The installed program as a user meets it: started by its launcher, from a folder of the
// user's own, with an empty home, by a user who may not write the program folder nor the
// catalogue in it. The package test (scripts/package-test.sh) installs the package and names
// the launcher; otherwise the test is skipped.
class InstalledProgram : public RealWindow
{
protected:
    InstalledProgram()
        : RealWindow(PrivateDesktop::Kind::WithWindowManager, qEnvironmentVariable("ZENT_INSTALLED_LAUNCHER"))
    {
    }
    void SetUp() override
    {
        if (launcher.isEmpty())
            GTEST_SKIP() << "no installed program named in ZENT_INSTALLED_LAUNCHER";
        RealWindow::SetUp();
    }
};

TEST_F(InstalledProgram, BrowsesCardsFormatsAndSavesTheDeckListAndLeavesNothingElseBehind)
{
    const QString mainId = launch();
    ASSERT_FALSE(mainId.isEmpty()) << "no main window within 20 s; " << said();
    EXPECT_TRUE(splashSeen);
    // The window carries the icon the menu entry shows.
    EXPECT_TRUE(runTool("xprop", {"-id", mainId, "_NET_WM_ICON"}, desktop.environment()).contains("Icon (48 x 48)"));

    // The bundled catalogue's first card, with its picture.
    std::optional<Accessible> window, focus;
    ASSERT_TRUE(waitUntil(5000, [&] { return (window = reader.window(mainTitle)) && (focus = reader.focused(*window)); }));
    const auto pictureShown = [&] {
        const auto picture = control(mainTitle, "Card picture", "graphic");
        return picture ? reader.description(*picture) : QString("<no picture>");
    };
    const QString firstName = reader.name(*focus);
    EXPECT_FALSE(firstName.isEmpty());
    EXPECT_EQ(pictureShown(), firstName);

    // Another card: its picture, named by the catalogue relative to the program folder, shows
    // because the launcher started the program there.
    ASSERT_TRUE(pick("Zentari", "Kilnmole"));
    EXPECT_TRUE(waitUntil(5000, [&] { return pictureShown() == "Kilnmole"; })) << pictureShown().toStdString();
    screenshot(mainId, "installed-main-window");

    // Added (with its line, as offered), and in the report.
    ASSERT_TRUE(clickOn(mainTitle, "Add Zentari", "push button"));
    ASSERT_TRUE(answer("Pro Tip", "Return")) << said();
    ASSERT_TRUE(clickOn(mainTitle, "Go to View/Print/Save Screen", "push button"));
    ASSERT_FALSE(waitForWindow(previewTitle).isEmpty()) << said();
    EXPECT_EQ(reader.unnamedControls(*reader.window(previewTitle)), QStringList());
    EXPECT_TRUE(shownText("Deck list", previewTitle).contains("Kilnmole"));

    // The heading made bold and centred, the first card's line in a colour chosen in the colour
    // dialog, a line typed at the end.
    ASSERT_TRUE(clickOn(previewTitle, "Deck list", "text"));
    type("ctrl+Home shift+End ctrl+b");
    ASSERT_TRUE(clickOn(previewTitle, "Justify Text Center", "check box"));
    type("Down Down Home shift+End");
    ASSERT_TRUE(clickOn(previewTitle, "Options", "menu item"));
    ASSERT_TRUE(clickOn(previewTitle, "Font Color...", "menu item"));
    ASSERT_FALSE(waitForWindow("Select Color").isEmpty()) << said();
    ASSERT_TRUE(clickOn("Select Color", "HTML:", "text"));
    type("ctrl+a");
    typeText("#c00000");
    type("Return");
    ASSERT_TRUE(waitForWindowGone("Select Color"));
    type("ctrl+End Return");
    typeText("Ready to play");

    // Saved in the user's home, the one folder the user may write (opening a saved list again
    // is the offscreen preview tests' to check); saved, it leaves without a question.
    type("ctrl+s");
    ASSERT_FALSE(waitForWindow("Zentari Deck Builder").isEmpty()) << said();
    const QString saved = home + "/deck.rtf";
    typeText(saved);
    type("Return");
    const QString savedId = waitForWindow(saved);
    ASSERT_FALSE(savedId.isEmpty()) << "the caption names the file saved; " << said();
    screenshot(savedId, "preview-formatted");
    type("ctrl+x");
    ASSERT_TRUE(waitForWindowGone(saved)) << said();
    ASSERT_TRUE(exitWithYes()) << said();

    const QByteArray rtf = readFile(saved);
    EXPECT_TRUE(rtf.contains("Kilnmole") && rtf.contains("Ready to play") && rtf.contains("\\red192\\green0\\blue0"))
        << rtf.toStdString();
    EXPECT_EQ(filesUnder(home), QStringList{"deck.rtf"});
    for (const QString &folder : {tmp, currentFolder})
        EXPECT_EQ(filesUnder(folder), QStringList()) << folder.toStdString();
}
