// The preview window: the report in its editor; bold, italic, underline, alignment, font and
// colour, with the check marks and buttons that follow the selection; save, open, print, exit.
#include "ScriptedDialogs.h"
#include "platform/ui/KeyedToolBar.h"
#include "platform/ui/RichTextBox.h"
#include "report/frmPreview.h"

using ui::MessageAnswer;

namespace {

const QString deckList = "Current Deck:\r\n\r\nQuarlith\r\nSkarnox\r\n\r\n * * * * * * * * * * * *\r\n"
                         "1  Colorless Energy";

// The preview shown over a window it returns to, as the deck list command shows it.
struct Preview
{
    TempDir folder;
    ui::ScriptedDialogs dialogs;
    QWidget main;
    int aboutShown = 0;
    frmPreview window{{dialogs, folder.path(), deckList, [this](QWidget *) { ++aboutShown; }}, &main};
    ui::RichTextBox &rtfMain = *window.findChild<ui::RichTextBox *>("rtfMain");
    report::PreviewFormatting &format = window.formatting();

    Preview()
    {
        main.show();
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void select(int from, int to)
    {
        QTextCursor cursor = rtfMain.textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        rtfMain.setTextCursor(cursor);
    }
    QString look(const QString &text) const { return lookOf(*rtfMain.document(), text); }
    QToolButton *button(const char *key) const
    {
        return window.findChild<ui::KeyedToolBar *>("tbrMain")->findChild<QToolButton *>(key);
    }
    // "1-1" when bold's check mark and toolbar button are on, "0-0" when both are off.
    QString shownBold() const
    {
        return QString("%1-%2").arg(window.findChild<QAction *>("mnuFormatBold")->isChecked())
            .arg(button("Bold")->isChecked());
    }
};

} // namespace

TEST(Preview, ShowsTheReportOpensSavedListsAndAsksBeforeLeavingUnsavedChanges)
{
    Preview preview;
    frmPreview &window = preview.window;
    EXPECT_EQ(window.windowTitle(), "Zentari Deck Builder - Print Preview");
    EXPECT_EQ(preview.rtfMain.toPlainText(), QString(deckList).replace("\r\n", "\n"));
    EXPECT_EQ(preview.look("Current"), "Arial 11.25pt auto align 1");
    // The editor fills the client area below the toolbar from the first show, and after a resize.
    const QWidget &client = *window.centralWidget();
    EXPECT_EQ(client.width(), 546);
    EXPECT_EQ(preview.rtfMain.geometry(), QRect(0, 28, client.width(), client.height() - 28));
    window.resize(700, 600);
    EXPECT_EQ(preview.rtfMain.geometry(), QRect(0, 28, 700, client.height() - 28));

    // A fresh report counts as unsaved.
    preview.dialogs.answerMessage(MessageAnswer::No);
    window.mnuFileExit_Click();
    ASSERT_EQ(preview.dialogs.shown().size(), 1);
    EXPECT_EQ(preview.dialogs.shown()[0].box(), "Discard Changes?|ZentDeckBuilder|?|Yes No");
    EXPECT_TRUE(window.isVisible());

    // Saved under a .txt name, it is rich text all the same, and counts as saved.
    const QString saved = preview.folder.file("deck.txt");
    preview.dialogs.answerSave(saved);
    QTest::mouseClick(preview.button("Save"), Qt::LeftButton);
    const ui::CommonDialogSettings &save = preview.dialogs.shown()[1].settings;
    EXPECT_EQ(save.filter, "Text Files (*.txt|*.txt|RichText Files (*.rtf)|*.rtf");
    EXPECT_EQ(save.filterIndex, 2);
    EXPECT_EQ(save.initDir, preview.folder.path());
    EXPECT_EQ(save.dialogTitle, "Zentari Deck Builder");
    EXPECT_TRUE(readFile(saved).startsWith("{\\rtf1"));
    EXPECT_EQ(window.windowTitle(), saved);
    EXPECT_FALSE(window.isModified());

    // Any edit makes it ask again. A file that does not load: the caption already names it, the
    // content stays. (Ctrl+O, the menu item that is the toolbar's Open too, opens once.)
    QTest::keyClicks(&preview.rtfMain, "x");
    EXPECT_TRUE(window.isModified());
    const QString edited = preview.rtfMain.toPlainText();
    ASSERT_TRUE(writeFile(preview.folder.file("notes.rtf"), "plain words, no rich text"));
    preview.dialogs.answerMessage(MessageAnswer::Yes);
    preview.dialogs.answerOpen(preview.folder.file("notes.rtf"));
    QTest::keyClick(&preview.rtfMain, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(preview.dialogs.shown()[3].settings.flags, 0x81800);
    EXPECT_EQ(window.windowTitle(), "notes.rtf");
    EXPECT_EQ(preview.rtfMain.toPlainText(), edited);

    // The saved list opens as rich text, whatever its name.
    preview.dialogs.answerMessage(MessageAnswer::Yes);
    preview.dialogs.answerOpen(saved);
    QTest::mouseClick(preview.button("Open"), Qt::LeftButton);
    EXPECT_EQ(window.windowTitle(), "deck.txt");
    EXPECT_EQ(preview.rtfMain.toPlainText(), QString(deckList).replace("\r\n", "\n"));
    EXPECT_TRUE(window.isModified());

    // Help shows the about box. Ctrl+X exits from inside the editor too.
    QTest::mouseClick(preview.button("Help"), Qt::LeftButton);
    EXPECT_EQ(preview.aboutShown, 1);
    preview.dialogs.answerMessage(MessageAnswer::Yes);
    QTest::keyClick(&preview.rtfMain, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(preview.dialogs.shown().size(), 7);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(preview.main.isVisible());
}

TEST(Preview, PrintsTheSelectionOrEverything)
{
    Preview preview;
    // What a PDF reader finds in what was printed of "Quarlith", or of everything: each page
    // ends in its number.
    for (const auto &[selection, text] : {std::pair{true, "Quarlith 1"},
                                          std::pair{false, "Current Deck: Quarlith Skarnox ************ "
                                                           "1 Colorless Energy 1"}}) {
        const QString pdf = preview.folder.file("printed.pdf");
        preview.select(15, selection ? 23 : 15);
        preview.dialogs.answerPrinter(pdf);
        preview.window.PrintDeckList();
        EXPECT_EQ(runTool("pdftotext", {pdf, "-"}).out.simplified(), text);
    }
    const ui::CommonDialogSettings &print = preview.dialogs.shown()[0].settings;
    EXPECT_EQ(print.flags, 0x108);
    EXPECT_TRUE(print.printSelection);
}

TEST(PreviewFormatting, TogglesFollowTheWholeSelectionAndTheMarksFollowTheCaret)
{
    Preview f;
    // "Quarlith" is 15..23 of the document's text; "Skarnox" 24..31.
    f.select(15, 23);
    f.format.toggleBold();
    EXPECT_EQ(f.look("Quarlith"), "Arial 11.25pt bold auto align 1");
    EXPECT_EQ(f.shownBold(), "1-1");
    // Partly bold becomes wholly bold; wholly bold loses it.
    f.select(15, 31);
    EXPECT_EQ(f.shownBold(), "0-0"); // partly bold counts as not set
    QTest::mouseClick(f.button("Bold"), Qt::LeftButton); // one click, one toggle
    EXPECT_EQ(f.look("Skarnox"), "Arial 11.25pt bold auto align 1");
    QTest::keyClick(&f.rtfMain, Qt::Key_B, Qt::ControlModifier);
    EXPECT_EQ(f.look("Quarlith"), "Arial 11.25pt auto align 1");
    EXPECT_EQ(f.shownBold(), "0-0");

    // The caret moving into bold text presses Bold and checks the menu; out again, releases.
    f.select(15, 23);
    f.format.toggleBold();
    f.select(17, 17);
    EXPECT_EQ(f.shownBold(), "1-1");
    f.select(27, 27);
    EXPECT_EQ(f.shownBold(), "0-0");
    // With nothing selected, a toggle gives what is typed next its attribute.
    f.format.toggleItalic();
    QTest::keyClicks(&f.rtfMain, "x");
    EXPECT_EQ(f.look("xrnox"), "Arial 11.25pt italic auto align 1");
    EXPECT_TRUE(f.window.findChild<QAction *>("mnuFormatItalic")->isChecked());

    // Centre presses its group button and centres the selection's paragraphs only.
    QTest::mouseClick(f.button("Center"), Qt::LeftButton);
    EXPECT_EQ(f.look("Skaxrnox"), "Arial 11.25pt auto align 4");
    EXPECT_EQ(f.look("Current"), "Arial 11.25pt auto align 1");
    f.select(1, 1);
    EXPECT_TRUE(f.button("Center")->isChecked());
}

TEST(PreviewFormatting, FontAndColourDialogsApplyWhatIsChosenAndCancelChangesNothing)
{
    Preview f;
    f.select(24, 31);
    QFont chosen("Liberation Serif", 14, QFont::Bold);
    chosen.setUnderline(true);
    chosen.setStrikeOut(true);
    f.dialogs.answerFont(chosen);
    f.window.mnuFormatFonts_Click();
    const ui::CommonDialogSettings &asked = f.dialogs.shown()[0].settings;
    EXPECT_EQ(asked.flags, 0x101);
    EXPECT_EQ(asked.fontSize, 12); // not primed from the selection: what it gave last, or 12
    EXPECT_EQ(f.shownBold(), "1-1");
    EXPECT_TRUE(f.button("Underline")->isChecked());
    f.dialogs.answerColor(Qt::red);
    f.window.mnuOptionsColor_Click();
    // The effects' strikeout is not applied.
    EXPECT_EQ(f.look("Skarnox"), "Liberation Serif 14pt bold underline #ff0000 align 1");

    // Cancelled, each leaves the text as it was; the font dialog opens with its last answer.
    f.select(15, 23);
    f.dialogs.cancel(ui::ScriptedDialogs::Kind::Font);
    f.window.mnuFormatFonts_Click();
    EXPECT_EQ(f.dialogs.shown()[2].settings.fontName, "Liberation Serif");
    f.dialogs.cancel(ui::ScriptedDialogs::Kind::Color);
    f.window.mnuOptionsColor_Click();
    EXPECT_EQ(f.look("Quarlith"), "Arial 11.25pt auto align 1");
}
