#pragma once

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace ui {
class PictureBox;
}

namespace catalogue {

// The card region of the main window: the creature name list, the card's bound text boxes,
// its picture and the three hidden boxes read by code (picture path, evolution line, stage).
struct CardControls
{
    QComboBox *cboName = nullptr;
    QTextEdit *txtEvolution = nullptr;
    QLineEdit *txtHitPoints = nullptr;
    QLineEdit *txtType = nullptr;
    QLineEdit *txtLevel = nullptr;
    QPushButton *cmdAdd2Deck = nullptr;
    QPushButton *cmdToggle = nullptr;
    ui::PictureBox *imgZents = nullptr;
    QTextEdit *txtPowers = nullptr;
    QLineEdit *txtResistance = nullptr;
    QLineEdit *txtWeakness = nullptr;
    QTextEdit *txtRetreatCost = nullptr;
    QLineEdit *txtImagePath = nullptr;
    QLineEdit *txtGroup = nullptr;
    QLineEdit *txtGroupLev = nullptr;
};

// One attack frame ("Attack 1" or "Attack 2"): its name, cost, damage and effects.
struct AttackFrame
{
    QGroupBox *frame = nullptr; // fraAttack1, fraAttack2
    QLineEdit *attack = nullptr;  // txtAtck1, txtAtck2
    QLineEdit *cost = nullptr;    // txtAtck1Cost, ...
    QLineEdit *damage = nullptr;  // txtAtck1Damage, ...
    QTextEdit *effects = nullptr; // txtAtck1Fx, ...
};

// The two attack frames, lying in the same place: only one is seen at a time.
struct AttackFrames
{
    AttackFrame fraAttack1;
    AttackFrame fraAttack2;
};

// The trainer region: the trainer name list, its add button and the card's notes.
struct TrainerControls
{
    QPushButton *cmdAddTrainers = nullptr;
    QComboBox *cboTrainers = nullptr;
    QTextEdit *txtNotes = nullptr;
};

} // namespace catalogue
