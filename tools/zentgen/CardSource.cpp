#include "CardSource.h"

#include "catalogue/Columns.h"
#include "catalogue/Rules.h"

#include <QFile>
#include <QSet>

namespace column = catalogue::column;

using catalogue_writer::CardRow;

namespace zentgen {

namespace {

bool fail(QString *error, int line, const QString &reason)
{
    *error = QString("line %1: %2").arg(line).arg(reason);
    return false;
}

// The header must name every card column once and nothing else, so a typo cannot drop a column.
QString headerFault(const QStringList &header)
{
    const QStringList &columns = catalogue::cardColumns();
    QSet<QString> seen;
    for (const QString &name : header) {
        if (!columns.contains(name))
            return "unknown column \"" + name + "\"";
        if (seen.contains(name))
            return "column \"" + name + "\" named twice";
        seen.insert(name);
    }
    for (const QString &name : columns)
        if (!seen.contains(name))
            return "column \"" + name + "\" missing";
    return {};
}

// Picture paths are joined to the program's folder, so they must stay inside it and be
// plain ASCII with forward slashes, which every platform can open.
bool isSafePicturePath(const QString &path)
{
    if (path.isEmpty() || path.startsWith('/') || path.contains('\\') || path.contains(':'))
        return false;
    for (const QChar c : path)
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    return !path.split('/').contains("..");
}

// A card is a creature or a trainer, with a name, and a picture the generator can draw.
QString rowFault(const CardRow &row)
{
    const QString name = row.value(column::name);
    const QString trainer = row.value(column::trainers);
    if (!catalogue::isOneCard(name, trainer))
        return QString("exactly one of fldName and fldTrainers must be \"%1\"").arg(catalogue::noNameMark);
    if (name.isEmpty() || trainer.isEmpty())
        return "the card has no name";
    if (!isSafePicturePath(row.value(column::image)))
        return "fldImage must be a relative ASCII path inside the program's folder";
    return {};
}

} // namespace

bool parseCardSource(const QString &text, QList<CardRow> *rows, QString *error)
{
    QStringList header;
    const QStringList lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList fields = line.split('\t');
        if (header.isEmpty()) {
            const QString fault = headerFault(fields);
            if (!fault.isEmpty())
                return fail(error, i + 1, fault);
            header = fields;
            continue;
        }
        if (fields.size() != header.size())
            return fail(error, i + 1, QString("expected %1 fields, found %2").arg(header.size()).arg(fields.size()));
        CardRow row;
        for (int c = 0; c < fields.size(); ++c)
            row.insert(header[c], fields[c]);
        const QString fault = rowFault(row);
        if (!fault.isEmpty())
            return fail(error, i + 1, fault);
        rows->append(row);
    }
    if (header.isEmpty())
        return fail(error, int(lines.size()), "no header line naming the columns");
    return true;
}

bool readCardSource(const QString &path, QList<CardRow> *rows, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = "cannot read " + path + ": " + file.errorString();
        return false;
    }
    if (!parseCardSource(QString::fromUtf8(file.readAll()), rows, error)) {
        *error = path + ", " + *error;
        return false;
    }
    return true;
}

} // namespace zentgen
