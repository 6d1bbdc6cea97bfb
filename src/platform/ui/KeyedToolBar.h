#pragma once

#include "platform/ui/ImageList.h"

#include <QAction>
#include <QToolBar>

#include <cstddef>
#include <string_view>

class QActionGroup;

namespace ui {

enum class KeyedButtonStyle {
    Push,       // an ordinary button
    Check,      // stays pressed until clicked again
    Group,      // pressing one releases the others of its run of consecutive group buttons
    Separator,  // a gap; has no key
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

// A toolbar built from a window's table: each button's action, which a menu item may share, runs
// the button's command when the user clicks either; code setting a button pressed runs nothing.
// Each button widget's objectName is its key and its accessible name its tool tip (the key when
// it has none), so tests and screen readers find it.
class KeyedToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit KeyedToolBar(QWidget *parent = nullptr);

    // The table's buttons in order, with their pictures from the window's image list.
    template <typename Window, typename Items, std::size_t count>
    void addButtons(const KeyedCommand<Window, Items> (&table)[count], Window &window, Items &items,
                    const ImageList &pictures)
    {
        for (const KeyedCommand<Window, Items> &row : table) {
            if (!row.key) {
                addKeyedSeparator();
                continue;
            }
            QAction *action = addButton(row.key, row.toolTip, pictures.icon(row.picture), row.style,
                                        row.menuItem ? items.*row.menuItem : nullptr);
            connect(action, &QAction::triggered, this, [&window, command = row.command] { command(window); });
        }
    }

private:
    // A button of its own action or, given a menu item, of the item's: then the button is pressed
    // while the item is checked, and the menu shows the item without the picture.
    QAction *addButton(const QString &key, const QString &toolTip, const QIcon &icon, KeyedButtonStyle style,
                       QAction *menuItem);
    void addKeyedSeparator();

    QActionGroup *openGroup = nullptr;   // the group a following group button joins
};

} // namespace ui
