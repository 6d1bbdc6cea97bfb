#pragma once

#include "PrivateDesktop.h"
#include "ScopedProcess.h"
#include "ScreenReader.h"
#include "TempDir.h"

#include <QElapsedTimer>
#include <QImage>
#include <QRect>
#include <QThread>

#include <gtest/gtest.h>

#include <optional>

inline const QString mainTitle = "Zentari Deck Builder";

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

// A user at a desktop of the test's own, with a copy of the program folder: the windows as
// xdotool sees them, the controls as a screen reader reads them, keys typed to whichever
// window has the keyboard. The program runs with a home folder of its own, so what it leaves
// there can be seen.
class RealWindow : public ::testing::Test
{
protected:
    explicit RealWindow(PrivateDesktop::Kind kind) : desktop(temp.path(), kind) {}
    void SetUp() override;

    // Starts the program; the main window's id once it is shown, or empty.
    QString launch(const QStringList &arguments = {});
    QString xdotool(const QStringList &arguments) const;
    QString shownWindow(const QString &title) const; // "" when none
    QString waitForWindow(const QString &title) const;
    bool waitForWindowGone(const QString &title) const;
    void type(const QString &keys) const; // key names, blank-separated: "Down Down Return"
    void typeText(const QString &text) const;
    void click(const QPoint &where) const;
    // Clicks a control of a shown window, found as control() finds it, at a point of its own.
    bool clickControl(const QString &windowTitle, const QString &name, const QString &role,
                      QPoint (*where)(const QRect &) = [](const QRect &r) { return r.center(); }) const;
    QRect geometry(const QString &windowId) const;
    // Saved beside the test for people to look at.
    QImage screenshot(const QString &windowId, const QString &name) const;
    // A control of a shown window, found by name and role as a screen reader finds it.
    std::optional<Accessible> control(const QString &windowTitle, const QString &name,
                                      const QString &role) const;
    // What the program and the desktop said, for failure messages.
    std::string said() const;

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

// Without a window manager nobody hands the keyboard back when a box closes: the program must.
class OnABareDisplay : public RealWindow
{
protected:
    OnABareDisplay() : RealWindow(PrivateDesktop::Kind::BareDisplay) {}
};
