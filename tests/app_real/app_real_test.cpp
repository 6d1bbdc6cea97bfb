#include "PrivateDesktop.h"
#include "QtPrinters.h"
#include "ScopedProcess.h"
#include "ScreenReader.h"
#include "Sqlite3Tool.h"
#include "TempDir.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QThread>

#include <gtest/gtest.h>

namespace {

bool copyFolder(const QString &from, const QString &to)
{
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = to + "/" + QDir(from).relativeFilePath(source);
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target))
            return false;
    }
    return QFileInfo::exists(to + "/zentdeck");
}

const QString mainTitle = "Zentari Deck Builder";

// Polls until the check holds or the time is up.
template <typename Check>
bool waitUntil(int timeoutMs, Check check)
{
    QElapsedTimer clock;
    clock.start();
    while (!check()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(100);
    }
    return true;
}

// xdotool matches window titles with an extended regular expression.
QString exactTitlePattern(const QString &title)
{
    QString pattern = "^";
    for (const QChar c : title) {
        if (QStringLiteral(".[]{}()\\*+?|^$").contains(c))
            pattern += '\\';
        pattern += c;
    }
    return pattern + "$";
}

// The geometry xdotool reports for a window, as key=value lines (X, Y, WIDTH, HEIGHT).
QRect windowGeometry(const QString &shellText)
{
    QHash<QString, int> values;
    for (const QString &line : shellText.split('\n'))
        values.insert(line.section('=', 0, 0), line.section('=', 1).toInt());
    return {values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]};
}

int distinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4)
            colours.insert(image.pixel(x, y));
    }
    return colours.size();
}

// A user at a desktop of the test's own: the program's copy, the windows as xdotool sees them
// and the controls as a screen reader reads them. The program runs with a home folder of its
// own, so what it leaves there can be seen.
class RealWindow : public ::testing::Test
{
protected:
    explicit RealWindow(PrivateDesktop::Kind kind) : desktop(temp.path(), kind) {}

    QString xdotool(const QStringList &arguments) const
    {
        return runTool("xdotool", arguments, desktop.environment());
    }
    QString shownWindow(const QString &title) const
    {
        return xdotool({"search", "--onlyvisible", "--name", exactTitlePattern(title)})
            .section('\n', 0, 0);
    }
    QString waitForWindow(const QString &title, int timeoutMs = 5000) const
    {
        QString id;
        waitUntil(timeoutMs, [&] { return !(id = shownWindow(title)).isEmpty(); });
        return id;
    }
    bool waitForWindowGone(const QString &title) const
    {
        return waitUntil(5000, [&] { return shownWindow(title).isEmpty(); });
    }
    // Keys as the user types them: to whichever window has the keyboard.
    void type(const QString &keys) const { xdotool({"key", "--delay", "50", keys}); }

    // Starts the program from a copy of the program folder; the main window's id once it is
    // shown, or empty. The program takes no command line: arguments given are ignored.
    QString launch(const QStringList &arguments = {})
    {
        QProcessEnvironment environment = desktop.environment();
        environment.insert("HOME", home);
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        environment.insert("ASAN_OPTIONS", "detect_leaks=0");
        program.start(programFolder + "/zentdeck", arguments, environment, programFolder);
        QString mainId;
        waitUntil(20000, [&] {
            splashSeen = splashSeen || !shownWindow("Form1").isEmpty();
            mainId = shownWindow(mainTitle);
            return !mainId.isEmpty() || !program.running();
        });
        return mainId;
    }
    QString failureReport() const
    {
        return "the program said: " + program.errorOutput() + "\n" + desktop.log();
    }
    void SetUp() override
    {
        ASSERT_TRUE(desktop.error().isEmpty()) << desktop.log().toStdString();
        ASSERT_TRUE(reader.error().isEmpty()) << reader.error().toStdString();
        ASSERT_TRUE(copyFolder(ZENT_PROGRAM_DIR, programFolder));
        ASSERT_TRUE(QDir().mkpath(home));
    }

    TempDir temp;
    const QString programFolder = temp.file("zentdeck");
    const QString catalogue = programFolder + "/zentdeck.znt";
    const QString home = temp.file("home");
    PrivateDesktop desktop;
    ScreenReader reader{desktop.busAddress()};
    ScopedProcess program{temp.path(), "zentdeck"};
    bool splashSeen = false;
};

class OnADesktop : public RealWindow
{
protected:
    OnADesktop() : RealWindow(PrivateDesktop::Kind::WithWindowManager) {}
};

class OnABareDisplay : public RealWindow
{
protected:
    OnABareDisplay() : RealWindow(PrivateDesktop::Kind::BareDisplay) {}
};

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
    ASSERT_EQ(xdotool({"getdisplaygeometry"}),
              QString("%1 %2").arg(PrivateDesktop::screenWidth).arg(PrivateDesktop::screenHeight));

    // Start-up: the splash alone for seven seconds, then the main window in its place. Qt's own
    // options, were they read, would put the windows on no screen at all.
    QElapsedTimer clock;
    clock.start();
    const QString mainId = launch({"-platform", "offscreen", "-reverse"});
    const qint64 mainShownAfter = clock.elapsed();
    ASSERT_FALSE(mainId.isEmpty()) << "no main window within 20 s; " << failureReport().toStdString();
    EXPECT_TRUE(splashSeen);
    EXPECT_GE(mainShownAfter, 7000);
    EXPECT_TRUE(waitForWindowGone("Form1"));

    const QRect geometry = windowGeometry(xdotool({"getwindowgeometry", "--shell", mainId}));
    EXPECT_EQ(geometry.size(), QSize(1000, 700));
    // Centred; the window manager then puts its title bar above it.
    EXPECT_NEAR(geometry.center().x(), PrivateDesktop::screenWidth / 2, 5);
    EXPECT_GE(geometry.center().y(), PrivateDesktop::screenHeight / 2);
    EXPECT_LE(geometry.center().y(), PrivateDesktop::screenHeight / 2 + 50);

    // The keyboard focus is in the creature name box, which holds the first catalogue name.
    std::optional<Accessible> focus;
    EXPECT_TRUE(waitUntil(5000, [&] {
        if (const auto window = reader.window(mainTitle))
            focus = reader.focused(*window);
        return focus.has_value();
    }));
    if (focus) {
        EXPECT_EQ(reader.role(*focus), "combo box");
        EXPECT_EQ(reader.labels(*focus), QStringList{"Zentari"});
        EXPECT_EQ(reader.name(*focus), firstName);
    }
    // Loading leaves the deck of the last run alone.
    EXPECT_EQ(sqlite3Tool(catalogue, "SELECT fldNames FROM tblNames"), "Left over");

    const QString screenshot = QString(ZENT_TEST_OUTPUT_DIR) + "/main-window.png";
    QFile::remove(screenshot);
    runTool("import", {"-window", mainId, screenshot}, desktop.environment());
    const QImage image(screenshot);
    EXPECT_EQ(image.size(), geometry.size());
    EXPECT_GT(distinctColours(image), 20);

    // The open dialog, cancelled: Qt's own dialog would note its folder and history in the
    // home folder.
    type("ctrl+o");
    EXPECT_FALSE(waitForWindow("Please Select Database").isEmpty()) << failureReport().toStdString();
    type("Escape");
    EXPECT_TRUE(waitForWindowGone("Please Select Database"));

    // File > Exit with its shortcut; No keeps the program, Yes ends it.
    type("ctrl+x");
    ASSERT_FALSE(waitForWindow("Exit?").isEmpty()) << failureReport().toStdString();
    if (const auto question = reader.window("Exit?")) {
        const QStringList texts = reader.shownNames(*question);
        for (const char *text : {"Are you sure you want to exit?", "Yes", "No"})
            EXPECT_TRUE(texts.contains(text)) << ::testing::PrintToString(texts);
    } else {
        ADD_FAILURE() << "the screen reader does not see the exit question";
    }
    type("Escape");
    EXPECT_TRUE(waitForWindowGone("Exit?"));
    EXPECT_TRUE(program.running());
    type("ctrl+x");
    ASSERT_FALSE(waitForWindow("Exit?").isEmpty()) << failureReport().toStdString();
    type("Return");

    ASSERT_TRUE(program.waitForEnd(5000)) << "the program is still running after Yes";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << program.errorOutput().toStdString();
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(sqlite3Tool(catalogue, "SELECT count(*) FROM tblNames"), "0");
    EXPECT_EQ(filesUnder(home), QStringList());
}

// Without a window manager nobody hands the keyboard back when a box closes: the program does.
TEST_F(OnABareDisplay, TheNextKeyReachesTheWindowAfterEveryBoxAndDialog)
{
    ASSERT_FALSE(launch().isEmpty()) << failureReport().toStdString();
    ASSERT_TRUE(waitUntil(5000, [&] {
        const auto window = reader.window(mainTitle);
        return window && reader.focused(*window);
    }));

    for (const char *step : {"first", "second"}) {
        SCOPED_TRACE(step);
        type("ctrl+x");
        ASSERT_FALSE(waitForWindow("Exit?").isEmpty()) << failureReport().toStdString();
        type("Escape");
        ASSERT_TRUE(waitForWindowGone("Exit?"));
        type("ctrl+o");
        ASSERT_FALSE(waitForWindow("Please Select Database").isEmpty());
        type("Escape");
        ASSERT_TRUE(waitForWindowGone("Please Select Database"));
    }

    // The about box's System Info finds no program here; after its message, Esc still closes
    // the about box.
    const auto main = reader.window(mainTitle);
    ASSERT_TRUE(main);
    const auto help = reader.find(*main, "Help", "push button");
    ASSERT_TRUE(help);
    reader.press(*help);
    ASSERT_FALSE(waitForWindow("About ZentDeckBuilder").isEmpty()) << failureReport().toStdString();
    type("alt+s");
    ASSERT_FALSE(waitForWindow("ZentDeckBuilder").isEmpty());
    type("Return");
    ASSERT_TRUE(waitForWindowGone("ZentDeckBuilder"));
    type("Escape");
    EXPECT_TRUE(waitForWindowGone("About ZentDeckBuilder"));

    type("ctrl+x");
    ASSERT_FALSE(waitForWindow("Exit?").isEmpty());
    type("Return");
    EXPECT_TRUE(program.waitForEnd(5000));
}
