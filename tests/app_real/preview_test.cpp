#include "RealWindow.h"

TEST_F(OnADesktop, TheDeckListIsFormattedAndSavedInThePreview)
{
    const QString mainId = launch();
    ASSERT_FALSE(mainId.isEmpty()) << said();
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

    // Saved with what was typed and the colour chosen (opening a saved list again is the
    // offscreen preview tests' to check); saved, it leaves without a question.
    type("ctrl+s");
    ASSERT_FALSE(waitForWindow("Zentari Deck Builder").isEmpty()) << said();
    typeText("mydeck.rtf");
    type("Return");
    const QString saved = programFolder + "/mydeck.rtf";
    const QString savedId = waitForWindow(saved);
    ASSERT_FALSE(savedId.isEmpty()) << "the caption names the file saved; " << said();
    screenshot(savedId, "preview-formatted");
    const QByteArray rtf = readFile(saved);
    EXPECT_TRUE(rtf.contains("Ready to play") && rtf.contains("\\red192\\green0\\blue0")) << rtf.toStdString();
    type("ctrl+x");
    ASSERT_TRUE(waitForWindowGone(saved)) << said();
    EXPECT_TRUE(exitWithYes()) << said();
}
