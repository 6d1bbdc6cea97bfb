#pragma once

#include "catalogue/CardControls.h"
#include "deck/DeckControls.h"

class QAction;
class QMenu;

// The main window's commands: each is one action, the menu's item and, for those on the toolbar,
// its button too.
struct MainCommands
{
    QMenu *mnuFind = nullptr;
    QAction *mnuFileOpen = nullptr;
    QAction *mnuFileOutput = nullptr;
    QAction *mnuFindZentari = nullptr;
    QAction *mnuFindTrainer = nullptr;
    QAction *mnuHelpAbout = nullptr;
};

// Every control of the main window, one struct per region. Each region's struct is declared
// by the layer whose subsystems drive it, so a subsystem is handed the controls it works on
// and never the window.
struct MainControls
{
    catalogue::CardControls card;
    catalogue::AttackFrames attacks;
    deck::DeckControls deck;
    catalogue::TrainerControls trainers;
    deck::EnergyStrip energies;
};
