#pragma once

#include "PrivateDesktop.h"
#include "QtPrinters.h"
#include "ScopedProcess.h"
#include "ScreenReader.h"
#include "Sqlite3Tool.h"
#include "TempDir.h"

#include <QHash>
#include <QImage>

#include <gtest/gtest.h>

inline const QString mainTitle = "Zentari Deck Builder";
inline const QString previewTitle = "Zentari Deck Builder - Print Preview";

// A user at a desktop of the test's own, with a copy of the program folder (or the installed
// program, started by its launcher from a folder of the user's own): the windows as xdotool
// sees them, the controls as a screen reader finds them, keys typed to whichever window has the
// keyboard. The program runs with a home and a temporary folder of its own, so what it leaves
// there can be seen.
class RealWindow : public ::testing::Test
{
protected:
    explicit RealWindow(PrivateDesktop::Kind kind, const QString &installedLauncher = {})
        : desktop(temp.path(), kind), launcher(installedLauncher)
    {
    }
    void SetUp() override;

    // Starts the program; the main window's id once it is shown, or empty.
    QString launch(const QStringList &arguments = {});
    QString waitForMainWindow();
    QString xdotool(const QStringList &arguments) const { return runTool("xdotool", arguments, desktop.environment()); }
    QString shownWindow(const QString &title) const; // its id, or ""
    QString waitForWindow(const QString &title) const;
    bool waitForWindowGone(const QString &title) const
    {
        return waitUntil(5000, [&] { return shownWindow(title).isEmpty(); });
    }
    // Waits for the box, types the keys that answer it, and waits for it to go.
    bool answer(const QString &title, const QString &keys) const;
    // Key names, blank-separated: "Down Down Return".
    void type(const QString &keys) const { xdotool(QStringList{"key", "--delay", "50"} + keys.split(' ')); }
    void typeText(const QString &text) const { xdotool({"type", "--delay", "30", text}); }
    // The server takes the move before the click; waiting for the move (--sync) would wait for
    // ever when the pointer is already there.
    void click(const QPoint &where) const
    {
        xdotool({"mousemove", QString::number(where.x()), QString::number(where.y()), "click", "1"});
    }
    // Clicks a control of a shown window, found by name (or label) and role the first time and
    // remembered where it is, as a user learns the window.
    bool clickOn(const QString &windowTitle, const QString &name, const QString &role);
    // A name picked with the mouse from the drop-down of a name list of the main window.
    bool pick(const QString &list, const QString &name);
    // Find > Find Zentari or Find Trainer, with the name typed into its box.
    bool find(const QString &menuItem, const QString &boxTitle, const QString &name);
    std::optional<Accessible> control(const QString &windowTitle, const QString &name, const QString &role) const;
    // What a text box of the window holds, as a screen reader reads it.
    QString shownText(const QString &name, const QString &windowTitle = mainTitle) const;
    // File > Exit with its shortcut, Yes to its question: the program ends of itself.
    bool exitWithYes();
    // Saved beside the test for people to look at.
    QImage screenshot(const QString &windowId, const QString &name) const;
    // What the program and the desktop said, for failure messages.
    std::string said() const
    {
        return ("the program said: " + program.errorOutput() + "\n" + desktop.log()).toStdString();
    }

    TempDir temp;
    const QString programFolder = temp.file("zentdeck");
    const QString catalogue = programFolder + "/zentdeck.znt";
    const QString home = temp.file("home");
    const QString tmp = temp.file("tmp"); // the program's TMPDIR
    PrivateDesktop desktop;
    const QString launcher; // empty: the copy of the built program folder is started in it
    const QString currentFolder = launcher.isEmpty() ? programFolder : temp.file("current");
    ScreenReader reader{desktop.environment().value("DBUS_SESSION_BUS_ADDRESS")};
    ScopedProcess program{temp.path(), "zentdeck"};
    bool splashSeen = false;
    QHash<QString, QPoint> places;
};

template <PrivateDesktop::Kind kind>
class On : public RealWindow
{
protected:
    On() : RealWindow(kind) {}
};
using OnADesktop = On<PrivateDesktop::Kind::WithWindowManager>;
// Without a window manager nobody hands the keyboard back when a box closes: the program must.
using OnABareDisplay = On<PrivateDesktop::Kind::BareDisplay>;
