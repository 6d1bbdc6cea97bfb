#include "catalogue/BoundBoxes.h"

#include "platform/db/DataControl.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace catalogue {

BoundBoxes::BoundBoxes(db::DataControl &dataControl) : control(dataControl)
{
    control.onRefreshed([this] { show(); });
}

void BoundBoxes::bind(QWidget *textBox, const QString &column)
{
    bindings.append({textBox, column});
}

void BoundBoxes::show()
{
    for (const Binding &binding : std::as_const(bindings)) {
        const QString text = control.value(binding.column);
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

} // namespace catalogue
