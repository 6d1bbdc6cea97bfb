// The name lists and the search, on catalogue files of the test's own and the controls they fill,
// without a window. What only the window shows (the keyboard's place, the whole card) is the
// window's tests' to check.
#include "CatalogueFixture.h"
#include "catalogue/CardSearch.h"

using catalogue::CardKind;

namespace {

QList<catalogue_writer::CardRow> cards()
{
    return {{{"fldName", "First"}, {"fldTrainers", "z"}, {"fldHitPoints", "10"}},
            trainer("Beta"),
            {{"fldName", "Kai'ro"}, {"fldTrainers", "z"}, {"fldHitPoints", "70"}},
            {{"fldName", "Twin"}, {"fldTrainers", "z"}, {"fldHitPoints", "1"}},
            {{"fldName", "Twin"}, {"fldTrainers", "z"}, {"fldHitPoints", "2"}},
            {{"fldName", "Z"}, {"fldTrainers", "z "}},
            {{"fldName", "z"}, {"fldTrainers", "z"}}};
}

} // namespace

TEST(NameLists, ListEveryNameInStoredOrderButTheMarkOfNoneAndOnlyTheCatalogueOpen)
{
    OpenCatalogue open(cards());
    open.cboName.setEditText("typed");
    EXPECT_EQ(OpenCatalogue::names(open.cboName), QStringList({"First", "Kai'ro", "Twin", "Twin", "Z"}));
    EXPECT_EQ(OpenCatalogue::names(open.cboTrainers), QStringList({"Beta", "z "}));

    // Another catalogue's names replace them; the text the user left stays.
    open.open(open.write({creature("Delta"), trainer("Echo")}, "other.znt"));
    EXPECT_EQ(OpenCatalogue::names(open.cboName), QStringList({"Delta"}));
    EXPECT_EQ(OpenCatalogue::names(open.cboTrainers), QStringList({"Echo"}));
    EXPECT_EQ(open.cboName.currentText(), "typed");
}

TEST(CardSearch, FindsACardOfExactlyThatNameOrSaysItWasNotFound)
{
    OpenCatalogue open(cards());
    catalogue::CardSearch search(open.dialogs, nullptr, open.catalogue, open.display);
    const auto find = [&](CardKind kind, const QString &typed, bool notFound = false) {
        open.dialogs.clear();
        open.statements.clear();
        open.dialogs.answerInput(typed);
        if (notFound)
            open.dialogs.answerMessage(ui::MessageAnswer::Ok);
        search.find(kind);
    };

    // The card is shown once, its name set into the list without a click of its own.
    find(CardKind::Creature, "Kai'ro");
    const ui::ScriptedDialogs::Shown &asked = open.dialogs.shown()[0];
    EXPECT_EQ(asked.text, "Enter the Zentari you want to find.");
    EXPECT_EQ(asked.title, "Search Zentari");
    EXPECT_EQ(open.txtHitPoints.text(), "70");
    EXPECT_EQ(open.cboName.currentText(), "Kai'ro");
    EXPECT_EQ(open.statements.texts().filter("SELECT *").size(), 1);

    // Another case, a trailing blank, a trainer's name: not found, and nothing else changes.
    for (const QString miss : {"kai'ro", "Kai'ro ", "Beta"}) {
        find(CardKind::Creature, miss, true);
        ASSERT_EQ(open.dialogs.shown().size(), 2) << miss.toStdString();
        EXPECT_EQ(open.dialogs.shown()[1].box(), "The Zentari, " + miss + ", was not found.\r\nPlease check spelling "
                                                  "and make sure it is a valid Zentari card.|Search Results|-|OK");
        EXPECT_EQ(open.cboName.currentText(), "Kai'ro");
        EXPECT_EQ(open.txtHitPoints.text(), "70");
    }
    find(CardKind::Creature, ""); // Cancel, or nothing typed
    EXPECT_EQ(open.dialogs.shown().size(), 1);

    // A name two rows share shows the first.
    find(CardKind::Creature, "Twin");
    EXPECT_EQ(open.txtHitPoints.text(), "1");
    find(CardKind::Trainer, "First", true);
    EXPECT_EQ(open.dialogs.shown()[0].text, "Enter the Trainer you want to find.");
    EXPECT_EQ(open.dialogs.shown()[0].title, "Search Trainers");
    EXPECT_EQ(open.dialogs.shown()[1].text, "The Trainer, First, was not found.\r\n"
                                            "Please check spelling and make sure it is a valid Trainer card.");
    find(CardKind::Trainer, "Beta");
    EXPECT_EQ(open.cboTrainers.currentText(), "Beta");
    EXPECT_EQ(open.txtHitPoints.text(), "");
}
