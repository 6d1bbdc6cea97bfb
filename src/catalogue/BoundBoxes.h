#pragma once

#include <QList>
#include <QString>

#include <functional>

class QLineEdit;
class QTextEdit;

namespace db {
class DataControl;
}

namespace catalogue {

// Text boxes bound to the columns of a data control: after every refresh each shows its column
// of the current row as stored, or nothing when there is no row. Only the kinds of text box
// below can be bound: the compiler refuses any other.
class BoundBoxes
{
public:
    explicit BoundBoxes(db::DataControl &control);
    BoundBoxes(const BoundBoxes &) = delete;
    BoundBoxes &operator=(const BoundBoxes &) = delete;

    // A line shows the start of a long value, not its end.
    void bind(QLineEdit *box, const QString &column);
    void bind(QTextEdit *box, const QString &column);

private:
    void show();

    struct Binding
    {
        QString column;
        std::function<void(const QString &)> show;
    };
    db::DataControl &control;
    QList<Binding> bindings;
};

} // namespace catalogue
