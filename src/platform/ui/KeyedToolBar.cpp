#include "platform/ui/KeyedToolBar.h"

#include <QActionGroup>
#include <QToolButton>

namespace ui {

KeyedToolBar::KeyedToolBar(QWidget *parent)
    : QToolBar(parent)
{
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
}

QAction *KeyedToolBar::addButton(const QString &key, const QString &toolTip, const QIcon &icon,
                                 KeyedButtonStyle style, QAction *menuItem)
{
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
    addAction(action);
    if (style == KeyedButtonStyle::Group) {
        if (!openGroup)
            openGroup = new QActionGroup(this);
        openGroup->addAction(action);
    } else {
        openGroup = nullptr;
    }
    auto *button = qobject_cast<QToolButton *>(widgetForAction(action));
    if (!button)
        return action;
    button->setObjectName(key);
    button->setAccessibleName(toolTip.isEmpty() ? key : toolTip);
    // Qt gives the button the item's picture, none, again each time the action changes.
    if (pictureOnButtonOnly) {
        button->setIcon(icon);
        connect(action, &QAction::changed, button, [button, icon] { button->setIcon(icon); });
    }
    // A button without a tool tip shows none, though Qt offers its menu item's caption instead,
    // again each time the action changes.
    if (toolTip.isEmpty() && !action->text().isEmpty()) {
        button->setToolTip(QString());
        connect(action, &QAction::changed, button, [button] { button->setToolTip(QString()); });
    }
    return action;
}

void KeyedToolBar::addKeyedSeparator()
{
    openGroup = nullptr;
    addSeparator();
}

} // namespace ui
