#include "platform/system/Registry.h"

#include <QStandardPaths>

namespace sys {

namespace {

// Rights that change the store; a key whose access is refused refuses them.
constexpr quint32 writeRights = KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK;

} // namespace

QStringList Registry::systemInfoPrograms()
{
    return {QStringLiteral("hardinfo"), QStringLiteral("gnome-system-monitor"),
            QStringLiteral("kinfocenter"), QStringLiteral("ksysguard"),
            QStringLiteral("xfce4-taskmanager"), QStringLiteral("lxtask")};
}

Registry Registry::forThisSystem()
{
    Registry registry;
    for (const QString &program : systemInfoPrograms()) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty()) {
            registry.setString(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                               "PATH", path.toLocal8Bit());
            break;
        }
    }
    return registry;
}

QString Registry::rootName(quint32 root)
{
    switch (root) {
    case HKEY_CLASSES_ROOT: return QStringLiteral("HKEY_CLASSES_ROOT");
    case HKEY_CURRENT_USER: return QStringLiteral("HKEY_CURRENT_USER");
    case HKEY_LOCAL_MACHINE: return QStringLiteral("HKEY_LOCAL_MACHINE");
    case HKEY_USERS: return QStringLiteral("HKEY_USERS");
    default: break;
    }
    return {};
}

QString Registry::keyId(quint32 root, const QByteArray &subKey)
{
    return rootName(root) + QLatin1Char('\\') + QString::fromLocal8Bit(subKey);
}

Registry::Key &Registry::keyAt(quint32 root, const QByteArray &subKey)
{
    const QString id = keyId(root, subKey);
    Key &key = keys[id.toLower()];
    key.displayName = id;
    return key;
}

void Registry::setValue(quint32 root, const QByteArray &subKey, const QByteArray &valueName,
                        Value value)
{
    keyAt(root, subKey).values.insert(valueName.toLower(), std::move(value));
}

void Registry::setString(quint32 root, const QByteArray &subKey, const QByteArray &valueName,
                         const QByteArray &text)
{
    setValue(root, subKey, valueName, Value{REG_SZ, text + '\0'});
}

void Registry::denyAccess(quint32 root, const QByteArray &subKey)
{
    keyAt(root, subKey).denied = true;
}

long Registry::record(const QString &function, const QString &key, const QString &valueName,
                      long result)
{
    calls.append(Call{function, key, valueName, result});
    return result;
}

long Registry::RegOpenKeyExA(quint32 root, const QByteArray &subKey, quint32 options,
                             quint32 access, quint32 *resultHandle)
{
    Q_UNUSED(options);
    const QString id = keyId(root, subKey);
    if (resultHandle)
        *resultHandle = 0;
    if (rootName(root).isEmpty() || !resultHandle)
        return record(QStringLiteral("RegOpenKeyExA"), id, {}, ERROR_INVALID_HANDLE);
    const auto found = keys.constFind(id.toLower());
    if (found == keys.constEnd())
        return record(QStringLiteral("RegOpenKeyExA"), id, {}, ERROR_FILE_NOT_FOUND);
    if (found->denied && (access & writeRights))
        return record(QStringLiteral("RegOpenKeyExA"), id, {}, ERROR_ACCESS_DENIED);

    *resultHandle = nextHandle++;
    openKeys.insert(*resultHandle, id.toLower());
    return record(QStringLiteral("RegOpenKeyExA"), id, {}, ERROR_SUCCESS);
}

long Registry::RegQueryValueExA(quint32 handle, const QByteArray &valueName, quint32 *type,
                                QByteArray &buffer, quint32 *size)
{
    const QString function = QStringLiteral("RegQueryValueExA");
    const QString name = QString::fromLocal8Bit(valueName);
    const auto open = openKeys.constFind(handle);
    if (open == openKeys.constEnd() || !size)
        return record(function, {}, name, ERROR_INVALID_HANDLE);
    const Key &key = keys[*open];
    const auto value = key.values.constFind(valueName.toLower());
    if (value == key.values.constEnd())
        return record(function, key.displayName, name, ERROR_FILE_NOT_FOUND);

    if (type)
        *type = value->type;
    const qsizetype room = qMin(qsizetype(*size), buffer.size());
    *size = quint32(value->data.size());
    if (value->data.size() > room)
        return record(function, key.displayName, name, ERROR_MORE_DATA);
    buffer.replace(0, value->data.size(), value->data);
    return record(function, key.displayName, name, ERROR_SUCCESS);
}

long Registry::RegCloseKey(quint32 handle)
{
    const auto open = openKeys.constFind(handle);
    if (open == openKeys.constEnd())
        return record(QStringLiteral("RegCloseKey"), {}, {}, ERROR_INVALID_HANDLE);
    const QString name = keys[*open].displayName;
    openKeys.erase(open);
    return record(QStringLiteral("RegCloseKey"), name, {}, ERROR_SUCCESS);
}

} // namespace sys
