#include "platform/db/DataControl.h"

#include "platform/db/Connection.h"
#include "platform/db/Cursor.h"
#include "platform/db/StatementLog.h"

namespace db {

DataControl::DataControl(const Engine &opener, StatementLog *statementLog) : engine(opener), log(statementLog) {}

DataControl::~DataControl() = default;

void DataControl::setDatabaseName(const QString &path)
{
    if (path != fileName)
        connection.reset();
    fileName = path;
}

void DataControl::setRecordSource(const QString &recordSource)
{
    source = recordSource;
}

void DataControl::setReadOnly(bool value)
{
    if (value != readOnly)
        connection.reset();
    readOnly = value;
}

void DataControl::refresh()
{
    if (log)
        log->add(source);
    if (!connection)
        connection = Connection::open(engine, fileName, readOnly ? Connection::Mode::ReadOnly
                                                         : Connection::Mode::ReadWrite);
    QStringList columns;
    QStringList values;
    {
        // Only the first row is ever shown: read it and let the statement go at once, so the
        // control holds no lock while the program writes through its other opens of the file.
        const std::unique_ptr<Cursor> cursor = Cursor::open(connection, source);
        columns = cursor->columnNames();
        if (!cursor->eof())
            values = cursor->values();
    }
    currentColumns = columns;
    currentValues = values;
    if (shown)
        shown();
}

QString DataControl::value(const QString &column) const
{
    const int index = findColumn(currentColumns, column);
    return index >= 0 ? currentValues.value(index) : QString();
}

} // namespace db
