#pragma once

#include "app/AppContext.h"
#include "app/DeckCounters.h"
#include "catalogue/Catalogue.h"
#include "platform/ui/CommonDialog.h"
#include "platform/ui/Form.h"

struct EnergyColumn;
class KeyedToolBar;
class PictureBox;
class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTextEdit;
class QToolButton;

// The deck builder's main window: the hub that owns the open catalogue, the deck counters and
// the working deck, and runs every card, deck and report command as one of its handlers.
class frmZentMain : public Form
{
    Q_OBJECT

public:
    explicit frmZentMain(AppContext context);
    ~frmZentMain() override;

    // Handlers, named after their control and event.
    void Form_Load();
    void mnuFileOpen_Click();
    void mnuFileOutput_Click();
    void mnuFileExit_Click();
    void mnuHelpAbout_Click();
    void Toolbar1_ButtonClick(const QString &key);

    const Catalogue &catalogue() const { return zents; }
    const DeckCounters &counters() const { return deck; }
    const QString &gstrOutput() const { return report; }

protected:
    void Form_Activate() override;
    void Form_Unload() override;

private:
    // Construction, one region at a time.
    void createMenus();
    void createToolbar();
    QWidget *createCardRegion();
    QWidget *createAttackFrames();
    QWidget *createCentreRegion();
    QWidget *createDeckRegion();
    QWidget *createTrainerRegion();
    QWidget *createEnergyStrip();
    QWidget *createEnergyColumn(const EnergyColumn &column);
    void bindCardBoxes();
    void setUpKeyboard();

    // Load and File > Open share these steps.
    void openCatalogueLists();
    void showCounters();
    void enableCatalogueCommands();
    void showFirstCard();

    AppContext context;
    Catalogue zents;
    DeckCounters deck;
    QString report;
    CommonDialog cdlOne;

    KeyedToolBar *Toolbar1 = nullptr;
    QMenu *mnuFile = nullptr;
    QAction *mnuFileOpen = nullptr;
    QAction *mnuFileOutput = nullptr;
    QAction *mnuFileExit = nullptr;
    QMenu *mnuFind = nullptr;
    QAction *mnuFindZentari = nullptr;
    QAction *mnuFindTrainer = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuHelpAbout = nullptr;

    QComboBox *cboName = nullptr;
    QTextEdit *txtEvolution = nullptr;
    QLineEdit *txtHitPoints = nullptr;
    QLineEdit *txtType = nullptr;
    QLineEdit *txtLevel = nullptr;
    QPushButton *cmdAdd2Deck = nullptr;
    QPushButton *cmdToggle = nullptr;
    QGroupBox *fraAttack1 = nullptr;
    QLineEdit *txtAtck1 = nullptr;
    QLineEdit *txtAtck1Cost = nullptr;
    QLineEdit *txtAtck1Damage = nullptr;
    QTextEdit *txtAtck1Fx = nullptr;
    QGroupBox *fraAttack2 = nullptr;
    QLineEdit *txtAtck2 = nullptr;
    QLineEdit *txtAtck2Cost = nullptr;
    QLineEdit *txtAtck2Damage = nullptr;
    QTextEdit *txtAtck2Fx = nullptr;

    PictureBox *imgZents = nullptr;
    QTextEdit *txtPowers = nullptr;
    QLineEdit *txtResistance = nullptr;
    QLineEdit *txtWeakness = nullptr;
    QTextEdit *txtRetreatCost = nullptr;

    QLineEdit *txtCount = nullptr;
    QPushButton *cmdDeleteZent = nullptr;
    QPushButton *cmdClear = nullptr;
    QListWidget *lstZents = nullptr;
    QListWidget *lstId = nullptr;

    QPushButton *cmdAddTrainers = nullptr;
    QComboBox *cboTrainers = nullptr;
    QTextEdit *txtNotes = nullptr;

    QLineEdit *txtImagePath = nullptr;
    QLineEdit *txtGroup = nullptr;
    QLineEdit *txtGroupLev = nullptr;

    QGroupBox *Frame3 = nullptr;
    QLabel *lblFighting = nullptr;
    QLabel *lblFire = nullptr;
    QLabel *lblWater = nullptr;
    QLabel *lblGrass = nullptr;
    QLabel *lblElectric = nullptr;
    QLabel *lblPsychic = nullptr;
    QLabel *lblColorless = nullptr;
    QToolButton *cmdFightingUp = nullptr;
    QToolButton *cmdFightingDn = nullptr;
    QToolButton *cmdFireUp = nullptr;
    QToolButton *cmdFireDn = nullptr;
    QToolButton *cmdWaterUp = nullptr;
    QToolButton *cmdWaterDn = nullptr;
    QToolButton *cmdGrassUp = nullptr;
    QToolButton *cmdGrassDn = nullptr;
    QToolButton *cmdElectricUp = nullptr;
    QToolButton *cmdElectricDn = nullptr;
    QToolButton *cmdPsychicUp = nullptr;
    QToolButton *cmdPsychicDn = nullptr;
    QToolButton *cmdColorlessUp = nullptr;
    QToolButton *cmdColorlessDn = nullptr;
};
