#pragma once

#include <QList>
#include <QPointer>
#include <QString>

class QWidget;

namespace db {
class DataControl;
}

namespace catalogue {

// Text boxes bound to the columns of a data control: after every refresh each shows its column
// of the current row as stored, or nothing when there is no row.
class BoundBoxes
{
public:
    explicit BoundBoxes(db::DataControl &control);
    BoundBoxes(const BoundBoxes &) = delete;
    BoundBoxes &operator=(const BoundBoxes &) = delete;

    // Binds a QLineEdit, QTextEdit or QPlainTextEdit to a column.
    void bind(QWidget *textBox, const QString &column);

private:
    void show();

    struct Binding
    {
        QPointer<QWidget> box;
        QString column;
    };
    db::DataControl &control;
    QList<Binding> bindings;
};

} // namespace catalogue
