#include "platform/ui/CommonDialog.h"
#include "platform/ui/QtDialogs.h"

#include "TempDir.h"

#include <QPushButton>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace ui;

namespace {

// Answers the next modal dialog of type T once it is up, the way a user would.
template <typename T>
void whenShown(std::function<void(T *)> answer)
{
    QTimer::singleShot(0, qApp, [answer] {
        T *dialog = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return (dialog = qobject_cast<T *>(QApplication::activeModalWidget())) != nullptr;
        })) << "no " << T::staticMetaObject.className() << " was shown";
        answer(dialog);
    });
}

} // namespace

// The real-window tests answer real message boxes; here, what they do not reach.
TEST(QtDialogs, AnOfferHasNoIconAndYesForDefaultAndACancelledInputBoxGivesNothing)
{
    QtDialogs dialogs;
    whenShown<QMessageBox>([](QMessageBox *box) {
        EXPECT_EQ(box->text(), "Add the set?\nAll four?"); // CR LF breaks the line
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_EQ(messageBox(dialogs, nullptr, "Add the set?\r\nAll four?", MessageButtons::YesNo,
                         MessageIcon::None, "Pro Tip"),
              MessageAnswer::No);
    whenShown<QInputDialog>([](QInputDialog *dialog) {
        dialog->setTextValue("typed, then cancelled");
        dialog->reject();
    });
    EXPECT_EQ(dialogs.inputBox(nullptr, "Name?", "Search Zentari"), "");
}

TEST(QtDialogs, FileDialogsShowTheClassicSettingsAndMakeTheChosenFolderCurrent)
{
    const QString before = QDir::currentPath();
    TempDir folder;
    QFile(folder.file("deck.txt")).open(QIODevice::WriteOnly);

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
        // Every description exactly as the program wrote it, odd bracket included.
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
    EXPECT_EQ(settings.fileTitle, "deck.txt");
    EXPECT_EQ(settings.filterIndex, 1);
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(folder.path()).canonicalPath());

    // Cancelled, the dialog leaves every result as it was; a save names new files, whatever
    // the open's flags.
    const CommonDialogSettings kept = settings;
    whenShown<QFileDialog>([](QFileDialog *dialog) {
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
        dialog->reject();
    });
    EXPECT_FALSE(cdlText.ShowSave());
    EXPECT_EQ(settings, kept);
    QDir::setCurrent(before);
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
    whenShown<QFontDialog>([](QFontDialog *dialog) {
        EXPECT_EQ(dialog->currentFont().family(), "Liberation Serif");
        EXPECT_EQ(dialog->currentFont().pointSizeF(), 14);
        QFont chosen("Liberation Sans", 10);
        chosen.setUnderline(true);
        dialog->setCurrentFont(chosen);
        dialog->accept();
    });
    ASSERT_TRUE(cdlText.ShowFont());
    EXPECT_EQ(settings.fontName, "Liberation Sans");
    EXPECT_EQ(settings.fontSize, 10);
    EXPECT_TRUE(settings.fontUnderline);

    whenShown<QColorDialog>([](QColorDialog *dialog) {
        EXPECT_EQ(dialog->currentColor(), QColor(Qt::black));
        dialog->setCurrentColor(Qt::red);
        dialog->accept();
    });
    ASSERT_TRUE(cdlText.ShowColor());
    EXPECT_EQ(settings.color, QColor(Qt::red));
}
