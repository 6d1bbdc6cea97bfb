#include "catalogue/Statements.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace catalogue;

TEST(Statements, TextsStandExactlyAsTheProgramSendsThem)
{
    EXPECT_EQ(statements::emptyDeck(), "DELETE * FROM tblNames");
    EXPECT_EQ(statements::clearDeck(), "DELETE * FROM tblNames");
    EXPECT_EQ(statements::showCreature("Alpha"),
              " SELECT * FROM tblZentDeck  WHERE fldName =  'Alpha' ");
    EXPECT_EQ(statements::showTrainer("Beta"),
              " SELECT * FROM tblZentDeck  WHERE fldTrainers =  'Beta' ");
    EXPECT_EQ(statements::deleteCopy(7), "DELETE * FROM tblNames WHERE fldID = 7");
    EXPECT_EQ(statements::countCopies("N"), "SELECT * FROM tblNames WHERE fldNames =  'N' ");
    EXPECT_EQ(statements::addCopy("N", 7), "INSERT INTO tblNames (fldNames,fldID) VALUES ('N', '7')");
    EXPECT_EQ(statements::addLaterStage("N", 7),
              "INSERT INTO tblNames (fldNames,fldID) VALUES ('N','7') ");
    EXPECT_EQ(statements::addSkarnox(13),
              "INSERT INTO tblNames (fldNames,fldID) VALUES ('Skarnox','13') ");
    EXPECT_EQ(statements::readDeckNames(), "SELECT fldNames FROM tblNames");
    EXPECT_EQ(statements::deleteCopy(32767), "DELETE * FROM tblNames WHERE fldID = 32767");
}

TEST(Statements, QuoteInsideANameIsDoubled)
{
    EXPECT_EQ(statements::showCreature("Kai'ro"),
              " SELECT * FROM tblZentDeck  WHERE fldName =  'Kai''ro' ");
    EXPECT_EQ(statements::countCopies("'; DELETE * FROM tblZentDeck; '"),
              "SELECT * FROM tblNames WHERE fldNames =  '''; DELETE * FROM tblZentDeck; ''' ");
    EXPECT_EQ(statements::addCopy("Ré'mi", 1),
              "INSERT INTO tblNames (fldNames,fldID) VALUES ('Ré''mi', '1')");
    EXPECT_EQ(statements::addLaterStage("''", 2),
              "INSERT INTO tblNames (fldNames,fldID) VALUES ('''''','2') ");
    EXPECT_EQ(statements::showTrainer(""), " SELECT * FROM tblZentDeck  WHERE fldTrainers =  '' ");
}
