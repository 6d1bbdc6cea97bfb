#include "RealWindow.h"

#include <QDir>
#include <QDirIterator>
#include <QSet>

namespace {

QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator found(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (found.hasNext())
        files << QDir(folder).relativeFilePath(found.next());
    return files;
}

} // namespace

TEST_F(OnADesktop, SplashGivesWayToTheMainWindowAndExitEmptiesTheDeckLeavingNothingBehind)
{
    sqlite3Tool(catalogue, "INSERT INTO tblNames VALUES ('Left over', 1)");
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

    // Centred; the window manager then puts its title bar above it.
    QHash<QString, int> value; // X=, Y=, WIDTH=, HEIGHT= lines
    for (const QString &line : xdotool({"getwindowgeometry", "--shell", mainId}).split('\n'))
        value.insert(line.section('=', 0, 0), line.section('=', 1).toInt());
    const QRect shown(value["X"], value["Y"], value["WIDTH"], value["HEIGHT"]);
    EXPECT_EQ(shown.size(), QSize(1000, 700));
    EXPECT_NEAR(shown.center().x(), PrivateDesktop::screenWidth / 2, 5);
    EXPECT_GE(shown.center().y(), PrivateDesktop::screenHeight / 2);
    EXPECT_LE(shown.center().y(), PrivateDesktop::screenHeight / 2 + 50);

    // The keyboard focus is in the creature name box, which holds the first catalogue name.
    std::optional<Accessible> focus;
    EXPECT_TRUE(waitUntil(5000, [&] {
        const auto window = reader.window(mainTitle);
        return window && (focus = reader.focused(*window));
    }));
    if (focus) {
        EXPECT_EQ(reader.role(*focus), "combo box");
        EXPECT_EQ(reader.labels(*focus), QStringList{"Zentari"});
        EXPECT_EQ(reader.name(*focus), firstName);
    }
    // Loading leaves the deck of the last run alone.
    EXPECT_EQ(sqlite3Tool(catalogue, "SELECT fldNames FROM tblNames"), "Left over");
    const QImage image = screenshot(mainId, "main-window");
    EXPECT_EQ(image.size(), shown.size());
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 20);

    // The open dialog, cancelled: Qt's own dialog would note its folder in the home folder.
    type("ctrl+o");
    EXPECT_TRUE(answer("Please Select Database", "Escape")) << said();

    // File > Exit with its shortcut; No keeps the program, Yes ends it.
    type("ctrl+x");
    ASSERT_FALSE(waitForWindow("Exit?").isEmpty()) << said();
    const auto question = reader.window("Exit?");
    ASSERT_TRUE(question) << "the screen reader does not see the exit question";
    const QStringList texts = reader.shownNames(*question);
    for (const char *text : {"Are you sure you want to exit?", "Yes", "No"})
        EXPECT_TRUE(texts.contains(text)) << ::testing::PrintToString(texts);
    type("Escape");
    EXPECT_TRUE(waitForWindowGone("Exit?"));
    type("ctrl+x");
    ASSERT_TRUE(answer("Exit?", "Return")) << said();

    ASSERT_TRUE(program.waitForEnd(5000)) << "the program is still running after Yes";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << said();
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(sqlite3Tool(catalogue, "SELECT count(*) FROM tblNames"), "0");
    EXPECT_EQ(filesUnder(home), QStringList());
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
    reader.press(*control(mainTitle, "Help", "push button"));
    ASSERT_FALSE(waitForWindow("About ZentDeckBuilder").isEmpty()) << said();
    type("alt+s");
    ASSERT_TRUE(answer("ZentDeckBuilder", "Return"));
    type("Escape");
    EXPECT_TRUE(waitForWindowGone("About ZentDeckBuilder"));
    type("ctrl+x");
    ASSERT_TRUE(answer("Exit?", "Return"));
    EXPECT_TRUE(program.waitForEnd(5000));
}
