#pragma once

#include "Testing.h"
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

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
    // connects to it. Programs started afterwards publish their windows on it. (Why the bus did
    // not start, the session bus's log says.)
    explicit ScreenReader(const QString &sessionBusAddress) : bus("zent-screen-reader-a11y")
    {
        QDBusConnection session = QDBusConnection::connectToBus(sessionBusAddress, "zent-screen-reader-session");
        const QDBusMessage reply = session.call(
            QDBusMessage::createMethodCall("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress"),
            QDBus::Block, 15000);
        QDBusConnection::disconnectFromBus("zent-screen-reader-session");
        bus = QDBusConnection::connectToBus(firstArgument(reply).toString(), "zent-screen-reader-a11y");
    }
    ~ScreenReader() { QDBusConnection::disconnectFromBus("zent-screen-reader-a11y"); }
    bool connected() const { return bus.isConnected(); }

    // A top-level window on screen, of any program, with exactly that title.
    std::optional<Accessible> window(const QString &title) const
    {
        for (const Accessible &program : children(desktopRoot))
            for (const Accessible &candidate : children(program))
                if (hasState(candidate, stateShowing) && name(candidate) == title)
                    return candidate;
        return std::nullopt;
    }
    // The object holding the keyboard focus inside root.
    std::optional<Accessible> focused(const Accessible &root) const
    {
        return visitShown(root, [&](const Accessible &object) { return hasState(object, stateFocused); });
    }
    // The first object on screen inside root with that role, called so by its name or its label.
    std::optional<Accessible> find(const Accessible &root, const QString &wanted, const QString &wantedRole) const
    {
        return visitShown(root, [&](const Accessible &object) {
            return role(object) == wantedRole && (name(object) == wanted || labels(object).contains(wanted));
        });
    }
    // The controls on screen inside root that a user works or reads (texts, lists, buttons,
    // pictures, menus) but that nothing names: no name of their own, no label.
    QStringList unnamedControls(const Accessible &root) const
    {
        static const QStringList controls = {"text", "combo box", "push button", "list", "check box", "graphic",
                                             "menu item"};
        QStringList unnamed;
        visitShown(root, [&](const Accessible &object) {
            const QString kind = role(object);
            if (controls.contains(kind) && name(object).trimmed().isEmpty() && labels(object).isEmpty())
                unnamed.append(kind + " " + object.second.path());
            return false;
        });
        return unnamed;
    }

    QString name(const Accessible &object) const { return property(object, "Name"); }
    QString description(const Accessible &object) const { return property(object, "Description"); }
    QString role(const Accessible &object) const { return answer(object, accessible, "GetRoleName").toString(); }
    // The names of the labels it has: each relation of the object to others, such as
    // "labelled by", comes with the objects it relates to.
    QStringList labels(const Accessible &object) const
    {
        QStringList names;
        for (const auto &[type, targets] :
             qdbus_cast<QList<std::pair<uint, QList<Accessible>>>>(answer(object, accessible, "GetRelationSet")))
            for (const Accessible &target : targets)
                if (type == relationLabelledBy)
                    names.append(name(target));
        return names;
    }
    // What a text object holds.
    QString text(const Accessible &object) const { return answer(object, textApi, "GetText", {0, -1}).toString(); }
    // Where it is on the screen: in screen coordinates (type 0), as (x, y, width, height).
    QRect extents(const Accessible &object) const
    {
        return qdbus_cast<QRect>(answer(object, "org.a11y.atspi.Component", "GetExtents", {0u}));
    }

private:
    static inline const QString accessible = "org.a11y.atspi.Accessible", textApi = "org.a11y.atspi.Text";
    static inline const Accessible desktopRoot{"org.a11y.atspi.Registry",
                                               QDBusObjectPath("/org/a11y/atspi/accessible/root")};
    // Numbers of the accessibility protocol.
    static constexpr int stateFocused = 12;
    static constexpr int stateShowing = 25;
    static constexpr uint relationLabelledBy = 2;

    static QVariant firstArgument(const QDBusMessage &reply)
    {
        return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
                   ? reply.arguments().constFirst() : QVariant();
    }
    QVariant answer(const Accessible &object, const QString &interface, const QString &method,
                    const QVariantList &arguments = {}) const
    {
        QDBusMessage message = QDBusMessage::createMethodCall(object.first, object.second.path(), interface, method);
        message.setArguments(arguments);
        return firstArgument(bus.call(message, QDBus::Block, 5000));
    }
    QString property(const Accessible &object, const QString &which) const
    {
        return answer(object, "org.freedesktop.DBus.Properties", "Get", {accessible, which})
            .value<QDBusVariant>().variant().toString();
    }
    QList<Accessible> children(const Accessible &object) const
    {
        return qdbus_cast<QList<Accessible>>(answer(object, accessible, "GetChildren"));
    }
    bool hasState(const Accessible &object, int state) const
    {
        // The states come as a bit set split into 32-bit words.
        const auto words = qdbus_cast<QList<uint>>(answer(object, accessible, "GetState"));
        return state / 32 < words.size() && (words.at(state / 32) >> (state % 32)) & 1u;
    }
    // Visits root and the objects on screen below it, depth first, until visit returns true:
    // the object it returned true for, if any. Objects off screen (closed windows, a combo
    // box's hidden list) are skipped with all they hold; the depth is bounded so that a broken
    // tree cannot keep the test busy.
    std::optional<Accessible> visitShown(const Accessible &root, const std::function<bool(const Accessible &)> &visit,
                                         int depth = 0) const
    {
        if (depth > 30 || !hasState(root, stateShowing))
            return std::nullopt;
        if (visit(root))
            return root;
        for (const Accessible &child : children(root))
            if (const auto found = visitShown(child, visit, depth + 1))
                return found;
        return std::nullopt;
    }

    QDBusConnection bus;
};
