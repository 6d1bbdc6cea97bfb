#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << "ZentDeckBuilder: the program folder is built at "
                        << QCoreApplication::applicationDirPath()
                        << "; its windows are not built yet.\n";
    return 0;
}
