#include "platform/db/DataControl.h"

#include "platform/db/Connection.h"
#include "platform/db/Cursor.h"
#include "platform/db/StatementLog.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace db {

DataControl::DataControl(StatementLog *statementLog) : log(statementLog) {}

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
    QStringList columns;
    QStringList values;
    {
        // Only the first row is ever shown: read it and let the statement go at once, so the
        // control holds no lock while the program writes through its other opens of the file.
        Cursor cursor(connection, source);
        columns = cursor.columnNames();
        if (!cursor.eof())
            values = cursor.values();
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
    for (const Binding &binding : std::as_const(bindings)) {
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

} // namespace db
