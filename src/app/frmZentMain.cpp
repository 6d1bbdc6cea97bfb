#include "app/frmZentMain.h"

#include "app/frmAbout.h"
#include "catalogue/NameLists.h"
#include "catalogue/Statements.h"
#include "report/DeckReport.h"
#include "platform/system/Attempt.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/KeyedToolBar.h"
#include "platform/ui/Keyboard.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

using sys::attempt;

frmZentMain::frmZentMain(AppContext appContext)
    : context(appContext), catalogueFile(appContext.statementLog, appContext.catalogueTool), cdlOne(appContext.dialogs, this)
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
    connectHandlers();
    setUpKeyboard();

    resize(1000, 700);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Form_Load();
}

frmZentMain::~frmZentMain() = default;

void frmZentMain::connectHandlers()
{
    // A list's click runs on the user's choice only, never when code sets its text.
    connect(controls.card.cboName, &QComboBox::activated, this, &frmZentMain::cboName_Click);
    connect(controls.trainers.cboTrainers, &QComboBox::activated, this,
            &frmZentMain::cboTrainers_Click);
    connect(controls.card.cmdToggle, &QPushButton::clicked, this, &frmZentMain::cmdToggle_Click);
    connect(commands.mnuFindZentari, &QAction::triggered, this, &frmZentMain::mnuFindZentari_Click);
    connect(commands.mnuFindTrainer, &QAction::triggered, this, &frmZentMain::mnuFindTrainer_Click);
    connect(controls.card.cmdAdd2Deck, &QPushButton::clicked, this, &frmZentMain::cmdAdd2Deck_Click);
    connect(controls.trainers.cmdAddTrainers, &QPushButton::clicked, this,
            &frmZentMain::cmdAddTrainers_Click);
    connect(controls.deck.cmdDeleteZent, &QPushButton::clicked, this,
            &frmZentMain::cmdDeleteZent_Click);
    connect(controls.deck.cmdClear, &QPushButton::clicked, this, &frmZentMain::cmdClear_Click);
    using Handler = void (frmZentMain::*)();
    const std::pair<Handler, Handler> energyHandlers[deck::energyKindCount] = {
        {&frmZentMain::cmdFightingUp_Click, &frmZentMain::cmdFightingDn_Click},
        {&frmZentMain::cmdFireUp_Click, &frmZentMain::cmdFireDn_Click},
        {&frmZentMain::cmdWaterUp_Click, &frmZentMain::cmdWaterDn_Click},
        {&frmZentMain::cmdGrassUp_Click, &frmZentMain::cmdGrassDn_Click},
        {&frmZentMain::cmdElectricUp_Click, &frmZentMain::cmdElectricDn_Click},
        {&frmZentMain::cmdPsychicUp_Click, &frmZentMain::cmdPsychicDn_Click},
        {&frmZentMain::cmdColorlessUp_Click, &frmZentMain::cmdColorlessDn_Click},
    };
    for (int i = 0; i < deck::energyKindCount; ++i) {
        connect(controls.energies[i].up, &QToolButton::clicked, this, energyHandlers[i].first);
        connect(controls.energies[i].down, &QToolButton::clicked, this, energyHandlers[i].second);
    }
}

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
    workingDeck.showCounters();
    display.showFirstCard(context.programFolder);
    enableCatalogueCommands();
    // The data controls open their record sources once the load is over.
    attempt([&] { catalogueFile.datZents().refresh(); });
    attempt([&] { catalogueFile.datNames().refresh(); });
}

void frmZentMain::openCatalogueLists()
{
    catalogue::fillNameLists(catalogueFile, *controls.card.cboName, *controls.trainers.cboTrainers);
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
    if (preview)
        preview->close();
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
    workingDeck.showCounters();
    controls.card.cboName->setFocus();
    if (QLineEdit *edit = controls.card.cboName->lineEdit())
        edit->deselect();
    enableCatalogueCommands();
}

void frmZentMain::mnuFileOutput_Click()
{
    // Any failure ends the command silently: an empty deck has no report, and gstrOutput
    // keeps the last one.
    if (!attempt([&] {
            lastReport = report::DeckReport(report::deckNames(catalogueFile), counters);
        }))
        return;
    preview = std::make_unique<frmPreview>(
        frmPreview::Context{context.dialogs, context.programFolder, lastReport,
                            [this](QWidget *over) { showAbout(over); }},
        this);
    preview->showModal();
    preview.reset();
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
    showAbout(this);
}

void frmZentMain::showAbout(QWidget *over)
{
    frmAbout about(context, over);
    about.showModal();
}

// ---- cards ----

void frmZentMain::cboName_Click()
{
    display.showChosen(catalogue::CardKind::Creature, controls.card.cboName->currentText());
}

void frmZentMain::cboTrainers_Click()
{
    display.showChosen(catalogue::CardKind::Trainer, controls.trainers.cboTrainers->currentText());
}

void frmZentMain::cmdToggle_Click()
{
    display.toggleAttack();
}

void frmZentMain::mnuFindZentari_Click()
{
    search.find(catalogue::CardKind::Creature);
}

void frmZentMain::mnuFindTrainer_Click()
{
    search.find(catalogue::CardKind::Trainer);
}

// ---- the deck ----

void frmZentMain::cmdAdd2Deck_Click()
{
    addCards.addZentari();
}

void frmZentMain::cmdAddTrainers_Click()
{
    addCards.addTrainer();
}

void frmZentMain::cmdDeleteZent_Click()
{
    workingDeck.deleteSelected();
}

void frmZentMain::cmdClear_Click()
{
    workingDeck.clear();
}

// The energy strip, in its order: each button adds or takes one card of its kind.
void frmZentMain::cmdFightingUp_Click() { energies.up(0); }
void frmZentMain::cmdFightingDn_Click() { energies.down(0); }
void frmZentMain::cmdFireUp_Click() { energies.up(1); }
void frmZentMain::cmdFireDn_Click() { energies.down(1); }
void frmZentMain::cmdWaterUp_Click() { energies.up(2); }
void frmZentMain::cmdWaterDn_Click() { energies.down(2); }
void frmZentMain::cmdGrassUp_Click() { energies.up(3); }
void frmZentMain::cmdGrassDn_Click() { energies.down(3); }
void frmZentMain::cmdElectricUp_Click() { energies.up(4); }
void frmZentMain::cmdElectricDn_Click() { energies.down(4); }
void frmZentMain::cmdPsychicUp_Click() { energies.up(5); }
void frmZentMain::cmdPsychicDn_Click() { energies.down(5); }
void frmZentMain::cmdColorlessUp_Click() { energies.up(6); }
void frmZentMain::cmdColorlessDn_Click() { energies.down(6); }

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
