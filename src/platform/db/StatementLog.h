#pragma once

#include <QString>
#include <QStringList>

// Every statement text the engine received, in order, exactly as the program built it.
// Tests read it to check the statements the program sends.
class StatementLog
{
public:
    void add(const QString &text) { entries.append(text); }
    const QStringList &texts() const { return entries; }
    void clear() { entries.clear(); }

private:
    QStringList entries;
};
