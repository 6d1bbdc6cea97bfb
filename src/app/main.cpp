#include "app/AppContext.h"
#include "app/frmSplash.h"
#include "app/frmZentMain.h"
#include "app/Logos.h"
#include "platform/db/Engine.h"
#include "platform/system/Failure.h"
#include "platform/system/Registry.h"
#include "platform/system/WorkingFolder.h"
#include "platform/ui/QtDialogs.h"

#include <QApplication>
#include <QFont>
#include <QSettings>

#include <memory>

namespace {

// The program's fonts come from a Windows desktop; on other systems the metric-compatible
// families stand in for them.
void substituteFonts()
{
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "Arimo", "DejaVu Sans"});
    QFont::insertSubstitutions("Arial Black", {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Comic Sans MS", {"Comic Neue", "Comic Relief", "DejaVu Sans"});
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
}

// Qt's own file and colour dialogs write their history into the user's settings
// (~/.config/QtProject.conf) and read it back the next time, but the program remembers nothing
// between runs. Where Qt keeps a user's settings is the whole process's to say, so the program
// says it once, here, before any window: in a folder of this run's, which goes when the run ends
// (or at the next start, after a kill). Without a temporary folder the settings go nowhere.
std::unique_ptr<sys::WorkingFolder> keepQtSettingsForThisRun()
{
    std::unique_ptr<sys::WorkingFolder> folder;
    QString path = "/nonexistent/zentdeck-settings";
    try {
        folder = std::make_unique<sys::WorkingFolder>();
        path = folder->path();
    } catch (const sys::Failure &) {
    }
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, path);
    return folder;
}

} // namespace

int main(int, char **argv)
{
    // The program takes no command line: not even Qt's own options (-style, -reverse, ...)
    // reach the application.
    int qtArgc = 1;
    char *qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    QApplication::setApplicationName("ZentDeckBuilder");
    QApplication::setApplicationVersion("1.0.0");
    // Task bars match the windows to the installed menu entry, and show the same icon.
    QGuiApplication::setDesktopFileName(ZENT_DESKTOP_ID);
    QApplication::setWindowIcon(logos::programIcon());
    substituteFonts();
    QApplication::setFont(QFont("MS Sans Serif", 9));

    // Working copies that a killed run left behind go now, whether or not this run makes any.
    sys::WorkingFolder::removeStale();
    const std::unique_ptr<sys::WorkingFolder> qtSettings = keepQtSettingsForThisRun();
    ui::QtDialogs dialogs;
    sys::Registry registry = sys::Registry::forThisSystem();
    const QString programFolder = QApplication::applicationDirPath();
    const db::Engine engine;
    const AppContext context{dialogs, registry, engine, programFolder, {programFolder + "/zentcat"}};

    auto *splash = new frmSplash([&context]() -> QWidget * {
        auto *main = new frmZentMain(context);
        main->setAttribute(Qt::WA_DeleteOnClose);
        return main;
    });
    splash->show();
    return app.exec();
}
