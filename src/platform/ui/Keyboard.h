#pragma once

class QAbstractButton;
class QComboBox;
class QWidget;

namespace ui {

// Enter or Return anywhere in the window presses its default button, except where the key has a
// use of its own: an editable multi-line text box, an open combo list or menu, the menu bar, and a
// focused push or tool button (Enter presses that button instead).
void installDefaultButton(QWidget *window, QAbstractButton *button);

// The shortcuts of the window's menu bar (e.g. Ctrl+X, Ctrl+V, Ctrl+O) run their menu item even
// while a text box or editable combo box, which would use the key itself, has the focus.
void installMenuShortcutsWin(QWidget *window);

// An editable combo box reports a click (activated) only when the user chooses an entry of its
// list, with the mouse or the keys. Left alone, Qt also reports one when the box loses the focus
// holding the text of an entry that is not the current one, as after code set the text.
void clickOnChoiceOnly(QComboBox &list);

} // namespace ui
