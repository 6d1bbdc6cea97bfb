// The preview window: the report in its editor, save, open, print, exit.
#include "PreviewFixture.h"

#include <QGuiApplication>
#include <QToolButton>

using ui::MessageAnswer;

TEST(Preview, ShowsTheReportAndAsksBeforeLeavingUnsavedChanges)
{
    Preview preview;
    frmPreview &window = preview.window;
    EXPECT_EQ(window.windowTitle(), "Zentari Deck Builder - Print Preview");
    EXPECT_EQ(preview.rtfMain.toPlainText(), QString(deckList).replace("\r\n", "\n"));
    EXPECT_EQ(preview.rtfMain.document()->defaultFont().pointSizeF(), 11.25);
    EXPECT_EQ(preview.rtfMain.document()->defaultFont().family(), "Arial");

    // A fresh report counts as unsaved.
    preview.dialogs.answerMessage(MessageAnswer::No);
    window.mnuFileExit_Click();
    ASSERT_EQ(preview.dialogs.shown().size(), 1);
    EXPECT_EQ(preview.dialogs.shown()[0].box(), "Discard Changes?|ZentDeckBuilder|?|Yes No");
    EXPECT_TRUE(window.isVisible());

    // Saved under a .txt name, it is rich text all the same; then Exit asks nothing.
    preview.dialogs.answerSave(preview.folder.file("deck.txt"));
    window.tbrMain_ButtonClick("Save");
    const ui::CommonDialogSettings &save = preview.dialogs.shown()[1].settings;
    EXPECT_EQ(save.filter, "Text Files (*.txt|*.txt|RichText Files (*.rtf)|*.rtf");
    EXPECT_EQ(save.filterIndex, 2);
    EXPECT_EQ(save.initDir, preview.folder.path());
    EXPECT_EQ(save.dialogTitle, "Zentari Deck Builder");
    EXPECT_TRUE(readFile(preview.folder.file("deck.txt")).startsWith("{\\rtf1"));
    EXPECT_EQ(window.windowTitle(), preview.folder.file("deck.txt"));
    EXPECT_FALSE(window.isModified());
    // Any edit makes it ask again; Ctrl+X exits from inside the editor too.
    QTest::keyClicks(&preview.rtfMain, "x");
    EXPECT_TRUE(window.isModified());
    preview.dialogs.answerMessage(MessageAnswer::Yes);
    QTest::keyClick(&preview.rtfMain, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(preview.dialogs.shown().size(), 3);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(preview.main.isVisible());
}

TEST(Preview, OpensSavedListsAndKeepsItsContentWhenAFileDoesNotLoad)
{
    Preview preview;
    frmPreview &window = preview.window;
    ASSERT_TRUE(writeFile(preview.folder.file("notes.rtf"), "plain words, no rich text"));
    ASSERT_TRUE(preview.rtfMain.saveFile(preview.folder.file("saved.rtf")));
    preview.rtfMain.setPlainContent("changed");

    // Cancelled: caption, content and the unsaved mark stay.
    preview.dialogs.answerMessage(MessageAnswer::Yes);
    preview.dialogs.cancel(ui::ScriptedDialogs::Kind::Open);
    window.OpenDeckFile();
    const ui::CommonDialogSettings &open = preview.dialogs.shown()[1].settings;
    EXPECT_EQ(open.flags, 0x81800);
    EXPECT_EQ(window.windowTitle(), "Zentari Deck Builder - Print Preview");
    EXPECT_EQ(preview.rtfMain.toPlainText(), "changed");

    // A file that does not load: the caption already names it, the content stays. (Ctrl+O, the
    // menu item that is the toolbar's Open too, opens once.)
    preview.dialogs.answerMessage(MessageAnswer::Yes);
    preview.dialogs.answerOpen(preview.folder.file("notes.rtf"));
    QTest::keyClick(&preview.rtfMain, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(window.windowTitle(), "notes.rtf");
    EXPECT_EQ(preview.rtfMain.toPlainText(), "changed");

    // The busy cursor shows while the file loads, and goes with the load.
    Qt::CursorShape duringLoad = Qt::ArrowCursor;
    QObject::connect(&preview.rtfMain, &ui::RichTextBox::Change, [&] {
        if (const QCursor *cursor = QGuiApplication::overrideCursor())
            duringLoad = cursor->shape();
    });
    preview.dialogs.answerMessage(MessageAnswer::Yes);
    preview.dialogs.answerOpen(preview.folder.file("saved.rtf"));
    window.tbrMain_ButtonClick("Open");
    EXPECT_EQ(duringLoad, Qt::WaitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(window.windowTitle(), "saved.rtf");
    EXPECT_EQ(preview.rtfMain.toPlainText(), QString(deckList).replace("\r\n", "\n"));
    EXPECT_TRUE(window.isModified());

    // The toolbar: Help shows the about box; a key it does not know does nothing; every button
    // shows its picture.
    window.tbrMain_ButtonClick("Help");
    window.tbrMain_ButtonClick("help");
    EXPECT_EQ(preview.aboutShown, 1);
    EXPECT_EQ(preview.dialogs.shown().size(), 6);
    for (const ui::KeyedButton *button : preview.tbrMain.buttons())
        EXPECT_TRUE(button->key().isEmpty()
                    || !preview.tbrMain.buttonWidget(button->key())->icon().isNull())
            << button->key().toStdString();
}

TEST(Preview, PrintsTheSelectionOrEverythingAndFitsTheEditorToTheWindow)
{
    Preview preview;
    // Each page ends in its number.
    EXPECT_EQ(preview.printed(true), "Quarlith 1");
    EXPECT_EQ(preview.printed(false), "Current Deck: Quarlith Skarnox ************ "
                                      "1 Colorless Energy 1");
    const ui::CommonDialogSettings &print = preview.dialogs.shown()[0].settings;
    EXPECT_EQ(print.flags, 0x108);
    EXPECT_TRUE(print.printSelection);

    // The editor follows the window's size.
    preview.window.resize(600, 500);
    EXPECT_LT(preview.rtfMain.width(), 600);
    EXPECT_GT(preview.rtfMain.width(), 580);
}
