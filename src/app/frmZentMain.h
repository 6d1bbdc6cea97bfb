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
// handler is a line or two that calls the subsystem doing the work. The handlers keep the
// program's own names; everything else here is named as the rest of the code is.
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
    void cboName_Click();
    void cboTrainers_Click();
    void cmdToggle_Click();
    void mnuFindZentari_Click();
    void mnuFindTrainer_Click();
    void cmdAdd2Deck_Click();
    void cmdAddTrainers_Click();
    void cmdDeleteZent_Click();
    void cmdClear_Click();
    // Any kind's up and down buttons of the energy strip: each is wired to these with its kind,
    // so a new kind needs no handler of its own.
    void cmdEnergyUp_Click(deck::EnergyKind kind);
    void cmdEnergyDn_Click(deck::EnergyKind kind);

    const catalogue::Catalogue &catalogueInUse() const { return catalogueFile; }
    deck::WorkingDeck &workingDeckInUse() { return workingDeck; }
    const QString &gstrOutput() const { return lastReport; }
    // The preview window while it is shown, else null.
    frmPreview *previewShown() const { return preview; }

signals:
    // The name lists were filled from the catalogue in use, at load or by File > Open: the
    // commands that work on a catalogue are offered from then on, even when the open failed.
    void catalogueOpened();

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

    // Load and File > Open share this step.
    void openCatalogueLists();
    // The about box, modal over the main window or the preview.
    void showAbout(QWidget *over);

    AppContext context;
    catalogue::Catalogue catalogueFile;
    const sys::Attempts &attempt = catalogueFile.attempts(); // how a catalogue step's failure goes
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
