// Choosing a card from the name lists, the attack toggle, and Find, as the window shows them.
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

const QList<CardRow> cards = {
    {{"fldName", "First"}, {"fldTrainers", "z"}},
    {{"fldName", "z"}, {"fldTrainers", "Beta"}, {"fldImage", "pictures/beta.png"}, {"fldNotes", "Draw 2."}},
    alpha(),
    {{"fldName", "Kai'ro"}, {"fldTrainers", "z"}, {"fldImage", "pictures/kairo.png"}},
    {{"fldName", "Gone"}, {"fldTrainers", "z"}, {"fldImage", "pictures/missing.png"}},
    {{"fldName", "Bare"}, {"fldTrainers", "z"}, {"fldImage", ""}}};

} // namespace

TEST(Browsing, ChoosingOrFindingANameShowsTheWholeCardAndGivesTheKeyboardToItsList)
{
    AppFixture app;
    app.writeCatalogue(cards);
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
    EXPECT_NE(picture(app), alphaPicture);

    // A missing picture keeps the last one, an empty path clears it.
    app.choose("cboName", "Kai'ro");
    const QRgb kairoPicture = picture(app);
    app.choose("cboName", "Gone");
    EXPECT_EQ(picture(app), kairoPicture);
    app.choose("cboName", "Bare");
    EXPECT_EQ(picture(app), 0u);

    // What only the window shows of Find: the whole card, and the keyboard in the list the name
    // went to. What is found and said is the search's own tests'.
    app.dialogs.answerInput("Beta");
    main.mnuFindTrainer_Click();
    EXPECT_EQ(app.text("txtNotes"), "Draw 2.");
    EXPECT_TRUE(app.control<QWidget>("cboTrainers")->hasFocus());
    app.dialogs.answerInput("Alpha");
    main.mnuFindZentari_Click();
    EXPECT_EQ(app.text("txtAtck2"), "fldAttack2 of Alpha");
    EXPECT_EQ(picture(app), alphaPicture);
    EXPECT_TRUE(app.control<QWidget>("cboName")->hasFocus());
    // The name set into the list runs no click of its own, not even when the keyboard leaves
    // the list: one display, not two.
    app.statements.clear();
    app.control<QLineEdit>("txtLevel")->setFocus();
    EXPECT_EQ(app.statements.texts().filter("SELECT *").size(), 0);

    // Attack 2 stays seen from card to card; the keyboard goes back to the creature list.
    EXPECT_FALSE(app.control<QGroupBox>("fraAttack1")->isHidden());
    main.cmdToggle_Click();
    app.choose("cboName", "Kai'ro");
    EXPECT_TRUE(app.control<QGroupBox>("fraAttack1")->isHidden());
    EXPECT_TRUE(app.control<QGroupBox>("fraAttack2")->isVisible());
    EXPECT_TRUE(app.control<QWidget>("cboName")->hasFocus());
    main.cmdToggle_Click();
    EXPECT_TRUE(app.control<QGroupBox>("fraAttack1")->isVisible());
    EXPECT_TRUE(app.control<QGroupBox>("fraAttack2")->isHidden());
}
