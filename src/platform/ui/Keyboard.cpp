#include "platform/ui/Keyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

namespace ui {

namespace {

// Key events go to the focused widget, not to its window, so the filters below watch the whole
// application and act only on events for widgets of their own window.
QWidget *widgetOfWindow(QObject *receiver, const QWidget *window)
{
    QWidget *widget = qobject_cast<QWidget *>(receiver);
    return widget && widget->window() == window ? widget : nullptr;
}

bool isEnterKey(const QKeyEvent *key)
{
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
           && modifiers == Qt::NoModifier;
}

// A multi-line text box the user can type in takes Enter as a new line; the menu bar, reached
// with the keyboard, opens its menu.
bool usesEnterItself(QWidget *widget)
{
    if (qobject_cast<QMenuBar *>(widget))
        return true;
    for (QWidget *w = widget; w && !w->isWindow(); w = w->parentWidget()) {
        if (auto *edit = qobject_cast<QTextEdit *>(w))
            return !edit->isReadOnly();
        if (auto *edit = qobject_cast<QPlainTextEdit *>(w))
            return !edit->isReadOnly();
    }
    return false;
}

class DefaultButtonFilter : public QObject
{
public:
    DefaultButtonFilter(QWidget *watched, QAbstractButton *defaultButton)
        : QObject(watched), window(watched), button(defaultButton)
    {
    }

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || QApplication::activePopupWidget())
            return false;
        QWidget *widget = widgetOfWindow(receiver, window);
        if (!widget || !isEnterKey(static_cast<QKeyEvent *>(event)) || usesEnterItself(widget))
            return false;
        // A focused button takes Enter for itself, as users expect.
        QAbstractButton *target = button;
        if (qobject_cast<QPushButton *>(widget) || qobject_cast<QToolButton *>(widget))
            target = static_cast<QAbstractButton *>(widget);
        if (!target)
            return false;
        event->accept();
        if (target->isEnabled() && target->isVisible())
            target->click();
        return true;
    }

private:
    QWidget *window;
    QPointer<QAbstractButton> button;
};

void collectMenuActions(const QList<QAction *> &actions, QList<QAction *> &into)
{
    for (QAction *action : actions) {
        into.append(action);
        if (action->menu())
            collectMenuActions(action->menu()->actions(), into);
    }
}

class MenuShortcutFilter : public QObject
{
public:
    explicit MenuShortcutFilter(QWidget *watched)
        : QObject(watched), window(watched)
    {
    }

protected:
    // Text boxes accept the shortcut-override event for keys they edit with (Ctrl+X, Ctrl+V,
    // ...), which keeps the key from the menu. Declining it for the menu's own keys lets the
    // menu item run.
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride || !widgetOfWindow(receiver, window))
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!isMenuShortcut(QKeySequence(key->keyCombination())))
            return false;
        event->ignore();
        return true;
    }

private:
    bool isMenuShortcut(const QKeySequence &pressed) const
    {
        const QMenuBar *bar = menuBar();
        if (!bar)
            return false;
        QList<QAction *> actions;
        collectMenuActions(bar->actions(), actions);
        for (const QAction *action : std::as_const(actions)) {
            if (!action->isEnabled())
                continue;
            for (const QKeySequence &shortcut : action->shortcuts()) {
                if (shortcut.matches(pressed) == QKeySequence::ExactMatch)
                    return true;
            }
        }
        return false;
    }

    const QMenuBar *menuBar() const
    {
        if (auto *main = qobject_cast<QMainWindow *>(window))
            return qobject_cast<QMenuBar *>(main->menuWidget());
        return window->findChild<QMenuBar *>();
    }

    QWidget *window;
};

} // namespace

void installDefaultButton(QWidget *window, QAbstractButton *button)
{
    qApp->installEventFilter(new DefaultButtonFilter(window, button));
}

void installMenuShortcutsWin(QWidget *window)
{
    qApp->installEventFilter(new MenuShortcutFilter(window));
}

void clickOnChoiceOnly(QComboBox &list)
{
    if (QLineEdit *edit = list.lineEdit())
        QObject::disconnect(edit, &QLineEdit::editingFinished, &list, nullptr);
}

} // namespace ui
