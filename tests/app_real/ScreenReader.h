#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// One object of a program's accessibility tree: the bus name of its program and its path.
struct Accessible
{
    QString service;
    QString path;
};

// Reads running programs as a screen reader does: through the desktop's accessibility bus
// (AT-SPI), which shows each window's controls with their names, roles and states.
class ScreenReader
{
public:
    // Starts the accessibility bus through the session bus at that address, as a desktop does at
    // login, and connects to it. Programs started afterwards publish their windows on it.
    explicit ScreenReader(const QString &sessionBusAddress);
    ~ScreenReader();
    ScreenReader(const ScreenReader &) = delete;
    ScreenReader &operator=(const ScreenReader &) = delete;

    // Empty when connected.
    QString error() const { return failure; }

    // A top-level window on screen, of any program, with exactly that title.
    std::optional<Accessible> window(const QString &title) const;
    // The object holding the keyboard focus inside root.
    std::optional<Accessible> focused(const Accessible &root) const;
    QString name(const Accessible &object) const;
    QString description(const Accessible &object) const;
    QString role(const Accessible &object) const;
    // The names of the objects that label it (a label whose buddy it is).
    QStringList labels(const Accessible &object) const;
    // The names of every object on screen inside root, in tree order.
    QStringList shownNames(const Accessible &root) const;
    // The first object on screen inside root with that role, called so by its name or by the
    // label it has.
    std::optional<Accessible> find(const Accessible &root, const QString &name,
                                   const QString &role) const;
    // Where the object is on the screen.
    QRect extents(const Accessible &object) const;
    // The text an editable or read-only text object holds.
    QString text(const Accessible &object) const;
    // Does what the object's first action does (a button's press), as a screen reader's user
    // would; false when the program refused.
    bool press(const Accessible &object) const;

private:
    // Empty, with the failure noted, when there is none.
    QString accessibilityBusAddress(const QString &sessionBusAddress);
    QDBusMessage call(const Accessible &object, const QString &interface, const QString &method,
                      const QVariantList &arguments = {}) const;
    QList<Accessible> children(const Accessible &object) const;
    QString property(const Accessible &object, const QString &which) const;
    bool hasState(const Accessible &object, int state) const;
    // Visits root and the objects on screen below it, depth first, until visit returns true.
    bool visitShown(const Accessible &root, const std::function<bool(const Accessible &)> &visit,
                    int depth = 0) const;

    QDBusConnection accessibilityBus;
    QString failure;
};
