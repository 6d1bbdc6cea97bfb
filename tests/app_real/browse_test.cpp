#include "RealWindow.h"
#include "QtPrinters.h"
#include "Sqlite3Tool.h"

namespace {

QPoint arrowOf(const QRect &box)
{
    return {box.right() - 8, box.center().y()};
}

} // namespace

TEST_F(OnADesktop, ACardIsChosenWithTheMouseAndTheKeyboardAndFoundByName)
{
    const QString mainId = launch();
    ASSERT_FALSE(mainId.isEmpty()) << said();
    const auto hitPoints = [&] {
        const auto box = control(mainTitle, "Hit Points:", "text");
        return box ? reader.text(*box) : QString("<no box>");
    };
    const auto hitPointsOf = [&](const QString &name) {
        return sqlite3Tool(catalogue, "SELECT fldHitPoints FROM tblZentDeck WHERE fldName = '" + name + "'");
    };
    ASSERT_TRUE(waitUntil(5000, [&] { return hitPoints() == hitPointsOf("Emberkit"); })) << said();

    // The mouse: open the list with its arrow, click a name in it.
    ASSERT_TRUE(clickControl(mainTitle, "Zentari", "combo box", arrowOf));
    std::optional<Accessible> entry;
    ASSERT_TRUE(waitUntil(5000, [&] { return (entry = control(mainTitle, "Kilnmole", "list item")).has_value(); }));
    click(reader.extents(*entry).center());
    EXPECT_TRUE(waitUntil(5000, [&] { return hitPoints() == hitPointsOf("Kilnmole"); })) << hitPoints().toStdString();

    // The keyboard, the mouse out of the way: open the list, two down, Enter.
    xdotool({"mousemove", "0", "0"});
    type("alt+Down");
    QThread::msleep(500); // the list is drawn and holds the keyboard
    type("Down Down Return");
    EXPECT_TRUE(waitUntil(5000, [&] { return hitPoints() == hitPointsOf("Magmareth"); })) << hitPoints().toStdString();
    // A screen reader hears whose picture is shown.
    const auto picture = control(mainTitle, "Card picture", "graphic");
    ASSERT_TRUE(picture);
    EXPECT_EQ(reader.description(*picture), "Magmareth");
    screenshot(mainId, "creature-card");

    // Find > Find Trainer, typed as the catalogue holds it.
    ASSERT_TRUE(clickControl(mainTitle, "Find", "menu item"));
    ASSERT_TRUE(waitUntil(5000, [&] { return clickControl(mainTitle, "Find Trainer", "menu item"); }));
    ASSERT_FALSE(waitForWindow("Search Trainers").isEmpty()) << said();
    typeText("Smith Dunhal");
    type("Return");
    const auto notes = [&] {
        const auto box = control(mainTitle, "Card notes", "text");
        return box ? reader.text(*box) : QString();
    };
    EXPECT_TRUE(waitUntil(5000, [&] { return notes().startsWith("Companion."); })) << notes().toStdString();
    screenshot(mainId, "trainer-card");
    type("ctrl+x");
    ASSERT_FALSE(waitForWindow("Exit?").isEmpty());
    type("Return");
    EXPECT_TRUE(program.waitForEnd(5000));
}
