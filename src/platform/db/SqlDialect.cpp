#include "platform/db/SqlDialect.h"

#include <QRegularExpression>

namespace db {

QString toSqlite(const QString &statement)
{
    static const QRegularExpression deleteStar(R"(^(\s*DELETE)\s+\*\s+(FROM\b))",
                                               QRegularExpression::CaseInsensitiveOption);
    QString text = statement;
    return text.replace(deleteStar, "\\1 \\2");
}

bool isTableName(const QString &source)
{
    static const QRegularExpression name(R"(^\s*[A-Za-z_][A-Za-z0-9_]*\s*$)");
    return name.match(source).hasMatch();
}

QString quotedName(const QString &name)
{
    return '"' + QString(name).replace('"', "\"\"") + '"';
}

QString fromInStoredOrder(const QString &table)
{
    return " FROM " + quotedName(table) + " NOT INDEXED";
}

} // namespace db
