// zentgen: builds the bundled card catalogue from its source file, or a synthetic catalogue
// of any size, and draws the card pictures the catalogue names.

#include "Commands.h"
#include "SyntheticCatalogue.h"

#include <QGuiApplication>
#include <QTextStream>

namespace {

const char usage[] =
    "usage: zentgen build SOURCE.tsv OUTDIR\n"
    "       zentgen synthetic ROWS OUTFILE.znt\n";

int fail(const QString &message)
{
    QTextStream(stderr) << "zentgen: " << message << "\n";
    return 1;
}

int run(const QStringList &args)
{
    QString error;
    if (args.size() == 4 && args[1] == "build") {
        if (!zentgen::buildCatalogue(args[2], args[3], &error))
            return fail(error);
        return 0;
    }
    if (args.size() == 4 && args[1] == "synthetic") {
        bool number = false;
        const int rows = args[2].toInt(&number);
        if (!number || rows < zentgen::syntheticMinimumRows || rows > 1000000)
            return fail(QString("ROWS must be a whole number from %1 to 1000000").arg(zentgen::syntheticMinimumRows));
        if (!zentgen::buildSynthetic(rows, args[3], &error))
            return fail(error);
        return 0;
    }
    QTextStream(stderr) << usage;
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    // Drawing text needs a GUI application but no display: the build machine may have none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return run(app.arguments());
}
