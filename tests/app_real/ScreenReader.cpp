#include "ScreenReader.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {

const QString sessionConnection = "zent-screen-reader-session";
const QString accessibilityConnection = "zent-screen-reader-a11y";
const QString accessibleInterface = "org.a11y.atspi.Accessible";
const Accessible desktopRoot{"org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root"};
constexpr int callTimeoutMs = 5000;

// State and relation numbers of the accessibility protocol.
constexpr int stateFocused = 12;
constexpr int stateShowing = 25;
constexpr uint relationLabelledBy = 2;

// Limits the walk through a window, so a broken tree cannot keep the test busy.
constexpr int deepestLevel = 30;

QList<Accessible> readObjects(const QDBusArgument &argument)
{
    QList<Accessible> objects;
    argument.beginArray();
    while (!argument.atEnd()) {
        Accessible object;
        QDBusObjectPath path;
        argument.beginStructure();
        argument >> object.service >> path;
        argument.endStructure();
        object.path = path.path();
        objects.append(object);
    }
    argument.endArray();
    return objects;
}

QVariant firstArgument(const QDBusMessage &reply)
{
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()
               ? reply.arguments().constFirst()
               : QVariant();
}

} // namespace

ScreenReader::ScreenReader(const QString &sessionBusAddress)
    : accessibilityBus(accessibilityConnection)
{
    const QString address = accessibilityBusAddress(sessionBusAddress);
    if (address.isEmpty())
        return;
    accessibilityBus = QDBusConnection::connectToBus(address, accessibilityConnection);
    if (!accessibilityBus.isConnected())
        failure = "cannot reach the accessibility bus: " + accessibilityBus.lastError().message();
}

ScreenReader::~ScreenReader()
{
    QDBusConnection::disconnectFromBus(accessibilityConnection);
}

QString ScreenReader::accessibilityBusAddress(const QString &sessionBusAddress)
{
    const QDBusConnection sessionBus =
        QDBusConnection::connectToBus(sessionBusAddress, sessionConnection);
    // Asking for the address starts the accessibility bus.
    const QDBusMessage reply = sessionBus.call(
        QDBusMessage::createMethodCall("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress"),
        QDBus::Block, 15000);
    const QString address = firstArgument(reply).toString();
    if (!sessionBus.isConnected())
        failure = "no session bus: " + sessionBus.lastError().message();
    else if (address.isEmpty())
        failure = "no accessibility bus: " + reply.errorMessage();
    QDBusConnection::disconnectFromBus(sessionConnection);
    return address;
}

QDBusMessage ScreenReader::call(const Accessible &object, const QString &interface,
                                const QString &method, const QVariantList &arguments) const
{
    QDBusMessage message =
        QDBusMessage::createMethodCall(object.service, object.path, interface, method);
    message.setArguments(arguments);
    return accessibilityBus.call(message, QDBus::Block, callTimeoutMs);
}

QList<Accessible> ScreenReader::children(const Accessible &object) const
{
    const QVariant list = firstArgument(call(object, accessibleInterface, "GetChildren"));
    return list.canConvert<QDBusArgument>() ? readObjects(list.value<QDBusArgument>())
                                            : QList<Accessible>();
}

bool ScreenReader::hasState(const Accessible &object, int state) const
{
    // The states come as a bit set split into 32-bit words.
    const auto words =
        qdbus_cast<QList<uint>>(firstArgument(call(object, accessibleInterface, "GetState")));
    const int word = state / 32;
    return word < words.size() && (words.at(word) >> (state % 32)) & 1u;
}

QString ScreenReader::name(const Accessible &object) const
{
    return property(object, "Name");
}

QString ScreenReader::description(const Accessible &object) const
{
    return property(object, "Description");
}

QString ScreenReader::property(const Accessible &object, const QString &which) const
{
    const QVariant value = firstArgument(call(object, "org.freedesktop.DBus.Properties", "Get",
                                              {accessibleInterface, which}));
    return value.value<QDBusVariant>().variant().toString();
}

QString ScreenReader::role(const Accessible &object) const
{
    return firstArgument(call(object, accessibleInterface, "GetRoleName")).toString();
}

QStringList ScreenReader::labels(const Accessible &object) const
{
    const QVariant set = firstArgument(call(object, accessibleInterface, "GetRelationSet"));
    if (!set.canConvert<QDBusArgument>())
        return {};
    QStringList names;
    const auto argument = set.value<QDBusArgument>();
    argument.beginArray();
    while (!argument.atEnd()) {
        uint relation = 0;
        argument.beginStructure();
        argument >> relation;
        for (const Accessible &target : readObjects(argument)) {
            if (relation == relationLabelledBy)
                names.append(name(target));
        }
        argument.endStructure();
    }
    argument.endArray();
    return names;
}

bool ScreenReader::visitShown(const Accessible &root,
                              const std::function<bool(const Accessible &)> &visit,
                              int depth) const
{
    // Objects off screen (closed windows, a combo box's hidden list) are skipped with all
    // they hold.
    if (depth > deepestLevel || !hasState(root, stateShowing))
        return false;
    if (visit(root))
        return true;
    for (const Accessible &child : children(root)) {
        if (visitShown(child, visit, depth + 1))
            return true;
    }
    return false;
}

std::optional<Accessible> ScreenReader::window(const QString &title) const
{
    for (const Accessible &program : children(desktopRoot)) {
        for (const Accessible &candidate : children(program)) {
            if (hasState(candidate, stateShowing) && name(candidate) == title)
                return candidate;
        }
    }
    return std::nullopt;
}

std::optional<Accessible> ScreenReader::focused(const Accessible &root) const
{
    std::optional<Accessible> found;
    visitShown(root, [&](const Accessible &object) {
        if (hasState(object, stateFocused))
            found = object;
        return found.has_value();
    });
    return found;
}

QStringList ScreenReader::shownNames(const Accessible &root) const
{
    QStringList names;
    visitShown(root, [&](const Accessible &object) {
        names.append(name(object));
        return false;
    });
    return names;
}

std::optional<Accessible> ScreenReader::find(const Accessible &root, const QString &wanted,
                                             const QString &wantedRole) const
{
    std::optional<Accessible> found;
    visitShown(root, [&](const Accessible &object) {
        if (role(object) == wantedRole && (name(object) == wanted || labels(object).contains(wanted)))
            found = object;
        return found.has_value();
    });
    return found;
}

bool ScreenReader::press(const Accessible &object) const
{
    const QDBusMessage reply = call(object, "org.a11y.atspi.Action", "DoAction", {0});
    return firstArgument(reply).toBool();
}

QRect ScreenReader::extents(const Accessible &object) const
{
    // Coordinates on the screen (type 0), as (x, y, width, height).
    const QVariant box = firstArgument(call(object, "org.a11y.atspi.Component", "GetExtents", {0u}));
    if (!box.canConvert<QDBusArgument>())
        return {};
    int x = 0, y = 0, width = 0, height = 0;
    const auto argument = box.value<QDBusArgument>();
    argument.beginStructure();
    argument >> x >> y >> width >> height;
    argument.endStructure();
    return {x, y, width, height};
}

QString ScreenReader::text(const Accessible &object) const
{
    return firstArgument(call(object, "org.a11y.atspi.Text", "GetText", {0, -1})).toString();
}
