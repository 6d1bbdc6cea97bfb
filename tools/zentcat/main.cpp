// zentcat: the users' catalogue tool. Turns Access-format catalogues and card table text into
// the program's own catalogues, writes a catalogue's cards as text, and checks a catalogue.

#include "Commands.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

const char help[] =
    "Usage: zentcat import LEGACY.znt|CARDS.tsv OUT.znt\n"
    "  or:  zentcat export CATALOGUE.znt OUT.tsv\n"
    "  or:  zentcat check CATALOGUE.znt\n"
    "Look after ZentDeckBuilder card catalogues.\n"
    "\n"
    "Commands:\n"
    "  import IN OUT   write OUT, a catalogue in the program's own format, from IN: a catalogue\n"
    "                  in the older Access format (Access 97 to 2010 and later) or card table\n"
    "                  text; IN is recognised by its content, not its name. The cards and the\n"
    "                  deck table's rows are copied in their stored order.\n"
    "  export IN OUT   write the cards of catalogue IN (either format) as card table text OUT,\n"
    "                  for a spreadsheet such as LibreOffice Calc.\n"
    "  check IN        tell what in catalogue IN will surprise its users: a missing table,\n"
    "                  cards in neither name list, missing pictures, evolution lines that get\n"
    "                  no recommended set, names listed twice.\n"
    "  --help          show this text and exit\n"
    "  --version       show the version and exit\n"
    "\n"
    "Card table text is UTF-8 with one tab between values. The first line holds the 22\n"
    "column names of tblZentDeck (fldName ... fldGroupLev), each further line one card. Inside\n"
    "a value a tab is written \\t, a line feed \\n, a carriage return \\r and a backslash \\\\,\n"
    "so each card stays on one line; a value with no text at all (NULL) is written \\N, an\n"
    "empty text as nothing. A value holding a double quote is put between double quotes with\n"
    "each quote doubled, as spreadsheets write it. In LibreOffice Calc, open the file with the\n"
    "separator Tab, the string delimiter \", and every column's type Text.\n"
    "\n"
    "Nothing is written to OUT unless the whole command succeeds: the output is written beside\n"
    "it and takes its name at the end. The input is only read.\n"
    "\n"
    "Exit status:\n"
    "  0  success; check found nothing to report\n"
    "  1  check found something to report\n"
    "  2  the command line is not one of the above\n"
    "  3  IN is missing, unreadable, not a catalogue, or lacks a table or column\n"
    "  4  OUT cannot be written\n";

int run(const QStringList &args)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    const QString command = args.value(1);
    if (args.size() == 2 && command == "--help") {
        out << help;
        return zentcat::Success;
    }
    if (args.size() == 2 && command == "--version") {
        out << "zentcat (ZentDeckBuilder) " << ZENT_VERSION << "\n";
        return zentcat::Success;
    }
    QString error;
    zentcat::ExitCode code;
    if (args.size() == 4 && command == "import") {
        code = zentcat::importCatalogue(args[2], args[3], &error);
    } else if (args.size() == 4 && command == "export") {
        code = zentcat::exportCards(args[2], args[3], &error);
    } else if (args.size() == 3 && command == "check") {
        QStringList findings;
        code = zentcat::checkCatalogue(args[2], &findings, &error);
        for (const QString &finding : findings)
            out << finding << "\n";
        if (code == zentcat::Success)
            out << args[2] << ": nothing in it will surprise its users.\n";
    } else {
        err << "zentcat: unknown command line; see zentcat --help\n";
        return zentcat::UsageError;
    }
    if (!error.isEmpty())
        err << "zentcat: " << error << "\n";
    return code;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    return run(app.arguments());
}
