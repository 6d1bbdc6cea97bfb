#include "TsvFormat.h"

#include "catalogue/Columns.h"

#include <QFile>
#include <QStringDecoder>

using catalogue::cardColumns;

namespace zentcat {

namespace {

const QByteArray byteOrderMark = "\xEF\xBB\xBF";

QString escaped(const QString &value)
{
    if (value.isNull())
        return QStringLiteral("\\N");
    QString text;
    text.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\t': text += u"\\t"; break;
        case '\n': text += u"\\n"; break;
        case '\r': text += u"\\r"; break;
        case '\\': text += u"\\\\"; break;
        default: text += c;
        }
    }
    if (text.contains(u'"'))
        return '"' + text.replace(u'"', QStringLiteral("\"\"")) + '"';
    return text;
}

QString unescaped(const QString &field)
{
    if (field == u"\\N")
        return {};
    QString value = QStringLiteral("");
    value.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar next = i + 1 < field.size() ? field[i + 1] : QChar();
        if (field[i] != u'\\' || !QStringView(u"tnr\\").contains(next)) {
            value += field[i]; // a lone backslash stands for itself
            continue;
        }
        value += next == u't' ? u'\t' : next == u'n' ? u'\n' : next == u'r' ? u'\r' : u'\\';
        ++i;
    }
    return value;
}

// Splits the text into records of fields, undoing the quoting; counts lines for messages.
class Parser
{
public:
    explicit Parser(QStringView whole) : text(whole) {}

    bool atEnd() const { return pos >= text.size(); }
    int line() const { return lineNumber; }

    // The next record's raw fields; false with a reason when its quoting is broken.
    bool next(QStringList *fields, QString *error)
    {
        fields->clear();
        lineNumber = nextLine;
        for (;;) {
            QString field;
            if (pos < text.size() && text[pos] == u'"') {
                if (!quoted(&field)) {
                    *error = QString("line %1: a quoted value has no closing quote").arg(lineNumber);
                    return false;
                }
            } else {
                while (pos < text.size() && text[pos] != u'\t' && text[pos] != u'\n' && text[pos] != u'\r')
                    field += text[pos++];
            }
            fields->append(field);
            if (pos >= text.size())
                return true;
            const QChar c = text[pos++];
            if (c == u'\t')
                continue;
            if (c == u'\r' && pos < text.size() && text[pos] == u'\n')
                ++pos;
            if (c == u'\r' || c == u'\n') {
                ++nextLine;
                return true;
            }
            *error = QString("line %1: text after a closing quote").arg(lineNumber);
            return false;
        }
    }

private:
    bool quoted(QString *field)
    {
        for (++pos; pos < text.size(); ++pos) {
            const QChar c = text[pos];
            if (c == u'"') {
                if (pos + 1 < text.size() && text[pos + 1] == u'"') {
                    *field += c;
                    ++pos;
                    continue;
                }
                ++pos;
                return true;
            }
            if (c == u'\n' || (c == u'\r' && (pos + 1 >= text.size() || text[pos + 1] != u'\n')))
                ++nextLine;
            *field += c;
        }
        return false;
    }

    QStringView text;
    qsizetype pos = 0;
    int lineNumber = 1;
    int nextLine = 1;
};

bool isHeader(const QStringList &fields)
{
    return fields == cardColumns();
}

} // namespace

QByteArray tsvHeader()
{
    return cardColumns().join(u'\t').toUtf8() + '\n';
}

QByteArray tsvLine(const QStringList &values)
{
    QStringList fields;
    fields.reserve(values.size());
    for (const QString &value : values)
        fields << escaped(value);
    return fields.join(u'\t').toUtf8() + '\n';
}

bool isCardTableText(const QByteArray &start)
{
    const QByteArray text = start.startsWith(byteOrderMark) ? start.mid(byteOrderMark.size()) : start;
    const QByteArray header = tsvHeader().chopped(1);
    return text.startsWith(header + '\n') || text.startsWith(header + '\r') || text == header;
}

TsvReader::TsvReader(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail("cannot read " + path);
        return;
    }
    QByteArray bytes = file.readAll();
    if (bytes.startsWith(byteOrderMark))
        bytes.remove(0, byteOrderMark.size());
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError()) {
        fail(path + " is not UTF-8 text");
        return;
    }
    Parser parser(text);
    QStringList fields;
    QString error;
    if (!parser.next(&fields, &error) || !isHeader(fields)) {
        fail(path + ": the first line does not hold the 22 column names of tblZentDeck");
        return;
    }
    while (!parser.atEnd()) {
        if (!parser.next(&fields, &error)) {
            fail(path + " " + error);
            return;
        }
        if (fields.size() == 1 && fields[0].isEmpty())
            continue; // a blank line, as a spreadsheet may leave at the end
        if (fields.size() != cardColumns().size()) {
            fail(QString("%1 line %2: %3 values, not %4")
                     .arg(path).arg(parser.line()).arg(fields.size()).arg(cardColumns().size()));
            return;
        }
        for (QString &field : fields)
            field = unescaped(field);
        rows.append(fields);
    }
    opened = true;
}

bool TsvReader::hasTable(const QString &table) const
{
    return table == QLatin1String(catalogue::cardTable);
}

bool TsvReader::readTable(const QString &table, const QStringList &columns, const TakeRow &take)
{
    if (!hasTable(table))
        return fail("card table text holds no table " + table);
    QList<int> positions;
    for (const QString &column : columns)
        positions << int(cardColumns().indexOf(column));
    QStringList values(columns.size());
    for (const QStringList &row : rows) {
        for (qsizetype c = 0; c < columns.size(); ++c)
            values[c] = row.value(positions[c]);
        if (!take(values))
            return false;
    }
    return true;
}

} // namespace zentcat
