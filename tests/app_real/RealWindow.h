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

// Every file and folder under the folder, as paths relative to it.
QStringList filesUnder(const QString &folder);

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
    QString xdotool(const QStringList &arguments) const;
    QString shownWindow(const QString &title) const; // its id, or ""
    QString waitForWindow(const QString &title) const;
    bool waitForWindowGone(const QString &title) const;
    // Waits for the box, types the keys that answer it, and waits for it to go.
    bool answer(const QString &title, const QString &keys) const;
    void type(const QString &keys) const; // key names, blank-separated: "Down Down Return"
    void typeText(const QString &text) const;
    void click(const QPoint &where) const;
    // Clicks a control of a shown window, found by name (or label) and role the first time and
    // remembered where it is, as a user learns the window.
    bool clickOn(const QString &windowTitle, const QString &name, const QString &role);
    // Find > Find Zentari or Find Trainer, with the name typed into its box.
    bool find(const QString &menuItem, const QString &boxTitle, const QString &name);
    std::optional<Accessible> control(const QString &windowTitle, const QString &name, const QString &role) const;
    // Saved beside the test for people to look at.
    QImage screenshot(const QString &windowId, const QString &name) const;
    std::string said() const; // what the program and the desktop said, for failure messages

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

class OnADesktop : public RealWindow
{
protected:
    OnADesktop() : RealWindow(PrivateDesktop::Kind::WithWindowManager) {}
};

// Without a window manager nobody hands the keyboard back when a box closes: the program must.
class OnABareDisplay : public RealWindow
{
protected:
    OnABareDisplay() : RealWindow(PrivateDesktop::Kind::BareDisplay) {}
};
