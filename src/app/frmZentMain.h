#pragma once

#include "app/AppContext.h"
#include "app/MainControls.h"
#include "catalogue/CardDisplay.h"
#include "catalogue/CardSearch.h"
#include "catalogue/Catalogue.h"
#include "deck/DeckCounters.h"
#include "platform/ui/CommonDialog.h"
#include "platform/ui/Form.h"

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

    const catalogue::Catalogue &catalogueInUse() const { return catalogueFile; }
    const deck::DeckCounters &deckCounters() const { return counters; }
    const QString &gstrOutput() const { return lastReport; }

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

    AppContext context;
    catalogue::Catalogue catalogueFile;
    deck::DeckCounters counters;
    QString lastReport; // gstrOutput: the last deck list report built
    ui::CommonDialog cdlOne;
    MainCommands commands;
    MainControls controls;
    catalogue::CardDisplay display{catalogueFile, controls.card, controls.attacks, controls.trainers};
    catalogue::CardSearch search{context.dialogs, this, catalogueFile, display};
};
