#pragma once

#include <QIcon>
#include <QStringList>

namespace ui {

// Keyed 16 x 16 toolbar pictures, drawn in code: "Open", "Help", "Arrow", "Find", "Print",
// "HelpQ", "Save", "Bold", "Italic", "Underline", "Left", "Center", "Right", "Up", "Down".
// A window's image list holds the keys it was made with.
class ImageList
{
public:
    explicit ImageList(const QStringList &keys);

    QIcon icon(const QString &key) const;   // a null icon for a key the list does not hold

private:
    QStringList held;
};

} // namespace ui
