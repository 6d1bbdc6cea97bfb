#include "RealWindow.h"

// The installed program as a user meets it: started by its launcher, from a folder of the
// user's own, with an empty home, by a user who may not write the program folder. The package
// test (scripts/package-test.sh) installs the package and names the launcher; otherwise the
// test is skipped.
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

TEST_F(InstalledProgram, ShowsAndBrowsesCardsBuildsAReportAndLeavesNothingBehind)
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
    const QString report = shownText("Deck list", previewTitle);
    EXPECT_TRUE(report.contains("Kilnmole")) << report.toStdString();

    // The report put into the editor counts as a change: leaving asks first.
    ASSERT_TRUE(leavePreview()) << said();
    ASSERT_TRUE(exitWithYes()) << said();
    for (const QString &folder : {home, tmp, currentFolder})
        EXPECT_EQ(filesUnder(folder), QStringList()) << folder.toStdString();
}
