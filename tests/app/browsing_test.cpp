// Choosing a card from the name lists, the attack toggle, and Find.
#include "AppFixture.h"

using catalogue_writer::CardRow;

namespace {

// Each box of the card region with the column it shows.
const std::pair<const char *, const char *> boxes[] = {
    {"txtType", "fldCatagory"}, {"txtHitPoints", "fldHitPoints"}, {"txtWeakness", "fldWeakness"},
    {"txtResistance", "fldResistance"}, {"txtRetreatCost", "fldRetreatCost"}, {"txtLevel", "fldLevel"},
    {"txtEvolution", "fldEvolution"}, {"txtPowers", "fldZentPower"}, {"txtNotes", "fldNotes"},
    {"txtAtck1", "fldAttack1"}, {"txtAtck1Cost", "fldAtck1Cost"}, {"txtAtck1Damage", "fldAtck1Damage"},
    {"txtAtck1Fx", "fldAtck1Effects"}, {"txtAtck2", "fldAttack2"}, {"txtAtck2Cost", "fldAtck2Cost"},
    {"txtAtck2Damage", "fldAtck2Damage"}, {"txtAtck2Fx", "fldAtck2Effects"}};

// Alpha, with every column its own text ("fldLevel of Alpha") and a picture.
CardRow alpha()
{
    CardRow row{{"fldName", "Alpha"}, {"fldTrainers", "z"}, {"fldImage", "pictures\\alpha.png"}};
    for (const auto &[box, column] : boxes)
        row.insert(column, QString(column) + " of Alpha");
    return row;
}

QRgb picture(const AppFixture &app)
{
    const auto *box = app.control<ui::PictureBox>("imgZents");
    return box->hasPicture() ? box->picture().pixel(0, 0) : 0;
}

QList<CardRow> cards()
{
    return {{{"fldName", "First"}, {"fldTrainers", "z"}},
            {{"fldName", "z"}, {"fldTrainers", "Beta"}, {"fldImage", "pictures/beta.png"}, {"fldNotes", "Draw 2."}},
            alpha(),
            {{"fldName", "Kai'ro"}, {"fldTrainers", "z"}, {"fldHitPoints", "70"}, {"fldImage", "pictures/kairo.png"}},
            {{"fldName", "Twin"}, {"fldTrainers", "z"}, {"fldHitPoints", "1"}, {"fldImage", "pictures/missing.png"}},
            {{"fldName", "Twin"}, {"fldTrainers", "z"}, {"fldHitPoints", "2"}},
            {{"fldName", "Bare"}, {"fldTrainers", "z"}, {"fldImage", ""}}};
}

} // namespace

TEST(Browsing, ChoosingANameShowsTheWholeCardAndItsPicture)
{
    AppFixture app;
    app.writeCatalogue(cards());
    QFile::remove(app.folder.file("pictures/missing.png"));
    frmZentMain &main = app.showMainWindow();

    app.choose("cboName", "Alpha");
    for (const auto &[box, column] : boxes)
        EXPECT_EQ(app.text(box), QString(column) + " of Alpha") << box;
    const QRgb alphaPicture = picture(app);
    EXPECT_NE(alphaPicture, 0u);

    // A trainer shows in the same boxes, and the keyboard stays in the trainer list.
    app.choose("cboTrainers", "Beta");
    EXPECT_EQ(app.text("txtNotes"), "Draw 2.");
    EXPECT_EQ(app.text("txtHitPoints"), "");
    EXPECT_TRUE(app.control<QWidget>("cboTrainers")->hasFocus());
    const QRgb betaPicture = picture(app);
    EXPECT_NE(betaPicture, alphaPicture);

    // A quoted name; a name two rows share shows the first; a missing picture keeps the last
    // one, an empty path clears it.
    app.choose("cboName", "Kai'ro");
    EXPECT_EQ(app.text("txtHitPoints"), "70");
    const QRgb kairoPicture = picture(app);
    app.choose("cboName", "Twin");
    EXPECT_EQ(app.text("txtHitPoints"), "1");
    EXPECT_EQ(picture(app), kairoPicture);
    app.choose("cboName", "Bare");
    EXPECT_EQ(picture(app), 0u);

    // Attack 2 stays seen from card to card; the keyboard goes back to the creature list.
    EXPECT_FALSE(app.control<QGroupBox>("fraAttack1")->isHidden());
    main.cmdToggle_Click();
    app.choose("cboName", "Alpha");
    EXPECT_TRUE(app.control<QGroupBox>("fraAttack1")->isHidden());
    EXPECT_TRUE(app.control<QGroupBox>("fraAttack2")->isVisible());
    EXPECT_TRUE(app.control<QWidget>("cboName")->hasFocus());
    main.cmdToggle_Click();
    EXPECT_TRUE(app.control<QGroupBox>("fraAttack1")->isVisible());
    EXPECT_TRUE(app.control<QGroupBox>("fraAttack2")->isHidden());
}

TEST(Browsing, FindShowsACardOfExactlyThatNameOrSaysItWasNotFound)
{
    AppFixture app;
    app.writeCatalogue(cards());
    frmZentMain &main = app.showMainWindow();
    const auto find = [&](bool zentari, const QString &typed, bool notFound = false) {
        app.dialogs.clear();
        app.statements.clear();
        app.dialogs.answerInput(typed);
        if (notFound)
            app.dialogs.answerMessage(ui::MessageAnswer::Ok);
        zentari ? main.mnuFindZentari_Click() : main.mnuFindTrainer_Click();
    };

    find(true, "Alpha");
    const ui::ScriptedDialogs::Shown &asked = app.dialogs.shown()[0];
    EXPECT_EQ(asked.text, "Enter the Zentari you want to find.");
    EXPECT_EQ(asked.title, "Search Zentari");
    EXPECT_EQ(app.text("txtAtck2"), "fldAttack2 of Alpha");
    EXPECT_EQ(app.control<QComboBox>("cboName")->currentText(), "Alpha");
    EXPECT_TRUE(app.control<QWidget>("cboName")->hasFocus());
    // The name set into the list runs no click of its own, not even when the keyboard leaves
    // the list: one display, not two.
    app.control<QLineEdit>("txtLevel")->setFocus();
    EXPECT_FALSE(app.control<QWidget>("cboName")->hasFocus());
    EXPECT_EQ(app.statements.texts().filter("SELECT *").size(), 1);
    EXPECT_NE(picture(app), 0u);

    // Other case, a trailing blank, a trainer's name: not found; nothing else changes.
    for (const QString miss : {"alpha", "Alpha ", "Beta"}) {
        find(true, miss, true);
        ASSERT_EQ(app.dialogs.shown().size(), 2) << miss.toStdString();
        EXPECT_EQ(app.dialogs.shown()[1].box(), "The Zentari, " + miss + ", was not found.\r\nPlease check spelling "
                                                 "and make sure it is a valid Zentari card.|Search Results|-|OK");
        EXPECT_EQ(app.control<QComboBox>("cboName")->currentText(), "Alpha");
        EXPECT_EQ(app.text("txtAtck2"), "fldAttack2 of Alpha");
    }
    find(true, ""); // Cancel, or nothing typed
    EXPECT_EQ(app.dialogs.shown().size(), 1);

    find(false, "Kai'ro", true);
    EXPECT_EQ(app.dialogs.shown()[0].text, "Enter the Trainer you want to find.");
    EXPECT_EQ(app.dialogs.shown()[0].title, "Search Trainers");
    EXPECT_EQ(app.dialogs.shown()[1].text, "The Trainer, Kai'ro, was not found.\r\n"
                                           "Please check spelling and make sure it is a valid Trainer card.");
    find(false, "Beta");
    EXPECT_EQ(app.control<QComboBox>("cboTrainers")->currentText(), "Beta");
    EXPECT_TRUE(app.control<QWidget>("cboTrainers")->hasFocus());
    find(true, "Kai'ro");
    EXPECT_EQ(app.text("txtHitPoints"), "70");
}
