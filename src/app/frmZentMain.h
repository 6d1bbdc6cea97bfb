#pragma once

#include "app/AppContext.h"
#include "app/MainControls.h"
#include "catalogue/CardDisplay.h"
#include "catalogue/CardSearch.h"
#include "catalogue/Catalogue.h"
#include "deck/AddCards.h"
#include "deck/DeckCounters.h"
#include "deck/Energies.h"
#include "deck/WorkingDeck.h"
#include "platform/ui/CommonDialog.h"
#include "platform/ui/Form.h"
#include "report/frmPreview.h"

class QWidget;

// The deck builder's main window: the hub that owns the open catalogue, the deck counters and
// the working deck, and runs every card, deck and report command as one of its handlers. Each
// handler is a line or two that calls the subsystem doing the work.
class frmZentMain : public ui::Form
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
    void cboName_Click();
    void cboTrainers_Click();
    void cmdToggle_Click();
    void mnuFindZentari_Click();
    void mnuFindTrainer_Click();
    void cmdAdd2Deck_Click();
    void cmdAddTrainers_Click();
    void cmdDeleteZent_Click();
    void cmdClear_Click();
    void cmdFightingUp_Click();
    void cmdFightingDn_Click();
    void cmdFireUp_Click();
    void cmdFireDn_Click();
    void cmdWaterUp_Click();
    void cmdWaterDn_Click();
    void cmdGrassUp_Click();
    void cmdGrassDn_Click();
    void cmdElectricUp_Click();
    void cmdElectricDn_Click();
    void cmdPsychicUp_Click();
    void cmdPsychicDn_Click();
    void cmdColorlessUp_Click();
    void cmdColorlessDn_Click();

    const catalogue::Catalogue &catalogueInUse() const { return catalogueFile; }
    const deck::DeckCounters &deckCounters() const { return counters; }
    deck::WorkingDeck &workingDeckInUse() { return workingDeck; }
    const QString &gstrOutput() const { return lastReport; }
    // The preview window while it is shown, else null.
    frmPreview *previewShown() const { return preview; }

protected:
    void Form_Activate() override;
    void Form_Unload() override;

private:
    // Construction, one region at a time (frmZentMainLayout.cpp).
    void createMenus();
    void createToolbar();
    QWidget *createCardRegion();
    QWidget *createAttackFrames();
    QWidget *createCentreRegion();
    QWidget *createDeckRegion();
    QWidget *createTrainerRegion();
    QWidget *createEnergyStrip();
    void createHiddenBoxes();
    void bindCardBoxes();
    void connectHandlers();
    void setUpKeyboard();

    // Load and File > Open share these steps.
    void openCatalogueLists();
    void enableCatalogueCommands();
    // The about box, modal over the main window or the preview.
    void showAbout(QWidget *over);

    AppContext context;
    catalogue::Catalogue catalogueFile;
    deck::DeckCounters counters;
    QString lastReport; // gstrOutput: the last deck list report built
    ui::CommonDialog cdlOne;
    MainCommands commands;
    MainControls controls;
    catalogue::CardDisplay display{catalogueFile, controls.card, controls.attacks, controls.trainers};
    catalogue::CardSearch search{context.dialogs, this, catalogueFile, display};
    deck::WorkingDeck workingDeck{catalogueFile,     counters,        controls.deck,
                                  controls.energies, controls.card,   context.dialogs,
                                  this};
    deck::Energies energies{workingDeck, context.dialogs, this};
    deck::AddCards addCards{workingDeck,      catalogueFile,   controls.card,
                            controls.trainers, context.dialogs, this};
    frmPreview *preview = nullptr; // while shown
};
