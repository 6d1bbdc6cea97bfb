#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

namespace db {

class Connection;
class StatementLog;

// A data control: a catalogue file, a record source (a table name or a SELECT statement) and
// text boxes bound to columns. A refresh runs the record source and makes its first row the
// current row; every bound box then shows its column of that row, or nothing when there is no row.
class DataControl
{
public:
    explicit DataControl(StatementLog *log = nullptr);
    ~DataControl();

    // Kept until changed; nothing is read until the next refresh.
    void setDatabaseName(const QString &path);
    void setRecordSource(const QString &source);
    // A read-only control opens its file read-only, so it can never write it.
    void setReadOnly(bool readOnly);

    const QString &databaseName() const { return fileName; }
    const QString &recordSource() const { return source; }

    // Binds a QLineEdit, QTextEdit or QPlainTextEdit to a column.
    void bind(QWidget *textBox, const QString &column);

    // Runs the record source; throws DbError (and changes nothing shown) when it cannot.
    void refresh();

    bool hasCurrentRow() const { return !currentValues.isEmpty(); }
    QString value(const QString &column) const; // "" without a current row

private:
    struct Binding
    {
        QPointer<QWidget> box;
        QString column;
    };
    void show();

    StatementLog *log;
    QString fileName;
    QString source;
    bool readOnly = false;
    std::shared_ptr<Connection> connection;
    QList<Binding> bindings;
    QStringList currentColumns;
    QStringList currentValues; // empty: no current row
};

} // namespace db
