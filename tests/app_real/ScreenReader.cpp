#include "ScreenReader.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusVariant>

namespace {

const Accessible desktopRoot{"org.a11y.atspi.Registry", QDBusObjectPath("/org/a11y/atspi/accessible/root")};
// Numbers of the accessibility protocol.
constexpr int stateFocused = 12;
constexpr int stateShowing = 25;
constexpr uint relationLabelledBy = 2;

QVariant firstArgument(const QDBusMessage &reply)
{
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
               ? reply.arguments().constFirst() : QVariant();
}

} // namespace

ScreenReader::ScreenReader(const QString &sessionBusAddress) : bus("zent-screen-reader-a11y")
{
    // Asking the session bus for the accessibility bus's address starts it.
    QDBusConnection session = QDBusConnection::connectToBus(sessionBusAddress, "zent-screen-reader-session");
    const QDBusMessage reply = session.call(
        QDBusMessage::createMethodCall("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress"),
        QDBus::Block, 15000);
    const QString address = firstArgument(reply).toString();
    QDBusConnection::disconnectFromBus("zent-screen-reader-session");
    if (address.isEmpty()) {
        failure = "no accessibility bus: " + reply.errorMessage();
        return;
    }
    bus = QDBusConnection::connectToBus(address, "zent-screen-reader-a11y");
    if (!bus.isConnected())
        failure = "cannot reach the accessibility bus: " + bus.lastError().message();
}

ScreenReader::~ScreenReader()
{
    QDBusConnection::disconnectFromBus("zent-screen-reader-a11y");
}

QVariant ScreenReader::answer(const Accessible &object, const QString &interface,
                              const QString &method, const QVariantList &arguments) const
{
    QDBusMessage message = QDBusMessage::createMethodCall(object.first, object.second.path(), interface, method);
    message.setArguments(arguments);
    return firstArgument(bus.call(message, QDBus::Block, 5000));
}

QString ScreenReader::property(const Accessible &object, const QString &which) const
{
    return answer(object, "org.freedesktop.DBus.Properties", "Get", {accessible, which})
        .value<QDBusVariant>().variant().toString();
}

QList<Accessible> ScreenReader::children(const Accessible &object) const
{
    return qdbus_cast<QList<Accessible>>(answer(object, accessible, "GetChildren"));
}

bool ScreenReader::hasState(const Accessible &object, int state) const
{
    // The states come as a bit set split into 32-bit words.
    const auto words = qdbus_cast<QList<uint>>(answer(object, accessible, "GetState"));
    return state / 32 < words.size() && (words.at(state / 32) >> (state % 32)) & 1u;
}

QStringList ScreenReader::labels(const Accessible &object) const
{
    // Each relation of the object to others, such as "labelled by", with the objects it relates to.
    QStringList names;
    for (const auto &[type, targets] :
         qdbus_cast<QList<std::pair<uint, QList<Accessible>>>>(answer(object, accessible, "GetRelationSet")))
        for (const Accessible &target : targets)
            if (type == relationLabelledBy)
                names.append(name(target));
    return names;
}

QRect ScreenReader::extents(const Accessible &object) const
{
    // Coordinates on the screen (type 0), as (x, y, width, height).
    return qdbus_cast<QRect>(answer(object, "org.a11y.atspi.Component", "GetExtents", {0u}));
}

std::optional<Accessible> ScreenReader::visitShown(const Accessible &root,
                                                   const std::function<bool(const Accessible &)> &visit,
                                                   int depth) const
{
    // Objects off screen (closed windows, a combo box's hidden list) are skipped with all they
    // hold; the depth is bounded so that a broken tree cannot keep the test busy.
    if (depth > 30 || !hasState(root, stateShowing))
        return std::nullopt;
    if (visit(root))
        return root;
    for (const Accessible &child : children(root))
        if (const auto found = visitShown(child, visit, depth + 1))
            return found;
    return std::nullopt;
}

std::optional<Accessible> ScreenReader::window(const QString &title) const
{
    for (const Accessible &program : children(desktopRoot))
        for (const Accessible &candidate : children(program))
            if (hasState(candidate, stateShowing) && name(candidate) == title)
                return candidate;
    return std::nullopt;
}

std::optional<Accessible> ScreenReader::focused(const Accessible &root) const
{
    return visitShown(root, [&](const Accessible &object) { return hasState(object, stateFocused); });
}

std::optional<Accessible> ScreenReader::find(const Accessible &root, const QString &wanted,
                                             const QString &wantedRole) const
{
    return visitShown(root, [&](const Accessible &object) {
        return role(object) == wantedRole && (name(object) == wanted || labels(object).contains(wanted));
    });
}

QStringList ScreenReader::unnamedControls(const Accessible &root) const
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
