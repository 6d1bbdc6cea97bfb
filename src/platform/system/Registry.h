#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

namespace sys {

// Root keys, result codes, value types and access rights with their classic values.
inline constexpr quint32 HKEY_CLASSES_ROOT = 0x80000000;
inline constexpr quint32 HKEY_CURRENT_USER = 0x80000001;
inline constexpr quint32 HKEY_LOCAL_MACHINE = 0x80000002;
inline constexpr quint32 HKEY_USERS = 0x80000003;

inline constexpr long ERROR_SUCCESS = 0;
inline constexpr long ERROR_FILE_NOT_FOUND = 2;
inline constexpr long ERROR_ACCESS_DENIED = 5;
inline constexpr long ERROR_INVALID_HANDLE = 6;
inline constexpr long ERROR_MORE_DATA = 234;

inline constexpr quint32 REG_SZ = 1;
inline constexpr quint32 REG_DWORD = 4;

inline constexpr quint32 KEY_QUERY_VALUE = 0x1;
inline constexpr quint32 KEY_SET_VALUE = 0x2;
inline constexpr quint32 KEY_CREATE_SUB_KEY = 0x4;
inline constexpr quint32 KEY_ENUMERATE_SUB_KEYS = 0x8;
inline constexpr quint32 KEY_NOTIFY = 0x10;
inline constexpr quint32 KEY_CREATE_LINK = 0x20;
inline constexpr quint32 READ_CONTROL = 0x20000;

// The system-wide settings store the about box reads the system information program's place
// from. There is none on this platform, so this is an in-memory store with the same three calls,
// result codes and case-insensitive key paths. A key can refuse to be opened, and every call is
// logged, so every outcome can be reached and checked.
class Registry
{
public:
    struct Value
    {
        quint32 type = REG_SZ;
        QByteArray data;
    };

    struct Call
    {
        QString function;   // "RegOpenKeyExA", "RegQueryValueExA", "RegCloseKey"
        QString key;        // root and path as "HKEY_LOCAL_MACHINE\SOFTWARE\..."
        QString valueName;  // for queries
        long result = ERROR_SUCCESS;
    };

    // The store as the program uses it on this system: the first lookup of the about box names
    // the first system information program found on the PATH.
    static Registry forThisSystem();
    // The programs tried, in order.
    static QStringList systemInfoPrograms();

    // Filling the store.
    void setValue(quint32 root, const QByteArray &subKey, const QByteArray &valueName, Value value);
    void setString(quint32 root, const QByteArray &subKey, const QByteArray &valueName,
                   const QByteArray &text);   // REG_SZ with its terminating zero
    void denyAccess(quint32 root, const QByteArray &subKey);

    // The classic calls.
    long RegOpenKeyExA(quint32 root, const QByteArray &subKey, quint32 options, quint32 access,
                       quint32 *resultHandle);
    // buffer comes in with the room the caller offers (its size); the data is copied into it and
    // size set to the bytes written. A value larger than the buffer gives ERROR_MORE_DATA with
    // size set to the room needed, and the buffer untouched.
    long RegQueryValueExA(quint32 handle, const QByteArray &valueName, quint32 *type,
                          QByteArray &buffer, quint32 *size);
    long RegCloseKey(quint32 handle);

    const QList<Call> &log() const { return calls; }

private:
    struct Key
    {
        QString displayName;
        bool denied = false;
        QMap<QByteArray, Value> values;   // by lower-case name
    };

    static QString keyId(quint32 root, const QByteArray &subKey);
    static QString rootName(quint32 root);
    Key &keyAt(quint32 root, const QByteArray &subKey);
    long record(const QString &function, const QString &key, const QString &valueName, long result);

    QMap<QString, Key> keys;          // by lower-case id
    QMap<quint32, QString> openKeys;  // handle -> key id
    quint32 nextHandle = 0x100;
    QList<Call> calls;
};

} // namespace sys
