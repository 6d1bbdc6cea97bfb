#include "catalogue/BoundBoxes.h"

#include "platform/db/DataControl.h"
#include "platform/system/Fault.h"

#include <QLineEdit>
#include <QPointer>
#include <QTextEdit>

namespace catalogue {

namespace {

// The box's show, for as long as the box is there: the boxes live as long as their window, and
// the window's catalogue no longer, so a box gone is the program's own fault.
template <typename Box>
std::function<void(const QString &)> showing(Box *textBox, void (*show)(Box &, const QString &))
{
    return [box = QPointer<Box>(textBox), show](const QString &text) {
        if (!box)
            throw sys::Fault("a text box bound to a data control is gone");
        show(*box, text);
    };
}

} // namespace

BoundBoxes::BoundBoxes(db::DataControl &dataControl) : control(dataControl)
{
    control.onRefreshed([this] { show(); });
}

void BoundBoxes::bind(QLineEdit *box, const QString &column)
{
    bindings.append({column, showing<QLineEdit>(box, [](QLineEdit &line, const QString &text) {
                         line.setText(text);
                         line.setCursorPosition(0);
                     })});
}

void BoundBoxes::bind(QTextEdit *box, const QString &column)
{
    bindings.append({column, showing<QTextEdit>(box, [](QTextEdit &edit, const QString &text) {
                         edit.setPlainText(text);
                     })});
}

void BoundBoxes::show()
{
    for (const Binding &binding : std::as_const(bindings))
        binding.show(control.value(binding.column));
}

} // namespace catalogue
