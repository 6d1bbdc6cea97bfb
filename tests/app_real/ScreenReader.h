#pragma once

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// One object of a program's accessibility tree: the bus name of its program and its path.
using Accessible = std::pair<QString, QDBusObjectPath>;

// Reads running programs as a screen reader does: through the desktop's accessibility bus
// (AT-SPI), which shows each window's controls with their names, roles, states and texts.
class ScreenReader
{
public:
    // Starts the accessibility bus through the session bus, as a desktop does at login, and
    // connects to it. Programs started afterwards publish their windows on it.
    explicit ScreenReader(const QString &sessionBusAddress);
    ~ScreenReader();
    QString error() const { return failure; } // empty when connected

    // A top-level window on screen, of any program, with exactly that title.
    std::optional<Accessible> window(const QString &title) const;
    // The object holding the keyboard focus inside root.
    std::optional<Accessible> focused(const Accessible &root) const;
    // The first object on screen inside root with that role, called so by its name or its label.
    std::optional<Accessible> find(const Accessible &root, const QString &name, const QString &role) const;

    // The names of the controls on screen inside root that a user works or reads (texts,
    // lists, buttons, pictures) but that nothing names: no name of their own, no label.
    QStringList unnamedControls(const Accessible &root) const;

    QString name(const Accessible &object) const { return property(object, "Name"); }
    QString description(const Accessible &object) const { return property(object, "Description"); }
    QString role(const Accessible &object) const { return answer(object, accessible, "GetRoleName").toString(); }
    QStringList labels(const Accessible &object) const; // the names of the labels it has
    // What a text object holds.
    QString text(const Accessible &object) const
    {
        return answer(object, "org.a11y.atspi.Text", "GetText", {0, -1}).toString();
    }
    QRect extents(const Accessible &object) const;      // where it is on the screen

private:
    static inline const QString accessible = "org.a11y.atspi.Accessible";
    QVariant answer(const Accessible &object, const QString &interface, const QString &method,
                    const QVariantList &arguments = {}) const;
    QString property(const Accessible &object, const QString &which) const;
    QList<Accessible> children(const Accessible &object) const;
    bool hasState(const Accessible &object, int state) const;
    // Visits root and the objects on screen below it, depth first, until visit returns true:
    // the object it returned true for, if any.
    std::optional<Accessible> visitShown(const Accessible &root,
                                         const std::function<bool(const Accessible &)> &visit, int depth = 0) const;

    QDBusConnection bus;
    QString failure;
};
