// The real dialogs, set up as the program's commands set them. The real-window tests answer
// message boxes, the input box and the file and colour dialogs as a user does; here, what
// they cannot see.
#include "platform/ui/CommonDialog.h"
#include "platform/ui/QtDialogs.h"

#include "TempDir.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QListView>
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
        ASSERT_TRUE(QTest::qWaitFor([&] { return (dialog = qobject_cast<T *>(QApplication::activeModalWidget())); }));
        answer(dialog);
    });
}

} // namespace

TEST(QtDialogs, ShowTheClassicSettingsAndGiveBackWhatWasChosen)
{
    const QString before = QDir::currentPath();
    TempDir folder;
    QFile(folder.file("deck.txt")).open(QIODevice::WriteOnly);
    QtDialogs dialogs;
    CommonDialog cdlText(dialogs);
    CommonDialogSettings &settings = cdlText.settings();

    // Every filter description exactly as written, the odd bracket included; the entry chosen
    // and the chosen file's folder are kept.
    settings.filter = "Text Files (*.txt|*.txt|RichText Files (*.rtf)|*.rtf";
    settings.filterIndex = 2;
    settings.initDir = folder.path();
    settings.flags = cdlOFNExplorer | cdlOFNFileMustExist | cdlOFNPathMustExist;
    whenShown<QFileDialog>([&](QFileDialog *dialog) {
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(folder.path()).canonicalPath());
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        auto *types = dialog->findChild<QComboBox *>("fileTypeCombo");
        EXPECT_EQ(types->itemText(0), "Text Files (*.txt");
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
    QDir::setCurrent(before);

    // Print: the selection offered and preselected; no page range to be seen.
    settings.flags = cdlPDReturnDC | cdlPDNoPageNums;
    settings.printSelection = true;
    QPrinter printer;
    whenShown<QPrintDialog>([](QPrintDialog *dialog) {
        const auto *range = dialog->findChild<QWidget *>("gbPrintRange");
        for (const char *shown : {"printAll", "printSelection"})
            EXPECT_TRUE(dialog->findChild<QWidget *>(shown)->isVisibleTo(range)) << shown;
        for (const char *hidden : {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit"})
            EXPECT_FALSE(dialog->findChild<QWidget *>(hidden)->isVisibleTo(range)) << hidden;
        EXPECT_EQ(dialog->printer()->printRange(), QPrinter::Selection);
        dialog->reject();
    });
    EXPECT_FALSE(cdlText.ShowPrinter(printer));

    // Font, the first time: size 12, regular, no face; OK without choosing one gives no face.
    // Once a face was chosen, the dialog opens on it.
    for (const QString face : {"", "Liberation Serif"}) {
        whenShown<QFontDialog>([face](QFontDialog *dialog) {
            const auto *faces = dialog->findChild<QListView *>();
            EXPECT_EQ(faces->selectionModel()->selectedIndexes().size(), face.isEmpty() ? 0 : 1);
            EXPECT_EQ(dialog->findChild<QLineEdit *>()->text(), face);
            EXPECT_FALSE(dialog->currentFont().bold() || dialog->currentFont().italic());
            EXPECT_EQ(dialog->currentFont().pointSizeF(), 12);
            dialog->accept();
        });
        ASSERT_TRUE(cdlText.ShowFont());
        EXPECT_EQ(settings.fontName, face);
        EXPECT_EQ(settings.fontSize, 12);
        EXPECT_FALSE(settings.fontBold || settings.fontItalic || settings.fontUnderline);
        settings.fontName = "Liberation Serif";
    }
}

TEST(QtDialogs, BoxesAreWideEnoughForTheirWholeTitle)
{
    // Under openbox a title bar holds the window's icon and three buttons besides the title:
    // measured there, a box 90 pixels wider than its title in bold cuts it, 120 do not. A
    // title wider than the box's text and buttons widens the box.
    const auto expectWholeTitle = [](QDialog *box) {
        QFont bold = box->font();
        bold.setBold(true);
        EXPECT_GE(box->width(), QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 110);
        box->reject();
    };
    QtDialogs dialogs;
    whenShown<QMessageBox>(expectWholeTitle);
    dialogs.messageBox(nullptr, {"Discard Changes?", "ZentDeckBuilder", MessageIcon::Question, MessageButtons::YesNo});
    whenShown<QInputDialog>(expectWholeTitle);
    dialogs.inputBox(nullptr, "Find?", "Search Trainers, Zentari and Energies");
}
