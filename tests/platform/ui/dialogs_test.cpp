#include "platform/ui/CommonDialog.h"
#include "platform/ui/QtDialogs.h"

#include "ScriptedDialogs.h"
#include "TempDir.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace ui;

namespace {

// Answers the next modal dialog of type T once it is up, the way a user would.
template <typename T>
void whenShown(std::function<void(T *)> answer)
{
    QTimer::singleShot(0, qApp, [answer] {
        T *dialog = nullptr;
        const bool shown = QTest::qWaitFor([&] {
            dialog = qobject_cast<T *>(QApplication::activeModalWidget());
            return dialog != nullptr;
        });
        ASSERT_TRUE(shown) << "no " << T::staticMetaObject.className() << " was shown";
        answer(dialog);
    });
}

// Restores the current folder, which the file dialogs change on purpose.
struct CurrentFolderGuard
{
    QString saved = QDir::currentPath();
    ~CurrentFolderGuard() { QDir::setCurrent(saved); }
};

void touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(QtDialogs, MessageBoxesAreBuiltLikeTheClassicOnes)
{
    QtDialogs dialogs;

    // The offer: Yes and No, Yes the default, Escape is No, no icon, CR LF as a line break.
    whenShown<QMessageBox>([](QMessageBox *box) {
        EXPECT_EQ(box->windowTitle(), "Pro Tip");
        EXPECT_EQ(box->text(), "Add the set?\nAll four?");
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(static_cast<QAbstractButton *>(box->defaultButton()), box->button(QMessageBox::Yes));
        EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::No));
        EXPECT_EQ(box->buttons().size(), 2);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(messageBox(dialogs, nullptr, "Add the set?\r\nAll four?", MessageButtons::YesNo,
                         MessageIcon::None, "Pro Tip"),
              MessageAnswer::No);

    whenShown<QMessageBox>([](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Return); });
    EXPECT_EQ(messageBox(dialogs, nullptr, "Discard Changes?", MessageButtons::YesNo,
                         MessageIcon::Question),
              MessageAnswer::Yes);

    // A warning with OK only, under the application title when it has none of its own.
    whenShown<QMessageBox>([](QMessageBox *box) {
        EXPECT_EQ(box->windowTitle(), "ZentDeckBuilder");
        EXPECT_EQ(box->icon(), QMessageBox::Warning);
        EXPECT_EQ(box->buttons().size(), 1);
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(messageBox(dialogs, nullptr, "Only 4 of a card", MessageButtons::Ok,
                         MessageIcon::Exclamation),
              MessageAnswer::Ok);

    whenShown<QMessageBox>([](QMessageBox *box) {
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        box->close();   // the close box answers like Escape
    });
    EXPECT_EQ(messageBox(dialogs, nullptr, "Sure?", MessageButtons::YesNo, MessageIcon::Question),
              MessageAnswer::No);
}

TEST(QtDialogs, InputBoxGivesTheTypedTextOrNothingOnCancel)
{
    QtDialogs dialogs;
    whenShown<QInputDialog>([](QInputDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Find Zentari");
        EXPECT_EQ(dialog->labelText(), "Name?");
        EXPECT_EQ(dialog->textValue(), "");
        dialog->setTextValue("Blazer");
        dialog->accept();
    });
    EXPECT_EQ(dialogs.inputBox(nullptr, "Name?", "Find Zentari"), "Blazer");

    whenShown<QInputDialog>([](QInputDialog *dialog) {
        dialog->setTextValue("typed, then cancelled");
        dialog->reject();
    });
    EXPECT_EQ(dialogs.inputBox(nullptr, "Name?", "Find Zentari"), "");
}

TEST(QtDialogs, ClassicFiltersBecomeQtNameFiltersKeepingEveryDescription)
{
    EXPECT_EQ(nameFiltersFromClassic("Text Files (*.txt|*.txt|RichText Files (*.rtf)|*.rtf"),
              (QStringList{"Text Files (*.txt (*.txt)", "RichText Files (*.rtf) (*.rtf)"}));
    EXPECT_EQ(nameFiltersFromClassic("Pictures|*.png;*.bmp|All|*.*"),
              (QStringList{"Pictures (*.png *.bmp)", "All (*.*)"}));
    EXPECT_EQ(nameFiltersFromClassic("Zentari Database (*.znt)|*.znt|Dangling"),
              QStringList{"Zentari Database (*.znt) (*.znt)"});
    EXPECT_TRUE(nameFiltersFromClassic("").isEmpty());
}

TEST(QtDialogs, FileDialogsShowTheSettingsAndMakeTheChosenFolderCurrent)
{
    CurrentFolderGuard guard;
    TempDir folder;
    touch(folder.file("deck.txt"));
    touch(folder.file("deck.rtf"));

    QtDialogs dialogs;
    CommonDialog cdlText(dialogs);
    CommonDialogSettings &settings = cdlText.settings();
    settings.dialogTitle = "Zentari Deck Builder";
    settings.filter = "Text Files (*.txt|*.txt|RichText Files (*.rtf)|*.rtf";
    settings.filterIndex = 2;
    settings.initDir = folder.path();
    settings.flags = cdlOFNExplorer | cdlOFNFileMustExist | cdlOFNPathMustExist;

    whenShown<QFileDialog>([&](QFileDialog *dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Zentari Deck Builder");
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        auto *types = dialog->findChild<QComboBox *>("fileTypeCombo");
        ASSERT_NE(types, nullptr);
        ASSERT_EQ(types->count(), 2);
        EXPECT_EQ(types->itemText(0), "Text Files (*.txt");
        EXPECT_EQ(types->itemText(1), "RichText Files (*.rtf)");
        EXPECT_EQ(types->currentIndex(), 1);
        types->setCurrentIndex(0);
        types->activated(0);
        dialog->selectFile("deck.txt");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    ASSERT_TRUE(cdlText.ShowOpen());
    EXPECT_EQ(QFileInfo(settings.fileName).canonicalFilePath(),
              QFileInfo(folder.file("deck.txt")).canonicalFilePath());
    EXPECT_EQ(settings.fileTitle, "deck.txt");
    EXPECT_EQ(settings.filterIndex, 1);
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(folder.path()).canonicalPath());

    // Cancelled, the dialog leaves every result as it was; the save keeps the open's flags.
    const CommonDialogSettings before = settings;
    whenShown<QFileDialog>([](QFileDialog *dialog) {
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        dialog->reject();
    });
    EXPECT_FALSE(cdlText.ShowSave());
    EXPECT_EQ(settings, before);
}

TEST(QtDialogs, PrintFontAndColourDialogsArePrimedFromTheSettings)
{
    QtDialogs dialogs;
    CommonDialog cdlText(dialogs);
    CommonDialogSettings &settings = cdlText.settings();

    settings.flags = cdlPDReturnDC | cdlPDNoPageNums;
    settings.printSelection = true;
    QPrinter printer;
    whenShown<QPrintDialog>([](QPrintDialog *dialog) {
        EXPECT_TRUE(dialog->testOption(QAbstractPrintDialog::PrintSelection));
        EXPECT_FALSE(dialog->testOption(QAbstractPrintDialog::PrintPageRange));
        EXPECT_EQ(dialog->printer()->printRange(), QPrinter::Selection);
        dialog->reject();
    });
    EXPECT_FALSE(cdlText.ShowPrinter(printer));

    settings.fontName = "Liberation Serif";
    settings.fontSize = 14;
    settings.fontBold = true;
    whenShown<QFontDialog>([](QFontDialog *dialog) {
        const QFont shown = dialog->currentFont();
        EXPECT_EQ(shown.family(), "Liberation Serif");
        EXPECT_EQ(shown.pointSizeF(), 14);
        EXPECT_TRUE(shown.bold());
        QFont chosen("Liberation Sans", 10);
        chosen.setUnderline(true);
        dialog->setCurrentFont(chosen);
        dialog->accept();
    });
    ASSERT_TRUE(cdlText.ShowFont());
    EXPECT_EQ(settings.fontName, "Liberation Sans");
    EXPECT_EQ(settings.fontSize, 10);
    EXPECT_FALSE(settings.fontBold);
    EXPECT_TRUE(settings.fontUnderline);

    whenShown<QColorDialog>([](QColorDialog *dialog) {
        EXPECT_EQ(dialog->currentColor(), QColor(Qt::black));
        dialog->setCurrentColor(Qt::red);
        dialog->accept();
    });
    ASSERT_TRUE(cdlText.ShowColor());
    EXPECT_EQ(settings.color, QColor(Qt::red));
}

TEST(ScriptedDialogs, AnswersInOrderAndRecordsWhatWasShown)
{
    CurrentFolderGuard guard;
    TempDir folder;
    ScriptedDialogs dialogs;
    dialogs.answerMessage(MessageAnswer::Yes);
    dialogs.answerInput("Blazer");
    dialogs.answerOpen(folder.file("zentdeck.znt"));
    dialogs.cancel(ScriptedDialogs::Kind::Save);
    dialogs.answerColor(Qt::blue);

    EXPECT_EQ(messageBox(dialogs, nullptr, "Discard Changes?", MessageButtons::YesNo,
                         MessageIcon::Question),
              MessageAnswer::Yes);
    EXPECT_EQ(dialogs.inputBox(nullptr, "Name?", "Find"), "Blazer");
    CommonDialog cdlOne(dialogs);
    cdlOne.settings().filter = "Zentari Database (*.znt)|*.znt";
    EXPECT_TRUE(cdlOne.ShowOpen());
    EXPECT_EQ(cdlOne.settings().fileTitle, "zentdeck.znt");
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(folder.path()).canonicalPath());
    EXPECT_FALSE(cdlOne.ShowSave());
    EXPECT_TRUE(cdlOne.ShowColor());
    EXPECT_EQ(cdlOne.settings().color, QColor(Qt::blue));

    const auto &shown = dialogs.shown();
    ASSERT_EQ(shown.size(), 5);
    EXPECT_EQ(shown[0].text, "Discard Changes?");
    EXPECT_EQ(shown[0].title, "ZentDeckBuilder");
    EXPECT_EQ(shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(shown[1].title, "Find");
    EXPECT_EQ(shown[2].settings.filter, "Zentari Database (*.znt)|*.znt");
    EXPECT_EQ(shown[2].settings.fileName, "");                // as shown, before the choice
    EXPECT_EQ(shown[3].settings.fileTitle, "zentdeck.znt");   // the settings persist
    EXPECT_EQ(dialogs.shownTexts(), QStringList{"Discard Changes?"});
}

TEST(ScriptedDialogs, AnUnscriptedOrUnexpectedBoxFailsAndGetsTheSafeAnswer)
{
    ScriptedDialogs dialogs;
    MessageAnswer answer = MessageAnswer::Yes;
    EXPECT_NONFATAL_FAILURE(
        answer = messageBox(dialogs, nullptr, "Sure?", MessageButtons::YesNo),
        "Unscripted message box shown: \"Sure?\"");
    EXPECT_EQ(answer, MessageAnswer::No);

    dialogs.answerInput("text");
    CommonDialogSettings settings;
    bool opened = true;
    EXPECT_NONFATAL_FAILURE(opened = dialogs.showOpen(nullptr, settings),
                            "where the script expected a input box");
    EXPECT_FALSE(opened);
    EXPECT_EQ(dialogs.pendingAnswers(), 1);   // still waiting for its input box

    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs unused;
            unused.answerMessage(MessageAnswer::Ok);
        },
        "A scripted message box answer was never used");
    dialogs.clear();
}
