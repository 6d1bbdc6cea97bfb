#include "platform/db/DataControl.h"

#include "platform/db/Connection.h"
#include "platform/db/Cursor.h"
#include "platform/db/SqlDialect.h"
#include "platform/db/StatementLog.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

DataControl::DataControl(StatementLog *log) : log(log) {}

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

void DataControl::bind(QWidget *textBox, const QString &column)
{
    bindings.append({textBox, column});
}

void DataControl::refresh()
{
    if (log)
        log->add(source);
    if (!connection)
        connection = Connection::open(fileName, readOnly ? Connection::Mode::ReadOnly
                                                         : Connection::Mode::ReadWrite);
    const QString sql = sql_dialect::isTableName(source) ? sql_dialect::selectTable(source)
                                                         : sql_dialect::toSqlite(source);
    QStringList values;
    QStringList columns;
    {
        // Only the first row is ever shown: read it and let the statement go at once, so the
        // control holds no lock while the program writes through its other opens of the file.
        const Cursor cursor(connection, sql);
        columns = cursor.columnNames();
        for (int i = 0; !cursor.eof() && i < columns.size(); ++i)
            values << cursor.value(i);
    }
    currentColumns = columns;
    currentValues = values;
    show();
}

QString DataControl::value(const QString &column) const
{
    const int index = findColumn(currentColumns, column);
    return index >= 0 ? currentValues.value(index) : QString();
}

void DataControl::show()
{
    for (const Binding &binding : bindings) {
        const QString text = value(binding.column);
        if (auto *line = qobject_cast<QLineEdit *>(binding.box)) {
            line->setText(text);
            line->setCursorPosition(0); // show the start of a long value, not its end
        } else if (auto *edit = qobject_cast<QTextEdit *>(binding.box)) {
            edit->setPlainText(text);
        } else if (auto *plain = qobject_cast<QPlainTextEdit *>(binding.box)) {
            plain->setPlainText(text);
        }
    }
}
