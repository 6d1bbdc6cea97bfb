#include "RealWindow.h"


TEST_F(OnADesktop, TheDeckListIsFormattedSavedAndOpenedAgainInThePreview)
{
    const QString mainId = launch();
    ASSERT_FALSE(mainId.isEmpty()) << said();
    const QString previewTitle = "Zentari Deck Builder - Print Preview";
    ASSERT_TRUE(clickOn(mainTitle, "Add Zentari", "push button"));
    ASSERT_TRUE(answer("Pro Tip", "Return")) << said();

    // From the toolbar to the preview, where the heading is made bold and centred.
    ASSERT_TRUE(clickOn(mainTitle, "Go to View/Print/Save Screen", "push button"));
    ASSERT_FALSE(waitForWindow(previewTitle).isEmpty()) << said();
    EXPECT_EQ(reader.unnamedControls(*reader.window(previewTitle)), QStringList());
    ASSERT_TRUE(clickOn(previewTitle, "Deck list", "text"));
    type("ctrl+Home shift+End ctrl+b");
    ASSERT_TRUE(clickOn(previewTitle, "Justify Text Center", "check box"));

    // The first card's line in a colour chosen in the colour dialog.
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

    // Saved, then opened again.
    type("ctrl+s");
    ASSERT_FALSE(waitForWindow("Zentari Deck Builder").isEmpty()) << said();
    typeText("mydeck.rtf");
    type("Return");
    const QString saved = programFolder + "/mydeck.rtf";
    ASSERT_FALSE(waitForWindow(saved).isEmpty()) << "the caption names the file saved; " << said();
    type("ctrl+o");
    ASSERT_FALSE(waitForWindow("Zentari Deck Builder").isEmpty()) << said();
    typeText("mydeck.rtf");
    type("Return");
    const QString reopened = waitForWindow("mydeck.rtf");
    ASSERT_FALSE(reopened.isEmpty()) << said();
    const auto editor = control("mydeck.rtf", "Deck list", "text");
    ASSERT_TRUE(editor);
    EXPECT_TRUE(reader.text(*editor).endsWith("Ready to play"));
    screenshot(reopened, "preview-formatted");

    // The file just opened counts as a change: leaving asks first.
    type("ctrl+x");
    ASSERT_TRUE(answer("ZentDeckBuilder", "Return")) << said();
    ASSERT_TRUE(waitForWindowGone("mydeck.rtf"));
    type("ctrl+x");
    ASSERT_TRUE(answer("Exit?", "Return"));
    EXPECT_TRUE(program.waitForEnd(5000));
}
