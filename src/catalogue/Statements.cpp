#include "catalogue/Statements.h"

#include "catalogue/Rules.h"

namespace catalogue::statements {

QString quoted(const QString &name)
{
    // A NUL character cannot stand inside a statement's text at all: it is joined in as a
    // character of its own, between the quoted parts.
    return QString(name).replace("'", "''").replace(QChar(0), "' || char(0) || '");
}

QString emptyDeck()
{
    return "DELETE * FROM tblNames";
}

QString showCreature(const QString &name)
{
    return QString(" SELECT * FROM tblZentDeck ") + " WHERE fldName = " + " '" + quoted(name) + "' ";
}

QString showTrainer(const QString &name)
{
    return QString(" SELECT * FROM tblZentDeck ") + " WHERE fldTrainers = " + " '" + quoted(name)
           + "' ";
}

QString deleteCopy(const QString &id)
{
    return QString("DELETE * FROM tblNames ") + "WHERE " + "fldID = " + id;
}

QString clearDeck()
{
    return emptyDeck();
}

QString countCopies(const QString &name)
{
    return QString("SELECT * FROM tblNames ") + "WHERE fldNames = " + " '" + quoted(name) + "' ";
}

QString addCopy(const QString &name, qint16 id)
{
    return QString("INSERT INTO tblNames ") + "(fldNames,fldID) " + "VALUES ('" + quoted(name)
           + "'," + " '" + QString::number(id) + "')";
}

QString addLaterStage(const QString &name, qint16 id)
{
    return QString("INSERT INTO tblNames ") + "(fldNames,fldID) " + "VALUES ('" + quoted(name)
           + "'," + "'" + QString::number(id) + "') ";
}

QString addSkarnox(qint16 id)
{
    return QString("INSERT INTO tblNames ") + "(fldNames,fldID) " + "VALUES ('" + catalogue::combinationPartner + "'," + "'"
           + QString::number(id) + "') ";
}

QString readDeckNames()
{
    return "SELECT fldNames FROM tblNames";
}

} // namespace catalogue::statements
