// Bold, italic, underline, alignment, font and colour in the preview, and the check marks and
// buttons that follow the selection.
#include "PreviewFixture.h"

#include <QTextBlock>
#include <QToolButton>

TEST(PreviewFormatting, TogglesFollowTheWholeSelectionAndTheMarksFollowTheCaret)
{
    Preview f;
    // "Quarlith" is 15..23 of the document's text; "Skarnox" 24..31.
    f.select(15, 23);
    f.format.ToggleBold();
    EXPECT_TRUE(f.at(17).fontWeight() > QFont::Normal);
    EXPECT_EQ(f.shownBold(), "1-1");
    // Partly bold becomes wholly bold; wholly bold loses it.
    f.select(15, 31);
    EXPECT_EQ(f.shownBold(), "0-0"); // partly bold counts as not set, and stays as it is
    EXPECT_TRUE(f.at(17).fontWeight() > QFont::Normal);
    QTest::mouseClick(f.tbrMain.buttonWidget("Bold"), Qt::LeftButton); // one click, one toggle
    EXPECT_TRUE(f.at(26).fontWeight() > QFont::Normal);
    QTest::keyClick(&f.rtfMain, Qt::Key_B, Qt::ControlModifier);
    EXPECT_FALSE(f.at(17).fontWeight() > QFont::Normal);
    EXPECT_EQ(f.shownBold(), "0-0");

    // The caret moving into bold text presses Bold and checks the menu; out again, releases.
    f.select(15, 23);
    f.format.ToggleBold();
    f.select(17, 17);
    EXPECT_EQ(f.shownBold(), "1-1");
    f.select(27, 27);
    EXPECT_EQ(f.shownBold(), "0-0");
    // With nothing selected, a toggle gives what is typed next its attribute.
    f.format.ToggleItalic();
    QTest::keyClicks(&f.rtfMain, "x");
    EXPECT_TRUE(f.at(27).fontItalic());
    EXPECT_TRUE(f.window.findChild<QAction *>("mnuFormatItalic")->isChecked());

    // Centre presses its group button and centres the selection's paragraphs only.
    QTest::mouseClick(f.tbrMain.buttonWidget("Center"), Qt::LeftButton);
    EXPECT_EQ(f.rtfMain.document()->findBlock(27).blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_NE(f.rtfMain.document()->firstBlock().blockFormat().alignment(), Qt::AlignHCenter);
    f.select(1, 1);
    EXPECT_TRUE(f.tbrMain.button("Center")->isPressed());
}

TEST(PreviewFormatting, FontAndColourDialogsApplyWhatIsChosenAndCancelChangesNothing)
{
    Preview f;
    f.select(24, 31);
    QFont chosen("Liberation Serif", 14, QFont::Bold);
    chosen.setUnderline(true);
    chosen.setStrikeOut(true);
    f.dialogs.answerFont(chosen);
    f.format.mnuFormatFonts_Click();
    const ui::CommonDialogSettings &asked = f.dialogs.shown()[0].settings;
    EXPECT_EQ(asked.flags, 0x101);
    EXPECT_EQ(asked.fontSize, 12); // not primed from the selection: what it gave last, or 12
    const QTextCharFormat beta = f.at(26);
    EXPECT_EQ(beta.fontFamilies().toStringList(), QStringList{"Liberation Serif"});
    EXPECT_EQ(beta.fontPointSize(), 14);
    EXPECT_TRUE(beta.fontWeight() > QFont::Normal && beta.fontUnderline() && !beta.fontItalic());
    EXPECT_FALSE(beta.fontStrikeOut()); // the effects' strikeout is not applied
    EXPECT_EQ(f.shownBold(), "1-1");
    EXPECT_TRUE(f.tbrMain.button("Underline")->isPressed());

    f.dialogs.answerColor(Qt::red);
    f.format.mnuOptionsColor_Click();
    EXPECT_EQ(f.at(26).foreground().color(), QColor(Qt::red));

    // Cancelled, each leaves the text as it was; the font dialog opens with its last answer.
    f.select(15, 23);
    f.dialogs.cancel(ui::ScriptedDialogs::Kind::Font);
    f.format.mnuFormatFonts_Click();
    EXPECT_EQ(f.dialogs.shown()[2].settings.fontName, "Liberation Serif");
    f.dialogs.cancel(ui::ScriptedDialogs::Kind::Color);
    f.format.mnuOptionsColor_Click();
    EXPECT_EQ(f.at(17).fontPointSize(), f.at(0).fontPointSize());
    EXPECT_NE(f.at(17).foreground().color(), QColor(Qt::red));
}
