#pragma once

#include <QIcon>
#include <QList>
#include <QToolBar>

#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>
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

// One button of a KeyedToolBar.
class KeyedButton
{
public:
    KeyedButton(QAction *action, const QString &key, KeyedButtonStyle style);

    const QString &key() const { return buttonKey; }
    KeyedButtonStyle style() const { return buttonStyle; }
    QString toolTip() const;
    QAction *action() const { return buttonAction; }

    bool isEnabled() const;
    void setEnabled(bool enabled);
    // Only check and group buttons stay pressed; setting it from code runs no click.
    bool isPressed() const;
    void setPressed(bool pressed);

private:
    QAction *buttonAction;
    QString buttonKey;
    KeyedButtonStyle buttonStyle;
};

// A toolbar whose buttons are known by key. The window's click handler receives the key of the
// button the user clicked. Each button widget's objectName is its key and its accessible name its
// tool tip (the key when it has none), so tests and screen readers find it.
class KeyedToolBar : public QToolBar
{
    Q_OBJECT

public:
    explicit KeyedToolBar(QWidget *parent = nullptr);
    ~KeyedToolBar() override;

    KeyedButton *addButton(const QString &key, const QString &toolTip, const QIcon &icon,
                           KeyedButtonStyle style = KeyedButtonStyle::Push);
    // A button that is one action with a menu item: pressed when the item is checked, and its
    // click is the item's, handled by the action's owner (no buttonClick). The menu shows no
    // picture.
    KeyedButton *addMenuItem(const QString &key, QAction *item, const QString &toolTip, const QIcon &icon);
    KeyedButton *addSeparator();

    KeyedButton *button(const QString &key) const;   // nullptr for an unknown key
    QList<KeyedButton *> buttons() const;            // in order, separators included
    QToolButton *buttonWidget(const QString &key) const;

signals:
    void buttonClick(const QString &key);   // a user's click, never code setting pressed

private:
    KeyedButton *place(const QString &key, QAction *action, KeyedButtonStyle style);

    std::vector<std::unique_ptr<KeyedButton>> entries;
    QActionGroup *openGroup = nullptr;   // the group a following group button joins
};

// A toolbar's click handler: the clicked key compared exactly, in order, with the table's keys;
// the first that matches runs. Any other key does nothing.
using KeyedCommands = std::initializer_list<std::pair<const char *, std::function<void()>>>;
void runKeyed(const QString &key, KeyedCommands commands);

} // namespace ui
