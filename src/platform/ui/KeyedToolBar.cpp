#include "platform/ui/KeyedToolBar.h"

#include <QAction>
#include <QActionGroup>
#include <QToolButton>

namespace ui {

KeyedButton::KeyedButton(QAction *action, const QString &key, KeyedButtonStyle style,
                         std::function<void()> command)
    : buttonAction(action), buttonKey(key), buttonStyle(style), buttonCommand(std::move(command))
{
}

bool KeyedButton::isEnabled() const
{
    return buttonAction->isEnabled();
}

void KeyedButton::setEnabled(bool enabled)
{
    buttonAction->setEnabled(enabled);
}

bool KeyedButton::isPressed() const
{
    return buttonAction->isChecked();
}

void KeyedButton::setPressed(bool pressed)
{
    buttonAction->setChecked(pressed);
}

void KeyedButton::run() const
{
    if (buttonCommand)
        buttonCommand();
}

KeyedToolBar::KeyedToolBar(QWidget *parent)
    : QToolBar(parent)
{
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
}

KeyedToolBar::~KeyedToolBar() = default;

KeyedButton *KeyedToolBar::addButton(const QString &key, const QString &toolTip, const QIcon &icon,
                                     KeyedButtonStyle style, std::function<void()> command,
                                     QAction *menuItem)
{
    if (style == KeyedButtonStyle::Separator)
        return addSeparator();

    // A menu item carrying the picture, even hidden, widens its menu by the room for one: the
    // items of check buttons carry it, as the Format menu always has, the others leave it to the
    // button alone, and their menus as narrow as they always were.
    const bool pictureOnButtonOnly = menuItem && style != KeyedButtonStyle::Check;
    QAction *action = menuItem;
    if (!action) {
        // No text: the buttons show pictures only, and Qt would offer the text as tool tip to a
        // button that has none.
        action = new QAction(this);
        action->setObjectName(key);
    }
    if (!pictureOnButtonOnly) {
        action->setIcon(icon);
        action->setIconVisibleInMenu(false);
    }
    action->setToolTip(toolTip);
    action->setCheckable(style != KeyedButtonStyle::Push);
    // triggered comes only from the user (or trigger()), on the button or the menu item; code
    // setting pressed emits toggled.
    connect(action, &QAction::triggered, this, [this, key] { emit buttonClick(key); });
    KeyedButton *button = place(key, toolTip, action, style, std::move(command));
    // Qt gives the button the item's picture, none, again each time the action changes.
    auto *shown = qobject_cast<QToolButton *>(widgetForAction(action));
    if (shown && pictureOnButtonOnly) {
        shown->setIcon(icon);
        connect(action, &QAction::changed, shown, [shown, icon] { shown->setIcon(icon); });
    }
    return button;
}

KeyedButton *KeyedToolBar::place(const QString &key, const QString &toolTip, QAction *action,
                                 KeyedButtonStyle style, std::function<void()> command)
{
    addAction(action);
    if (style == KeyedButtonStyle::Group) {
        if (!openGroup)
            openGroup = new QActionGroup(this);
        openGroup->addAction(action);
    } else {
        openGroup = nullptr;
    }
    if (QWidget *widget = widgetForAction(action)) {
        widget->setObjectName(key);
        widget->setAccessibleName(toolTip.isEmpty() ? key : toolTip);
        // A button without a tool tip shows none, though Qt offers its menu item's caption
        // instead, again each time the action changes.
        if (toolTip.isEmpty() && !action->text().isEmpty()) {
            widget->setToolTip(QString());
            connect(action, &QAction::changed, widget, [widget] { widget->setToolTip(QString()); });
        }
    }
    entries.push_back(std::make_unique<KeyedButton>(action, key, style, std::move(command)));
    return entries.back().get();
}

KeyedButton *KeyedToolBar::addSeparator()
{
    openGroup = nullptr;
    entries.push_back(std::make_unique<KeyedButton>(QToolBar::addSeparator(), QString(),
                                                    KeyedButtonStyle::Separator));
    return entries.back().get();
}

KeyedButton *KeyedToolBar::button(const QString &key) const
{
    if (key.isEmpty())
        return nullptr;
    for (const auto &entry : entries) {
        if (entry->key() == key)
            return entry.get();
    }
    return nullptr;
}

QList<KeyedButton *> KeyedToolBar::buttons() const
{
    QList<KeyedButton *> all;
    for (const auto &entry : entries)
        all.append(entry.get());
    return all;
}

QToolButton *KeyedToolBar::buttonWidget(const QString &key) const
{
    const KeyedButton *found = button(key);
    return found ? qobject_cast<QToolButton *>(widgetForAction(found->action())) : nullptr;
}

void KeyedToolBar::run(const QString &key) const
{
    if (const KeyedButton *found = button(key))
        found->run();
}

} // namespace ui
