#pragma once

#include <QStringList>

// The two tables of a catalogue file and their columns, in stored order: the one place their
// names stand. Kept free of the rest of the catalogue layer so the catalogue tools can share it.
// The statements (Statements.cpp) carry the same names inside their fixed texts.
namespace catalogue {

inline constexpr char cardTable[] = "tblZentDeck";
inline constexpr char namesTable[] = "tblNames";

namespace column {

// tblZentDeck. A row's name columns hold "z" where it has no name of that kind.
inline constexpr char name[] = "fldName";
inline constexpr char trainers[] = "fldTrainers";
inline constexpr char image[] = "fldImage";
inline constexpr char category[] = "fldCatagory"; // so spelt in every catalogue
inline constexpr char hitPoints[] = "fldHitPoints";
inline constexpr char weakness[] = "fldWeakness";
inline constexpr char resistance[] = "fldResistance";
inline constexpr char retreatCost[] = "fldRetreatCost";
inline constexpr char level[] = "fldLevel";
inline constexpr char evolution[] = "fldEvolution";
inline constexpr char power[] = "fldZentPower";
inline constexpr char notes[] = "fldNotes";
inline constexpr char attack1[] = "fldAttack1";
inline constexpr char attack1Cost[] = "fldAtck1Cost";
inline constexpr char attack1Damage[] = "fldAtck1Damage";
inline constexpr char attack1Effects[] = "fldAtck1Effects";
inline constexpr char attack2[] = "fldAttack2";
inline constexpr char attack2Cost[] = "fldAtck2Cost";
inline constexpr char attack2Damage[] = "fldAtck2Damage";
inline constexpr char attack2Effects[] = "fldAtck2Effects";
inline constexpr char group[] = "fldZentGroup";
inline constexpr char groupLevel[] = "fldGroupLev";

// tblNames: a card's name and its copy's identifier.
inline constexpr char deckName[] = "fldNames";
inline constexpr char id[] = "fldID";

} // namespace column

// The columns of tblZentDeck, in stored order.
inline const QStringList &cardColumns()
{
    using namespace column;
    static const QStringList columns = {
        name,          trainers,       image,          category,      hitPoints,
        weakness,      resistance,     retreatCost,    level,         evolution,
        power,         notes,          attack1,        attack1Cost,   attack1Damage,
        attack1Effects, attack2,       attack2Cost,    attack2Damage, attack2Effects,
        group,         groupLevel};
    return columns;
}

// The columns of tblNames, in stored order.
inline const QStringList &nameColumns()
{
    static const QStringList columns = {column::deckName, column::id};
    return columns;
}

} // namespace catalogue
