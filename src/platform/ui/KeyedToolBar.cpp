#include "platform/ui/KeyedToolBar.h"

#include <QAction>
#include <QActionGroup>
#include <QToolButton>

namespace ui {

KeyedButton::KeyedButton(QAction *action, const QString &key, KeyedButtonStyle style)
    : buttonAction(action), buttonKey(key), buttonStyle(style)
{
}

QString KeyedButton::toolTip() const
{
    return buttonAction->toolTip();
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

KeyedToolBar::KeyedToolBar(QWidget *parent)
    : QToolBar(parent)
{
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
}

KeyedToolBar::~KeyedToolBar() = default;

KeyedButton *KeyedToolBar::addButton(const QString &key, const QString &toolTip, const QIcon &icon,
                                     KeyedButtonStyle style)
{
    if (style == KeyedButtonStyle::Separator)
        return addSeparator();

    // No text: the buttons show pictures only, and Qt would offer the text as tool tip to a
    // button that has none.
    auto *action = new QAction(icon, QString(), this);
    action->setObjectName(key);
    action->setToolTip(toolTip);
    action->setCheckable(style != KeyedButtonStyle::Push);
    // triggered comes only from the user (or trigger()); code setting pressed emits toggled.
    connect(action, &QAction::triggered, this, [this, key] { emit buttonClick(key); });
    return place(key, action, style);
}

KeyedButton *KeyedToolBar::addMenuItem(const QString &key, QAction *item, const QString &toolTip,
                                       const QIcon &icon)
{
    item->setIcon(icon);
    item->setIconVisibleInMenu(false);
    item->setToolTip(toolTip);
    return place(key, item, item->isCheckable() ? KeyedButtonStyle::Check : KeyedButtonStyle::Push);
}

KeyedButton *KeyedToolBar::place(const QString &key, QAction *action, KeyedButtonStyle style)
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
        widget->setAccessibleName(action->toolTip().isEmpty() ? key : action->toolTip());
    }
    entries.push_back(std::make_unique<KeyedButton>(action, key, style));
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

void runKeyed(const QString &key, KeyedCommands commands)
{
    for (const auto &[known, command] : commands) {
        if (key == QLatin1String(known)) {
            command();
            return;
        }
    }
}

} // namespace ui
