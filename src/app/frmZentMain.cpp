#include "app/frmZentMain.h"

#include "app/Attempt.h"
#include "app/frmAbout.h"
#include "catalogue/NameLists.h"
#include "catalogue/Statements.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/KeyedToolBar.h"
#include "platform/ui/PictureBox.h"
#include "platform/ui/Keyboard.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QToolButton>

namespace {

const QString defaultCatalogue = "zentdeck.znt";

QString joinPath(const QString &folder, const QString &name)
{
    return folder + "/" + name;
}

} // namespace

frmZentMain::frmZentMain(AppContext context)
    : context(context), cdlOne(context.dialogs)
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
    bindCardBoxes();
    setUpKeyboard();

    resize(1000, 700);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Form_Load();
}

frmZentMain::~frmZentMain() = default;

void frmZentMain::bindCardBoxes()
{
    // Hidden boxes, read by code only: the picture path and the card's evolution line and stage.
    txtImagePath = new QLineEdit(centralWidget());
    txtImagePath->setObjectName("txtImagePath");
    txtGroup = new QLineEdit("ZentGroup", centralWidget());
    txtGroup->setObjectName("txtGroup");
    txtGroupLev = new QLineEdit("GroupLev", centralWidget());
    txtGroupLev->setObjectName("txtGroupLev");
    for (QLineEdit *hidden : {txtImagePath, txtGroup, txtGroupLev})
        hidden->hide();

    const std::pair<QWidget *, const char *> bindings[] = {
        {txtEvolution, "fldEvolution"},     {txtHitPoints, "fldHitPoints"},
        {txtType, "fldCatagory"},           {txtLevel, "fldLevel"},
        {txtAtck1, "fldAttack1"},           {txtAtck1Cost, "fldAtck1Cost"},
        {txtAtck1Damage, "fldAtck1Damage"}, {txtAtck1Fx, "fldAtck1Effects"},
        {txtAtck2, "fldAttack2"},           {txtAtck2Cost, "fldAtck2Cost"},
        {txtAtck2Damage, "fldAtck2Damage"}, {txtAtck2Fx, "fldAtck2Effects"},
        {txtPowers, "fldZentPower"},        {txtResistance, "fldResistance"},
        {txtWeakness, "fldWeakness"},       {txtRetreatCost, "fldRetreatCost"},
        {txtNotes, "fldNotes"},             {txtImagePath, "fldImage"},
        {txtGroup, "fldZentGroup"},         {txtGroupLev, "fldGroupLev"},
    };
    for (const auto &[box, column] : bindings)
        zents.datZents().bind(box, column);
}

void frmZentMain::setUpKeyboard()
{
    installDefaultButton(this, cmdAdd2Deck);
    installMenuShortcutsWin(this);
}

// ---- load, activation, unload ----

void frmZentMain::Form_Load()
{
    const QString catalogueFile = joinPath(context.programFolder, defaultCatalogue);
    // Every step that fails is passed over silently: without a catalogue the window still
    // opens, with empty lists, and the user can open one with File > Open.
    attempt([&] { zents.open(catalogueFile); });
    openCatalogueLists();
    zents.pointDataControls(catalogueFile);
    showCounters();
    showFirstCard();
    enableCatalogueCommands();
    // The data controls open their record sources once the load is over.
    attempt([&] { zents.datZents().refresh(); });
    attempt([&] { zents.datNames().refresh(); });
}

void frmZentMain::openCatalogueLists()
{
    attempt([&] { zents.openCatalogueCursor(); });
    attempt([&] { fillNameList(zents.catalogueCursor(), "fldName", *cboName); });
    attempt([&] { fillNameList(zents.catalogueCursor(), "fldTrainers", *cboTrainers); });
    attempt([&] { zents.openNamesCursor(); });
}

void frmZentMain::showCounters()
{
    const std::pair<QLabel *, Counter> energies[] = {
        {lblFighting, deck.intFighting}, {lblFire, deck.intFire},
        {lblWater, deck.intWater},       {lblElectric, deck.intElectric},
        {lblGrass, deck.intGrass},       {lblPsychic, deck.intPsychic},
        {lblColorless, deck.intColorless},
    };
    for (const auto &[label, counter] : energies)
        label->setText(counter.text());
    txtCount->setText(deck.intDeckTotal.text());
}

void frmZentMain::showFirstCard()
{
    attempt([&] {
        Cursor &first = zents.catalogueCursor();
        first.moveFirst();
        // The first picture is found in the program's folder, wherever the process was started.
        attempt([&] {
            imgZents->loadPicture(joinPath(context.programFolder, first.value("fldImage")));
        });
        const QString name = first.value("fldName");
        // A catalogue that starts with a trainer shows it in the trainer list rather than
        // putting the "no creature" mark into the creature list's text.
        if (name == QLatin1String("z"))
            cboTrainers->setEditText(first.value("fldTrainers"));
        else
            cboName->setEditText(name);
    });
}

void frmZentMain::enableCatalogueCommands()
{
    mnuFind->setEnabled(true);
    mnuFindZentari->setEnabled(true);
    mnuFindTrainer->setEnabled(true);
    mnuFileOutput->setEnabled(true);
    Toolbar1->button("ViewPrint")->setEnabled(true);
}

void frmZentMain::Form_Activate()
{
    cboName->setFocus();
}

void frmZentMain::Form_Unload()
{
    // However the window closes, the working deck does not outlive the run.
    attempt([&] { zents.execute(statements::emptyDeck()); });
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
    attempt([&] { zents.open(fileName); });
    // The lists show the newly read catalogue only, not its names after the previous ones.
    emptyNameList(*cboName);
    emptyNameList(*cboTrainers);
    openCatalogueLists();
    // The data controls follow the catalogue actually open: when the chosen file could not be
    // opened, the cards keep coming from the previous one rather than from nowhere.
    attempt([&] { zents.pointDataControls(zents.database().path()); });
    showCounters();
    cboName->setFocus();
    if (QLineEdit *edit = cboName->lineEdit())
        edit->deselect();
    enableCatalogueCommands();
}

void frmZentMain::mnuFileOutput_Click()
{
    // The deck list report arrives with the preview window.
}

void frmZentMain::mnuFileExit_Click()
{
    const MessageAnswer answer = messageBox(context.dialogs, this, "Are you sure you want to exit?",
                                            MessageButtons::YesNo, MessageIcon::None, "Exit?");
    if (answer != MessageAnswer::Yes)
        return;
    attempt([&] { zents.execute(statements::emptyDeck()); });
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
