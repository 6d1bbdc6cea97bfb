#pragma once

#include <QString>
#include <QStringList>

namespace db {

// Every statement text the engine received, in order, exactly as the program built it.
// Tests give one to the catalogue to check the statements the program sends; the program
// itself keeps none.
class StatementLog
{
public:
    void add(const QString &text) { entries.append(text); }
    const QStringList &texts() const { return entries; }
    void clear() { entries.clear(); }

private:
    QStringList entries;
};

} // namespace db
