#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace db {

class Connection;
class Engine;
class StatementLog;

// A data control: a catalogue file and a record source (a table name or a SELECT statement). A
// refresh runs the record source and makes its first row the current row; whoever shows that
// row (the text boxes bound to its columns, a layer up) is told after each refresh.
class DataControl
{
public:
    explicit DataControl(const Engine &engine, StatementLog *log = nullptr);
    ~DataControl();

    // Kept until changed; nothing is read until the next refresh.
    void setDatabaseName(const QString &path);
    void setRecordSource(const QString &source);
    // A read-only control opens its file read-only, so it can never write it.
    void setReadOnly(bool readOnly);

    const QString &databaseName() const { return fileName; }
    const QString &recordSource() const { return source; }

    // Called after every refresh that ran, with or without a row.
    void onRefreshed(std::function<void()> refreshed) { shown = std::move(refreshed); }

    // Runs the record source; throws DbError (and changes nothing) when it cannot.
    void refresh();

    QString value(const QString &column) const; // "" without a current row

private:
    const Engine &engine;
    StatementLog *log;
    QString fileName;
    QString source;
    bool readOnly = false;
    std::shared_ptr<Connection> connection;
    std::function<void()> shown;
    QStringList currentColumns;
    QStringList currentValues; // empty: no current row
};

} // namespace db
