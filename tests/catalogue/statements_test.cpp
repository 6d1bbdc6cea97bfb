#include "catalogue/Statements.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace catalogue;

// Each form once, blanks and quotes exactly; a quote inside a name is doubled so that no name
// can end the quoted text early.
TEST(Statements, StandExactlyAsTheProgramSendsThemWithQuotesDoubled)
{
    EXPECT_EQ(statements::showCreature("Kai'ro"),
              " SELECT * FROM tblZentDeck  WHERE fldName =  'Kai''ro' ");
    EXPECT_EQ(statements::showTrainer(""), " SELECT * FROM tblZentDeck  WHERE fldTrainers =  '' ");
    EXPECT_EQ(statements::deleteCopy("32767"), "DELETE * FROM tblNames WHERE fldID = 32767");
    EXPECT_EQ(statements::countCopies("'; DELETE * FROM tblZentDeck; '"),
              "SELECT * FROM tblNames WHERE fldNames =  '''; DELETE * FROM tblZentDeck; ''' ");
    EXPECT_EQ(statements::addCopy("N", 7), "INSERT INTO tblNames (fldNames,fldID) VALUES ('N', '7')");
    EXPECT_EQ(statements::addLaterStage("N", 7),
              "INSERT INTO tblNames (fldNames,fldID) VALUES ('N','7') ");
    EXPECT_EQ(statements::addSkarnox(13),
              "INSERT INTO tblNames (fldNames,fldID) VALUES ('Skarnox','13') ");
}
