#pragma once

#include "catalogue/CardControls.h"
#include "deck/DeckControls.h"

class QAction;
class QMenu;

namespace ui {
class KeyedButton;
class KeyedToolBar;
}

// The main window's menus and toolbar that its handlers switch on and off.
struct MainCommands
{
    ui::KeyedToolBar *Toolbar1 = nullptr;
    ui::KeyedButton *ViewPrint = nullptr; // its button "ViewPrint"
    QMenu *mnuFind = nullptr;
    QAction *mnuFindZentari = nullptr;
    QAction *mnuFindTrainer = nullptr;
    QAction *mnuFileOutput = nullptr;
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
