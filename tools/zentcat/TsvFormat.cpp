#include "TsvFormat.h"

#include "catalogue/Columns.h"

#include <QFile>
#include <QStringDecoder>

using catalogue::cardColumns;

namespace zentcat {

namespace {

// The text is worked on as UTF-8 bytes: every character that is escaped or quoted is ASCII,
// and no byte of a longer character is.
const QByteArray byteOrderMark = "\xEF\xBB\xBF";

QByteArray escaped(const QByteArray &value)
{
    if (value.isNull())
        return "\\N";
    QByteArray text;
    text.reserve(value.size());
    for (const char c : value) {
        switch (c) {
        case '\t': text += "\\t"; break;
        case '\n': text += "\\n"; break;
        case '\r': text += "\\r"; break;
        case '\\': text += "\\\\"; break;
        default: text += c;
        }
    }
    if (text.contains('"'))
        return '"' + text.replace("\"", "\"\"") + '"';
    return text;
}

QByteArray unescaped(const QByteArray &field)
{
    if (field == "\\N")
        return {};
    QByteArray value("");
    value.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char next = i + 1 < field.size() ? field[i + 1] : '\0';
        if (field[i] != '\\' || (next != 't' && next != 'n' && next != 'r' && next != '\\')) {
            value += field[i]; // a lone backslash stands for itself
            continue;
        }
        value += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : '\\';
        ++i;
    }
    return value;
}

// Splits the text into records of fields, undoing the quoting; counts lines for messages.
class Parser
{
public:
    explicit Parser(const QByteArray &whole) : text(whole) {}

    bool atEnd() const { return pos >= text.size(); }
    int line() const { return lineNumber; }

    // The next record's raw fields; false with a reason when its quoting is broken.
    bool next(QByteArrayList *fields, QString *error)
    {
        fields->clear();
        lineNumber = nextLine;
        for (;;) {
            QByteArray field("");
            if (pos < text.size() && text[pos] == '"') {
                if (!quoted(&field)) {
                    *error = QString("line %1: a quoted value has no closing quote").arg(lineNumber);
                    return false;
                }
            } else {
                const qsizetype start = pos;
                while (pos < text.size() && text[pos] != '\t' && text[pos] != '\n' && text[pos] != '\r')
                    ++pos;
                field = text.sliced(start, pos - start);
            }
            fields->append(field);
            if (pos >= text.size())
                return true;
            const char c = text[pos++];
            if (c == '\t')
                continue;
            if (c == '\r' && pos < text.size() && text[pos] == '\n')
                ++pos;
            if (c == '\r' || c == '\n') {
                ++nextLine;
                return true;
            }
            *error = QString("line %1: text after a closing quote").arg(lineNumber);
            return false;
        }
    }

private:
    bool quoted(QByteArray *field)
    {
        for (++pos; pos < text.size(); ++pos) {
            const char c = text[pos];
            if (c == '"') {
                if (pos + 1 < text.size() && text[pos + 1] == '"') {
                    *field += c;
                    ++pos;
                    continue;
                }
                ++pos;
                return true;
            }
            if (c == '\n' || (c == '\r' && (pos + 1 >= text.size() || text[pos + 1] != '\n')))
                ++nextLine;
            *field += c;
        }
        return false;
    }

    const QByteArray &text;
    qsizetype pos = 0;
    int lineNumber = 1;
    int nextLine = 1;
};

bool isHeader(const QByteArrayList &fields)
{
    return fields == tsvHeader().chopped(1).split('\t');
}

QByteArray withoutByteOrderMark(const QByteArray &text)
{
    return text.startsWith(byteOrderMark) ? text.sliced(byteOrderMark.size()) : text;
}

} // namespace

QByteArray tsvHeader()
{
    return cardColumns().join(u'\t').toUtf8() + '\n';
}

QByteArray tsvLine(const QByteArrayList &values)
{
    QByteArrayList fields;
    fields.reserve(values.size());
    for (const QByteArray &value : values)
        fields << escaped(value);
    return fields.join('\t') + '\n';
}

bool isCardTableText(const QByteArray &start)
{
    // The header as written here or as a spreadsheet saves it, with the names in quotes.
    QByteArrayList fields;
    QString error;
    return Parser(withoutByteOrderMark(start)).next(&fields, &error) && isHeader(fields);
}

TsvReader::TsvReader(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail("cannot read " + path);
        return;
    }
    const QByteArray text = withoutByteOrderMark(file.readAll());
    QStringDecoder decoder(QStringDecoder::Utf8);
    (void)QString(decoder(text));
    if (decoder.hasError()) {
        fail(path + " is not UTF-8 text");
        return;
    }
    Parser parser(text);
    QByteArrayList fields;
    QString error;
    if (!parser.next(&fields, &error) || !isHeader(fields)) {
        fail(path + QString(": the first line does not hold the %1 column names of tblZentDeck")
                        .arg(cardColumns().size()));
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
        for (QByteArray &field : fields)
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
    QList<qsizetype> positions;
    for (const QString &column : columns)
        positions << cardColumns().indexOf(column);
    QByteArrayList values(columns.size());
    for (const QByteArrayList &row : rows) {
        for (qsizetype c = 0; c < columns.size(); ++c)
            values[c] = row.value(positions[c]);
        if (!take(values))
            return false;
    }
    return true;
}

} // namespace zentcat
