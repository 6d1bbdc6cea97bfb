#include "app/frmZentMain.h"

#include "app/frmAbout.h"
#include "catalogue/NameLists.h"
#include "catalogue/Statements.h"
#include "platform/system/Attempt.h"
#include "platform/system/Files.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/KeyedToolBar.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/PictureBox.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

using sys::attempt;

frmZentMain::frmZentMain(AppContext appContext)
    : context(appContext), catalogueFile(appContext.statementLog), cdlOne(appContext.dialogs, this)
{
    setObjectName("frmZentMain");
    setWindowTitle("Zentari Deck Builder");
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(212, 208, 200));
    setPalette(grey);
    setAutoFillBackground(true);

    createMenus();
    createToolbar();
    auto *central = new QWidget;
    auto *layout = new QGridLayout(central);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setHorizontalSpacing(12);
    layout->addWidget(createCardRegion(), 0, 0, 2, 1);
    layout->addWidget(createCentreRegion(), 0, 1, 2, 1);
    layout->addWidget(createDeckRegion(), 0, 2);
    layout->addWidget(createTrainerRegion(), 1, 2);
    layout->addWidget(createEnergyStrip(), 2, 0, 1, 3);
    layout->setColumnStretch(0, 5);
    layout->setColumnStretch(1, 4);
    layout->setColumnStretch(2, 5);
    layout->setRowStretch(0, 3);
    layout->setRowStretch(1, 2);
    setCentralWidget(central);
    createHiddenBoxes();
    bindCardBoxes();
    setUpKeyboard();

    resize(1000, 700);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Form_Load();
}

frmZentMain::~frmZentMain() = default;

void frmZentMain::setUpKeyboard()
{
    ui::installDefaultButton(this, controls.card.cmdAdd2Deck);
    ui::installMenuShortcutsWin(this);
}

// ---- load, activation, unload ----

void frmZentMain::Form_Load()
{
    const QString defaultFile = context.programFolder + "/zentdeck.znt";
    // Every step that fails is passed over silently: without a catalogue the window still
    // opens, with empty lists, and the user can open one with File > Open.
    attempt([&] { catalogueFile.open(defaultFile); });
    openCatalogueLists();
    catalogueFile.pointDataControls(defaultFile);
    deck::showCounters(counters, controls.deck, controls.energies);
    showFirstCard();
    enableCatalogueCommands();
    // The data controls open their record sources once the load is over.
    attempt([&] { catalogueFile.datZents().refresh(); });
    attempt([&] { catalogueFile.datNames().refresh(); });
}

void frmZentMain::openCatalogueLists()
{
    catalogue::fillNameLists(catalogueFile, *controls.card.cboName, *controls.trainers.cboTrainers);
}

void frmZentMain::showFirstCard()
{
    attempt([&] {
        db::Cursor &first = catalogueFile.catalogueCursor();
        first.moveFirst();
        // The first picture is found in the program's folder, wherever the process was started.
        attempt([&] {
            controls.card.imgZents->loadPicture(context.programFolder + "/"
                                                + sys::localPath(first.value("fldImage")));
        });
        const QString name = first.value("fldName");
        // A catalogue that starts with a trainer shows it in the trainer list rather than
        // putting the "no creature" mark into the creature list's text.
        if (name == QLatin1String("z"))
            controls.trainers.cboTrainers->setEditText(first.value("fldTrainers"));
        else
            controls.card.cboName->setEditText(name);
    });
}

void frmZentMain::enableCatalogueCommands()
{
    commands.mnuFind->setEnabled(true);
    commands.mnuFindZentari->setEnabled(true);
    commands.mnuFindTrainer->setEnabled(true);
    commands.mnuFileOutput->setEnabled(true);
    commands.Toolbar1->button("ViewPrint")->setEnabled(true);
}

void frmZentMain::Form_Activate()
{
    controls.card.cboName->setFocus();
}

void frmZentMain::Form_Unload()
{
    // However the window closes, the working deck does not outlive the run.
    attempt([&] { catalogueFile.execute(catalogue::statements::emptyDeck()); });
}

// ---- menus and toolbar ----

void frmZentMain::mnuFileOpen_Click()
{
    cdlOne.settings().initDir = context.programFolder;
    cdlOne.settings().dialogTitle = "Please Select Database";
    cdlOne.settings().filter = "Zentari Database (*.znt)|*.znt";
    // A cancelled dialog leaves everything as it was: the user changed their mind.
    if (!cdlOne.ShowOpen())
        return;
    const QString fileName = cdlOne.settings().fileName;
    attempt([&] { catalogueFile.open(fileName); });
    // The lists show the newly read catalogue only, not its names after the previous ones.
    catalogue::emptyNameList(*controls.card.cboName);
    catalogue::emptyNameList(*controls.trainers.cboTrainers);
    openCatalogueLists();
    // The cards shown from now on come from the chosen file, even when it could not be opened.
    catalogueFile.pointDataControls(fileName);
    deck::showCounters(counters, controls.deck, controls.energies);
    controls.card.cboName->setFocus();
    if (QLineEdit *edit = controls.card.cboName->lineEdit())
        edit->deselect();
    enableCatalogueCommands();
}

void frmZentMain::mnuFileOutput_Click()
{
    // The deck list report arrives with the preview window.
}

void frmZentMain::mnuFileExit_Click()
{
    const ui::MessageAnswer answer =
        ui::messageBox(context.dialogs, this, "Are you sure you want to exit?",
                       ui::MessageButtons::YesNo, ui::MessageIcon::None, "Exit?");
    if (answer != ui::MessageAnswer::Yes)
        return;
    attempt([&] { catalogueFile.execute(catalogue::statements::emptyDeck()); });
    close();
}

void frmZentMain::mnuHelpAbout_Click()
{
    frmAbout about(context, this);
    about.showModal();
}

void frmZentMain::Toolbar1_ButtonClick(const QString &key)
{
    attempt([&] {
        if (key == QLatin1String("Open"))
            mnuFileOpen_Click();
        else if (key == QLatin1String("ViewPrint"))
            mnuFileOutput_Click();
        else if (key == QLatin1String("Help"))
            mnuHelpAbout_Click();
    });
}
