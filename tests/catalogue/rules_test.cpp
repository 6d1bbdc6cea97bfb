// The rules of a catalogue's content and of a deck, which the program, zentcat check and zentgen
// share. Which sets are offered and the deck sizes they must fit are the deck's adding tests' to
// check; how a file is known by its first bytes, zentcat's import tests'.
#include "CatalogueFixture.h"
#include "catalogue/BoundBoxes.h"
#include "catalogue/EvolutionLines.h"
#include "catalogue/Rules.h"

using namespace catalogue;
using catalogue_writer::CardRow;

namespace {

// Only text boxes are bound to a data control: any other box does not build.
template <typename Box>
constexpr bool bindable = requires(BoundBoxes &boxes, Box *box) { boxes.bind(box, QString()); };
static_assert(bindable<QLineEdit> && bindable<QTextEdit> && !bindable<QLabel> && !bindable<QPlainTextEdit>);

// A creature in a line that may be NULL.
CardRow card(const QString &name, const QString &line, const QString &stage)
{
    return {{"fldName", name}, {"fldTrainers", "z"}, {"fldZentGroup", line}, {"fldGroupLev", stage}};
}

// What zentcat check says about the lines of basics, as the program's offers make them: a line
// of a size that gets no set; a set that takes other cards than the line's next stages, stored
// on the rows after the basic.
QStringList findingsOfTheProgram(OpenCatalogue &open, const QList<CardRow> &rows)
{
    const EvolutionLines lines(open.catalogue);
    QStringList findings;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString name = rows[i].value("fldName");
        if (isNoName(name))
            continue;
        open.show(name);
        const QString line = open.txtGroup.text(), level = open.txtGroupLev.text();
        const int members = lines.membersOf(line);
        const std::optional<RecommendedSet> set = lines.setOffered(line, level);
        const QString named = "The evolution line \"" + line + "\"";
        if (!set && isBasic(level) && members > 1)
            findings << named + QString(" has %1 cards: a recommended set is offered only for lines of 2 or 3 "
                                        "cards.").arg(members);
        if (!set)
            continue;
        QStringList stages{lines.stageAfter(name)}, stored;
        if (set->secondStage > 0)
            stages << lines.stageAfter(stages[0]);
        for (qsizetype k = 1; k <= stages.size(); ++k) {
            const CardRow next = rows.value(i + k);
            const bool inLine = next.contains("fldZentGroup") && !next.value("fldZentGroup").isNull()
                                && next.value("fldZentGroup") == line;
            stored << (inLine && next.value("fldGroupLev").toDouble() == k + 1 ? next.value("fldName") : "");
        }
        if (stages != stored)
            findings << named + " is not stored stage by stage on the rows after its basic \"" + name
                            + "\": its recommended set adds \"" + stages[0]
                            + (stages.size() > 1 ? "\" twice and \"" + stages[1] + "\" once." : "\" once.");
    }
    findings.removeDuplicates();
    findings.sort();
    return findings;
}

} // namespace

// A stage reads as the catalogue engine read numbers; the stage walk takes the row after the
// first match and goes on with the name it took. (Lines, names and sets: below, and beside the
// program's name lists and offers.)
TEST(Rules, StagesAreNumbersAndTheStageWalkGoesOnWithTheNameItTook)
{
    for (const char *basic : {"1", "1.0", "01", " 1"})
        EXPECT_TRUE(isBasic(basic)) << basic;
    for (const char *other : {"2", "", "1st", "1.5"})
        EXPECT_FALSE(isBasic(other)) << other;
    const auto after = [](const QString &name, const QStringList &rows) {
        return stageAfter(name, [&](const std::function<void(QStringView)> &visit) {
            for (const QString &row : rows)
                visit(row);
        });
    };
    EXPECT_EQ(after("A", {"A", "B", "B", "C"}), "C");
    // Stored last, followed by a row without a name, or not there exactly: the name itself.
    EXPECT_EQ(after("C", {"A", "B", "C"}) + after("A", {"A", "", "B"}) + after("a", {"A", "B"}), "CAa");
}

// zentcat check tells of a line exactly when the program's offer for its basic is not the line
// as stored, in the program's own numbers and names.
TEST(Rules, ZentcatCheckAndTheProgramsOffersJudgeLinesAlike)
{
    const QList<QList<CardRow>> catalogues = {
        // Lines of one to five, stored stage by stage.
        {card("One", "1", "1"), card("Two", "2", "1"), card("Two B", "2", "2"), trainer("Sage"),
         card("Three", "3", "1"), card("Three B", "3", "2"), card("Three C", "3", "3"), card("Four", "4", "1"),
         card("Four B", "4", "2"), card("Four C", "4", "3"), card("Four D", "4", "4"), card("Five", "5", "1"),
         card("Five B", "5", "2"), card("Five C", "5", "3"), card("Five D", "5", "4"), card("Five E", "5", "5")},
        // Names that an index would sort otherwise than the line is stored.
        {card("Zed", "Z", "1"), card("Alpha", "Z", "2"), card("Mid", "Z", "3")},
        // Empty line names: the trainers' rows are in the empty line too.
        {card("Empty", "", "1"), card("Plain", "", ""), trainer("Sage")},
        {card("Empty", "", "1"), card("Plain", "", ""), trainer("Sage"), card("Lone", "", "")},
        // NULL lines: in none; a basic's box shows its line empty.
        {card("Bare", QString(), "1"), card("Bare B", QString(), "2"), trainer("Sage"), trainer("Bell")},
        {card("Bare", QString(), "1"), card("Bare B", QString(), "2"), card("Other", "O", "1")},
        // Odd stages: numbers as the engine reads them, two first stages, no stage, no basic, two
        // basics, a later stage alone.
        {card("A", "A", "1.0"), card("A B", "A", " 2"), card("A C", "A", "3"), card("D", "D", "1"),
         card("D B", "D", "2"), card("D C", "D", "2"), card("G", "G", "1"), card("G B", "G", "x"),
         card("J", "J", "2"), card("J C", "J", "3"), card("L", "L", "1"), card("M", "L", "1"),
         card("N", "N", "3")},
    };
    // An index that covers what both read must not change the order they walk the rows in.
    const QString indexed = "CREATE INDEX byName ON tblZentDeck(fldName, fldTrainers, fldImage, fldZentGroup, "
                            "fldGroupLev);";
    int told = 0;
    for (const QString &shaped : {QString(), indexed}) {
        for (const QList<CardRow> &rows : catalogues) {
            OpenCatalogue open(rows, shaped);
            const QStringList program = findingsOfTheProgram(open, rows);
            const ToolRun check = runZentcat({"check", open.file});
            QStringList tool = check.out.split('\n').filter(QRegularExpression(" cards: a recommended| stage by stage"));
            tool.sort();
            EXPECT_EQ(tool, program) << check.out.toStdString();
            told += program.size();
        }
    }
    EXPECT_EQ(told, 18);
}
