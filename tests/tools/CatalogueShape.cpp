#include "CatalogueShape.h"

#include <QSet>

#include <sqlite3.h>

using catalogue_writer::CardRow;

QList<CardRow> readCards(const QString &path)
{
    QList<CardRow> rows;
    sqlite3 *db = nullptr;
    sqlite3_stmt *query = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK
        && sqlite3_prepare_v2(db, "SELECT * FROM tblZentDeck ORDER BY rowid", -1, &query, nullptr)
               == SQLITE_OK) {
        while (sqlite3_step(query) == SQLITE_ROW) {
            CardRow row;
            for (int i = 0; i < sqlite3_column_count(query); ++i)
                row.insert(QString::fromUtf8(sqlite3_column_name(query, i)),
                           QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(query, i))));
            rows.append(row);
        }
    }
    sqlite3_finalize(query);
    sqlite3_close(db);
    return rows;
}

namespace {

const QStringList attackColumns = {"fldAttack1", "fldAtck1Cost", "fldAtck1Damage", "fldAtck1Effects",
                                   "fldAttack2", "fldAtck2Cost", "fldAtck2Damage", "fldAtck2Effects"};

class ShapeWalk
{
public:
    explicit ShapeWalk(const QList<CardRow> &cards) : rows(cards) {}

    CatalogueShape run()
    {
        if (!rows.isEmpty() && rows[0].value("fldName") == "z")
            fault(0, "the first row is not a creature");
        for (int i = 0; i < rows.size();)
            i = visit(i);
        return shape;
    }

private:
    void fault(int row, const QString &reason) { shape.faults << QString("row %1: %2").arg(row + 1).arg(reason); }

    void checkName(int row, const QString &name)
    {
        if (names.contains(name))
            fault(row, "the name " + name + " is used twice");
        names.insert(name);
    }

    // Visits the row at i and, for a basic, the rest of its line; returns the next row to visit.
    int visit(int i)
    {
        const CardRow &row = rows[i];
        const QString name = row.value("fldName");
        const QString trainer = row.value("fldTrainers");
        if ((name == "z") == (trainer == "z") || name.isEmpty() || trainer.isEmpty()) {
            fault(i, "not exactly one name and one \"z\"");
            return i + 1;
        }
        if (name == "z") {
            checkName(i, trainer);
            ++shape.trainers;
            for (const QString &column : attackColumns + QStringList{"fldZentGroup", "fldGroupLev"})
                if (!row.value(column).isEmpty())
                    fault(i, "trainer " + trainer + " has " + column);
            return i + 1;
        }
        if (row.value("fldGroupLev") != "1") {
            fault(i, name + " is a later stage not stored after its basic");
            return i + 1;
        }
        const QString group = row.value("fldZentGroup");
        if (group.isEmpty() || groups.contains(group))
            fault(i, name + " does not start a group of its own");
        groups.insert(group);
        if (row.value("fldEvolution") != "Basic")
            fault(i, name + " is a basic whose evolution text is not \"Basic\"");

        int size = 1;
        while (i + size < rows.size() && rows[i + size].value("fldName") != "z"
               && rows[i + size].value("fldZentGroup") == group) {
            const CardRow &stage = rows[i + size];
            if (stage.value("fldGroupLev") != QString::number(size + 1))
                fault(i + size, stage.value("fldName") + " has the wrong stage");
            if (stage.value("fldEvolution") != "Evolves from " + rows[i + size - 1].value("fldName"))
                fault(i + size, stage.value("fldName") + " does not evolve from the row before");
            ++size;
        }
        for (int s = 0; s < size; ++s)
            checkName(i + s, rows[i + s].value("fldName"));
        if (size == 3)
            ++shape.linesOfThree;
        else if (size == 2)
            ++shape.linesOfTwo;
        else if (size == 1)
            ++shape.loneBasics;
        else
            fault(i, name + " starts a line of more than three");
        return i + size;
    }

    const QList<CardRow> &rows;
    CatalogueShape shape;
    QSet<QString> names;
    QSet<QString> groups;
};

} // namespace

CatalogueShape shapeOf(const QList<CardRow> &rows)
{
    return ShapeWalk(rows).run();
}

QStringList picturePaths(const QList<CardRow> &rows)
{
    QStringList paths;
    for (const CardRow &row : rows)
        if (!paths.contains(row.value("fldImage")))
            paths << row.value("fldImage");
    return paths;
}
