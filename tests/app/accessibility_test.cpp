#include "AppFixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace ui;
using namespace db;
using namespace sys;

namespace {

// What a screen reader announces a control by: its label when it has one (on this platform a
// combo box's name is its text, and its caption comes as a "labelled by" relation), else its name.
QString announced(QAccessibleInterface *face)
{
    if (!face)
        return QString();
    const auto labels = face->relations(QAccessible::Label);
    if (!labels.isEmpty() && labels.first().first)
        return labels.first().first->text(QAccessible::Name);
    return face->text(QAccessible::Name);
}

QString accessibleName(QObject *object)
{
    return announced(QAccessible::queryAccessibleInterface(object));
}

// Every control a user can reach, found through the accessibility tree as a screen reader would.
void collectUnnamed(QAccessibleInterface *face, QStringList &unnamed)
{
    static const QList<QAccessible::Role> controls = {
        QAccessible::EditableText, QAccessible::ComboBox, QAccessible::PushButton,
        QAccessible::ButtonMenu, QAccessible::List, QAccessible::Graphic, QAccessible::CheckBox};
    if (face->state().invisible)
        return;
    if (controls.contains(face->role()) && announced(face).trimmed().isEmpty())
        unnamed << (face->object() ? face->object()->objectName() : QString("?"));
    for (int i = 0; i < face->childCount(); ++i)
        if (QAccessibleInterface *child = face->child(i))
            collectUnnamed(child, unnamed);
}

} // namespace

TEST(Accessibility, EveryVisibleControlOfTheMainWindowHasAName)
{
    AppFixture app;
    app.writeCatalogue(alphaBetaGamma());
    frmZentMain &main = app.openMainWindow();
    main.show();

    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(&main), unnamed);
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(", ").toStdString();

    EXPECT_EQ(accessibleName(app.control<QLineEdit>("txtHitPoints")), "Hit Points:");
    EXPECT_EQ(accessibleName(app.control<QComboBox>("cboName")), "Zentari");
    EXPECT_EQ(accessibleName(app.control<QComboBox>("cboTrainers")), "Trainers:");
    EXPECT_EQ(accessibleName(app.control<QLineEdit>("txtCount")), "Deck Total:");
    EXPECT_EQ(accessibleName(app.control<QListWidget>("lstZents")), "Current Cards:");
    EXPECT_EQ(accessibleName(app.control<QToolButton>("cmdElectricUp")), "Add 1 lighting energy.");
    EXPECT_EQ(accessibleName(app.control<QLabel>("lblElectric")), "Lightning energy cards: 0");
    EXPECT_EQ(accessibleName(app.control<QLabel>("lblColorless")), "Colorless energy cards: 0");
    // The picture is heard as a picture of the card shown.
    QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(main.findChild<QWidget *>("imgZents"));
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    EXPECT_EQ(picture->text(QAccessible::Name), "Card picture");
    EXPECT_EQ(picture->text(QAccessible::Description), "Alpha");
}
