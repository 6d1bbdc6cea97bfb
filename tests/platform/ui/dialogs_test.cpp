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

    // Print: the selection offered and preselected, no page range.
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
}
