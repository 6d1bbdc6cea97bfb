
#include "FaultyFiles.h"
#include "Testing.h"

namespace {

// A warning from Qt is a fault of the program (a failed connect, a bad property, a widget
// used the wrong way), so it fails the test that caused it. The offscreen platform's notes on
// what it cannot do (raise a window, grab the keyboard) are no fault of ours.
void failOnWarning(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg
        || message.startsWith(QLatin1String("This plugin does not support")))
        return;
    ADD_FAILURE() << "Qt said: " << message.toStdString();
}

} // namespace

int main(int argc, char **argv)
{
    // Widgets render without a display unless a test run asks for a real one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // Under every catalogue a test opens, so any test may put a fault in.
    faulty_files::install();
    QApplication app(argc, argv);
    qInstallMessageHandler(failOnWarning);
    // Qt's file dialogs keep their history in the user's settings: the tests' go with the run.
    const QTemporaryDir settings;
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, settings.path());
    return RUN_ALL_TESTS();
}
