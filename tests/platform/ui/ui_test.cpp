// The user-interface layer on real widgets. The real dialogs, set up as the program's commands
// set them: the real-window tests answer message boxes, the input box and the file and colour
// dialogs as a user does; here, what they cannot see. Windows' activation and unload events, and
// the keyed toolbar: a button that is a menu item too, and the click that reaches its command.
#include "Testing.h"
#include "platform/ui/CommonDialog.h"
#include "platform/ui/Form.h"
#include "platform/ui/KeyedToolBar.h"
#include "platform/ui/QtDialogs.h"

#include <QPrintDialog>
#include <QPrinter>

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

// A window that writes its events into a shared log as "name.Event".
class LoggedForm : public Form
{
public:
    LoggedForm(const char *formName, QStringList &events) : name(formName), log(events) { resize(200, 150); }
    void Form_Activate() override { log.append(name + ".Activate"); }
    void Form_Unload() override { log.append(name + ".Unload"); }

private:
    QString name;
    QStringList &log;
};

// Runs the action once the window is up and active, from inside its modal event loop.
void whenActive(QWidget &window, std::function<void()> action)
{
    QTimer::singleShot(0, &window, [&window, action] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        action();
    });
}

// A table that would lose a click does not pass the check its window's build makes. (Which
// window runs the commands and which menu items they have is of no concern here.)
struct None
{
};
using Row = KeyedCommand<None, None>;
constexpr void (*runs)(None &) = [](None &) {};
constexpr Row wellKeyed[] = {{}, {"A", nullptr, "Open", KeyedButtonStyle::Push, runs}};
constexpr Row repeatedKey[] = {wellKeyed[1], {"A", nullptr, "Save", KeyedButtonStyle::Push, runs}};
constexpr Row noCommand[] = {{"A", nullptr, "Open", KeyedButtonStyle::Push}};
static_assert(isWellKeyed(wellKeyed) && !isWellKeyed(repeatedKey) && !isWellKeyed(noCommand));

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

    // Print with text selected: the selection is the one choice, and what is printed; no page
    // range to be seen. Without a selection: all of it.
    settings.flags = cdlPDReturnDC | cdlPDNoPageNums;
    for (const bool selection : {true, false}) {
        settings.printSelection = selection;
        QPrinter printer;
        whenShown<QPrintDialog>([selection](QPrintDialog *dialog) {
            const auto *range = dialog->findChild<QWidget *>("gbPrintRange");
            EXPECT_EQ(dialog->findChild<QWidget *>("printSelection")->isVisibleTo(range), selection);
            EXPECT_EQ(dialog->findChild<QWidget *>("printAll")->isVisibleTo(range), !selection);
            for (const char *hidden : {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit"})
                EXPECT_FALSE(dialog->findChild<QWidget *>(hidden)->isVisibleTo(range)) << hidden;
            dialog->accept();
        });
        ASSERT_TRUE(cdlText.ShowPrinter(printer));
        EXPECT_EQ(printer.printRange(), selection ? QPrinter::Selection : QPrinter::AllPages);
    }
}

TEST(Form, ActivatesOnDisplayAndReturnUnloadsOnEveryCloseAndShowsModally)
{
    QStringList log;
    LoggedForm main("main", log);
    main.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.size() == 1; }));

    // Returning from a message box is no new activation.
    QtDialogs dialogs;
    whenShown<QMessageBox>([](QMessageBox *box) { box->button(QMessageBox::Ok)->click(); });
    messageBox(dialogs, &main, "Hello");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    QCoreApplication::processEvents();
    EXPECT_EQ(log, QStringList{"main.Activate"});

    // Modal windows nest; each returns when closed or hidden, and the window beneath is
    // activated again. Hiding is no unload.
    LoggedForm preview("preview", log);
    LoggedForm about("about", log);
    whenActive(preview, [&] {
        EXPECT_EQ(QApplication::activeModalWidget(), &preview);
        whenActive(about, [&] { about.close(); });
        about.showModal();
        EXPECT_TRUE(QTest::qWaitFor([&] { return log.size() == 5; }));
        preview.hide();
    });
    preview.showModal();
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.size() == 6; }));
    EXPECT_EQ(log, (QStringList{"main.Activate", "preview.Activate", "about.Activate", "about.Unload",
                                "preview.Activate", "main.Activate"}));

    // Closed twice, unloaded once; quitting unloads the windows still open.
    main.close();
    main.close();
    LoggedForm open("open", log);
    open.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return log.size() == 8; }));
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    qApp->exec();
    EXPECT_EQ(log.mid(6), (QStringList{"main.Unload", "open.Activate", "open.Unload"}));
}

// A button and its menu item are one command: a click on either runs it once, and the button
// follows the item's state, keeping its picture and showing no tool tip of its caption. (Which
// command a window's button runs, and that code setting a button pressed runs none, is the
// windows' tests' to check.)
TEST(KeyedToolBar, AButtonAndItsMenuItemAreOneCommand)
{
    struct Menu
    {
        QAction *about;
    };
    static constexpr KeyedCommand<QStringList, Menu> table[] = {
        {"Help", nullptr, "HelpQ", KeyedButtonStyle::Push, [](QStringList &ran) { ran << "Help"; }, &Menu::about}};
    QMainWindow window;
    Menu menu{window.menuBar()->addMenu("Help")->addAction("About")};
    QStringList ran;
    auto *bar = new KeyedToolBar(&window);
    bar->addButtons(table, ran, menu, ImageList({"HelpQ"}));
    auto *help = bar->findChild<QToolButton *>("Help");
    menu.about->trigger();
    help->click();
    EXPECT_EQ(ran, QStringList({"Help", "Help"}));
    menu.about->setEnabled(false);
    EXPECT_FALSE(help->isEnabled());
    EXPECT_FALSE(help->icon().isNull());
    EXPECT_EQ(help->toolTip(), "");
    EXPECT_EQ(help->accessibleName(), "Help");
}
