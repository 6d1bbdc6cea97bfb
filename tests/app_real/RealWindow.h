#pragma once

#include "PrivateDesktop.h"
#include "ScreenReader.h"

inline const QString mainTitle = "Zentari Deck Builder";
inline const QString previewTitle = "Zentari Deck Builder - Print Preview";

// A user at a desktop of the test's own, with a copy of the program folder or, when the package
// test (scripts/package-test.sh) names its launcher in ZENT_INSTALLED_LAUNCHER, the installed
// program, started by the launcher from a folder of the user's own: the windows as xdotool sees
// them, the controls as a screen reader finds them, keys typed to whichever window has the
// keyboard. The program runs with a home and a temporary folder of its own, so what it leaves
// there can be seen.
class RealWindow : public ::testing::Test
{
protected:
    explicit RealWindow(PrivateDesktop::Kind kind) : desktop(temp.path(), kind) {}
    void SetUp() override
    {
        ASSERT_TRUE(desktop.ready() && reader.connected()) << desktop.log().toStdString();
        ASSERT_TRUE(!launcher.isEmpty() || QProcess::execute("cp", {"-R", ZENT_PROGRAM_DIR, programFolder}) == 0);
        ASSERT_TRUE(QDir().mkpath(home) && QDir().mkpath(tmp) && QDir().mkpath(currentFolder));
    }

    // Starts the program: the splash alone for seven seconds, then the main window in its
    // place, whose id comes back (or empty, when none showed in twenty seconds).
    QString launch(const QStringList &arguments = {})
    {
        QProcessEnvironment environment = desktop.environment();
        environment.insert("HOME", home);
        environment.insert("TMPDIR", tmp);
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        environment.insert("ASAN_OPTIONS", "detect_leaks=0");
        QElapsedTimer clock;
        clock.start();
        program.start(launcher.isEmpty() ? programFolder + "/zentdeck" : launcher, arguments, environment,
                      currentFolder);
        bool splashSeen = false;
        QString mainId;
        waitUntil(20000, [&] {
            splashSeen = splashSeen || !windows("Form1").isEmpty();
            return !(mainId = windows(mainTitle).value(0)).isEmpty() || !program.running();
        });
        EXPECT_TRUE(splashSeen);
        EXPECT_GE(clock.elapsed(), 7000);
        EXPECT_TRUE(waitForWindow("Form1", false));
        return mainId;
    }
    QString xdotool(const QStringList &arguments) const { return runTool("xdotool", arguments, desktop.environment()).out.trimmed(); }
    // The ids of the windows shown with exactly that title.
    QStringList windows(const QString &title) const
    {
        // xdotool matches titles with a POSIX extended regular expression, in which a character
        // escaped that need not be stands for itself.
        const QString pattern = "^" + QRegularExpression::escape(title) + "$";
        return xdotool({"search", "--onlyvisible", "--name", pattern}).split('\n', Qt::SkipEmptyParts);
    }
    // Waits for a window with that title to show (or, given false, to go).
    bool waitForWindow(const QString &title, bool shown = true) const
    {
        return waitUntil(5000, [&] { return windows(title).isEmpty() != shown; });
    }
    // Waits for the box to take the keyboard, types the keys that answer it, and waits for it
    // to go.
    bool answer(const QString &title, const QString &keys) const
    {
        return typeTo(title, keys) && waitForWindow(title, false);
    }
    // Waits, as a user watches where the next key will go, until a window with that title holds
    // the keyboard, then types the keys. A window shown (or a box gone) a moment before it gets
    // (or hands back) the keyboard would otherwise lose them on a busy machine.
    bool typeTo(const QString &title, const QString &keys) const
    {
        const bool ready = waitForKeyboard(title);
        type(keys);
        return ready;
    }
    bool waitForKeyboard(const QString &title) const
    {
        return waitUntil(5000, [&] { return windows(title).contains(xdotool({"getwindowfocus"})); });
    }
    // Key names, blank-separated: "Down Down Return".
    void type(const QString &keys) const { xdotool(QStringList{"key", "--delay", "50"} + keys.split(' ')); }
    void typeText(const QString &text) const { xdotool({"type", "--delay", "30", text}); }
    // The server takes the move before the click; waiting for the move (--sync) would wait for
    // ever when the pointer is already there.
    void click(const QPoint &where) const
    {
        xdotool({"mousemove", QString::number(where.x()), QString::number(where.y()), "click", "1"});
    }
    // Clicks a control of a shown window, found by name (or label) and role the first time
    // (waiting for it) and remembered where it is, as a user learns the window.
    bool clickOn(const QString &windowTitle, const QString &name, const QString &role)
    {
        QPoint &place = places[windowTitle + "/" + name];
        std::optional<Accessible> found;
        if (place.isNull() && waitUntil(5000, [&] { return (found = control(windowTitle, name, role)).has_value(); }))
            place = reader.extents(*found).center();
        if (!place.isNull())
            click(place);
        return !place.isNull();
    }
    // A name picked with the mouse from the drop-down of a name list of the main window.
    bool pick(const QString &list, const QString &name)
    {
        const auto box = control(mainTitle, list, "combo box");
        if (box)
            click({reader.extents(*box).right() - 8, reader.extents(*box).center().y()});
        return box && clickOn(mainTitle, name, "list item");
    }
    std::optional<Accessible> control(const QString &windowTitle, const QString &name, const QString &role) const
    {
        const auto window = reader.window(windowTitle);
        return window ? reader.find(*window, name, role) : std::nullopt;
    }
    // What a text box of the window holds, as a screen reader reads it.
    QString shownText(const QString &name, const QString &windowTitle = mainTitle) const
    {
        const auto found = control(windowTitle, name, "text");
        return found ? reader.text(*found) : QString("<no box>");
    }
    // File > Exit with its shortcut, Yes to its question: the program ends of itself.
    bool exitWithYes()
    {
        return typeTo(mainTitle, "ctrl+x") && answer("Exit?", "Return") && program.waitForFinished(5000)
               && program.exitStatus() == QProcess::NormalExit && program.exitCode() == 0;
    }
    // Saved beside the test program for people to look at (a test run as another user may not
    // write the build folder: it names a folder of its own).
    QImage screenshot(const QString &windowId, const QString &name) const
    {
        const QString folder = qEnvironmentVariable("ZENT_SCREENSHOT_DIR", QCoreApplication::applicationDirPath());
        const QString file = folder + "/" + name + ".png";
        QFile::remove(file);
        runTool("import", {"-window", windowId, file}, desktop.environment());
        return QImage(file);
    }
    // What the program and the desktop said, for failure messages.
    std::string said() const
    {
        return ("the program said: " + program.errorOutput() + "\n" + desktop.log()).toStdString();
    }

    TempDir temp;
    const QString launcher = qEnvironmentVariable("ZENT_INSTALLED_LAUNCHER"); // empty: the copy
    const QString programFolder = temp.file("zentdeck");
    const QString catalogue = programFolder + "/zentdeck.znt";
    const QString home = temp.file("home");
    const QString tmp = temp.file("tmp"); // the program's TMPDIR
    // The copy is started in its own folder, the installed program by its launcher elsewhere.
    const QString currentFolder = launcher.isEmpty() ? programFolder : temp.file("current");
    PrivateDesktop desktop;
    ScreenReader reader{desktop.environment().value("DBUS_SESSION_BUS_ADDRESS")};
    ScopedProcess program{temp.path(), "zentdeck"};
    QHash<QString, QPoint> places;
};

struct OnADesktop : RealWindow { OnADesktop() : RealWindow(PrivateDesktop::Kind::WithWindowManager) {} };
// Without a window manager nobody hands the keyboard back when a box closes: the program must.
struct OnABareDisplay : RealWindow { OnABareDisplay() : RealWindow(PrivateDesktop::Kind::BareDisplay) {} };
