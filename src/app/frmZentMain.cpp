#include "app/frmZentMain.h"

#include "app/frmAbout.h"
#include "catalogue/NameLists.h"
#include "catalogue/Statements.h"
#include "report/DeckReport.h"
#include "platform/system/Attempt.h"
#include "platform/ui/Dialogs.h"
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


frmZentMain::frmZentMain(AppContext appContext)
    : context(appContext), catalogueFile(appContext.engine, appContext.statementLog, appContext.catalogueTool, appContext.failures),
      cdlOne(appContext.dialogs, this)
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
    for (const deck::EnergyType &type : deck::energyTypes) {
        const deck::EnergyKind kind = type.kind;
        connect(controls.energies[kind].up, &QToolButton::clicked, this,
                [this, kind] { cmdEnergyUp_Click(kind); });
        connect(controls.energies[kind].down, &QToolButton::clicked, this,
                [this, kind] { cmdEnergyDn_Click(kind); });
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
    catalogueFile.pointDataControls();
    workingDeck.showCounters();
    display.showFirstCard(context.programFolder);
    emit catalogueOpened();
    // The data controls open their record sources once the load is over.
    attempt([&] { catalogueFile.cardControl().refresh(); });
    attempt([&] { catalogueFile.deckControl().refresh(); });
}

void frmZentMain::openCatalogueLists()
{
    catalogue::fillNameLists(catalogueFile, *controls.card.cboName, *controls.trainers.cboTrainers);
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
    // The cards shown from now on come from the catalogue open: the chosen file, or after a
    // failed open the one before, never the lists of one file with the cards of another.
    catalogueFile.pointDataControls();
    workingDeck.showCounters();
    controls.card.cboName->setFocus();
    if (QLineEdit *edit = controls.card.cboName->lineEdit())
        edit->deselect();
    emit catalogueOpened();
}

void frmZentMain::mnuFileOutput_Click()
{
    // Any failure ends the command silently: an empty deck has no report, and gstrOutput
    // keeps the last one.
    if (!attempt([&] {
            lastReport = report::DeckReport(report::deckNames(catalogueFile), controls.energies);
        }))
        return;
    // The preview lives while it is shown; the window is its Qt parent only to stand over it.
    frmPreview shown(frmPreview::Context{context.dialogs, context.programFolder, lastReport,
                                         [this](QWidget *over) { showAbout(over); }},
                     this);
    preview = &shown;
    shown.showModal();
    preview = nullptr;
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

// The energy strip: each button adds or takes one card of its kind.
void frmZentMain::cmdEnergyUp_Click(deck::EnergyKind kind)
{
    energies.up(kind);
}

void frmZentMain::cmdEnergyDn_Click(deck::EnergyKind kind)
{
    energies.down(kind);
}
