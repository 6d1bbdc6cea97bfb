#pragma once

#include "platform/ui/ImageList.h"

#include <QIcon>
#include <QList>
#include <QToolBar>

#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

class QActionGroup;
class QToolButton;

namespace ui {

enum class KeyedButtonStyle {
    Push,       // an ordinary button
    Check,      // stays pressed until clicked again
    Group,      // pressing one releases the others of its run of consecutive group buttons
    Separator,  // a gap; has no key
};

// One button of a KeyedToolBar, with the command its key runs.
class KeyedButton
{
public:
    KeyedButton(QAction *action, const QString &key, KeyedButtonStyle style,
                std::function<void()> command = {});

    const QString &key() const { return buttonKey; }
    KeyedButtonStyle style() const { return buttonStyle; }
    QAction *action() const { return buttonAction; }

    bool isEnabled() const;
    void setEnabled(bool enabled);
    // Only check and group buttons stay pressed; setting it from code runs no click.
    bool isPressed() const;
    void setPressed(bool pressed);
    // What a click on it does; a separator does nothing.
    void run() const;

private:
    QAction *buttonAction;
    QString buttonKey;
    KeyedButtonStyle buttonStyle;
    std::function<void()> buttonCommand;
};

// One row of a window's toolbar table. The window builds its toolbar from the table, each button
// with its command, so a key is written once, beside what it runs. A button that is also a menu
// item names the item among the window's Items: the two are one action, so they cannot disagree.
template <typename Window, typename Items>
struct KeyedCommand
{
    const char *key = nullptr;                     // none: a separator
    const char *toolTip = nullptr;                 // none: the button has no tool tip
    const char *picture = nullptr;                 // its key in the window's image list
    KeyedButtonStyle style = KeyedButtonStyle::Separator;
    void (*command)(Window &) = nullptr;
    QAction *Items::*menuItem = nullptr;
};

// Whether every button of a table has a key of its own, a picture and a command, so that every
// click reaches one: for a static_assert beside the table, where a mistyped or repeated key
// stops the build.
template <typename Window, typename Items, std::size_t count>
constexpr bool isWellKeyed(const KeyedCommand<Window, Items> (&table)[count])
{
    for (std::size_t row = 0; row < count; ++row) {
        const KeyedCommand<Window, Items> &button = table[row];
        if (!button.key) {
            if (button.style != KeyedButtonStyle::Separator || button.command || button.menuItem)
                return false;
            continue;
        }
        if (std::string_view(button.key).empty() || !button.picture || !button.command
            || button.style == KeyedButtonStyle::Separator)
            return false;
        for (std::size_t earlier = 0; earlier < row; ++earlier) {
            if (table[earlier].key && std::string_view(table[earlier].key) == button.key)
                return false;
        }
    }
    return true;
}

// A toolbar whose buttons are known by key. A click on a button, or on the menu item it shares
// its action with, sends the button's key to the window's click handler, which runs the key's
// command (run). Each button widget's objectName is its key and its accessible name its tool tip
// (the key when it has none), so tests and screen readers find it.
class KeyedToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit KeyedToolBar(QWidget *parent = nullptr);
    ~KeyedToolBar() override;

    // The table's buttons in order, each running its command on the window, with its picture
    // from the window's image list.
    template <typename Window, typename Items, std::size_t count>
    void addButtons(const KeyedCommand<Window, Items> (&table)[count], Window &window, Items &items,
                    const ImageList &pictures)
    {
        for (const KeyedCommand<Window, Items> &row : table) {
            if (!row.key) {
                addSeparator();
                continue;
            }
            addButton(row.key, row.toolTip, pictures.icon(row.picture), row.style,
                      [&window, command = row.command] { command(window); },
                      row.menuItem ? items.*row.menuItem : nullptr);
        }
    }
    // A button of its own action or, given a menu item, of the item's: then the button is pressed
    // while the item is checked, and the menu shows the item without the picture.
    KeyedButton *addButton(const QString &key, const QString &toolTip, const QIcon &icon,
                           KeyedButtonStyle style, std::function<void()> command,
                           QAction *menuItem = nullptr);
    KeyedButton *addSeparator();

    KeyedButton *button(const QString &key) const;   // nullptr for an unknown key
    QList<KeyedButton *> buttons() const;            // in order, separators included
    QToolButton *buttonWidget(const QString &key) const;

    // Runs the command of the button whose key is exactly this one; any other key does nothing.
    void run(const QString &key) const;

signals:
    void buttonClick(const QString &key);   // a user's click, never code setting pressed

private:
    KeyedButton *place(const QString &key, const QString &toolTip, QAction *action,
                       KeyedButtonStyle style, std::function<void()> command);

    std::vector<std::unique_ptr<KeyedButton>> entries;
    QActionGroup *openGroup = nullptr;   // the group a following group button joins
};

} // namespace ui
