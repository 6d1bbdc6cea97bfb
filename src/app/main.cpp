#include "app/AppContext.h"
#include "app/frmSplash.h"
#include "app/frmZentMain.h"
#include "app/Logos.h"
#include "platform/db/Engine.h"
#include "platform/system/Registry.h"
#include "platform/system/WorkingFolder.h"
#include "platform/ui/QtDialogs.h"

#include <QApplication>
#include <QFont>

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

    ui::QtDialogs dialogs;
    sys::Registry registry = sys::Registry::forThisSystem();
    const QString programFolder = QApplication::applicationDirPath();
    const db::Engine engine;
    const AppContext context{dialogs, registry, engine, programFolder, {programFolder + "/zentcat"}};
    // Working copies that a killed run left behind go now, whether or not this run makes any.
    sys::WorkingFolder::removeStale();

    auto *splash = new frmSplash([&context]() -> QWidget * {
        auto *main = new frmZentMain(context);
        main->setAttribute(Qt::WA_DeleteOnClose);
        return main;
    });
    splash->show();
    return app.exec();
}
