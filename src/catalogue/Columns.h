#pragma once

#include <QStringList>

// The two tables of a catalogue file and their columns, in stored order. Kept free of the rest
// of the catalogue layer so the catalogue tools can share it.
namespace catalogue {

inline constexpr char cardTable[] = "tblZentDeck";
inline constexpr char namesTable[] = "tblNames";

// The columns of tblZentDeck ("fldCatagory" is so spelt in every catalogue).
inline const QStringList &cardColumns()
{
    static const QStringList columns = {
        "fldName",       "fldTrainers",    "fldImage",       "fldCatagory",   "fldHitPoints",
        "fldWeakness",   "fldResistance",  "fldRetreatCost", "fldLevel",      "fldEvolution",
        "fldZentPower",  "fldNotes",       "fldAttack1",     "fldAtck1Cost",  "fldAtck1Damage",
        "fldAtck1Effects", "fldAttack2",   "fldAtck2Cost",   "fldAtck2Damage", "fldAtck2Effects",
        "fldZentGroup",  "fldGroupLev"};
    return columns;
}

// The columns of tblNames: a card's name and its copy's identifier.
inline const QStringList &nameColumns()
{
    static const QStringList columns = {"fldNames", "fldID"};
    return columns;
}

} // namespace catalogue
