#include "RealWindow.h"

void RealWindow::SetUp()
{
    ASSERT_TRUE(desktop.error().isEmpty()) << desktop.log().toStdString();
    ASSERT_TRUE(reader.error().isEmpty()) << reader.error().toStdString();
    for (const QString &file : launcher.isEmpty() ? filesUnder(ZENT_PROGRAM_DIR, QDir::Files) : QStringList()) {
        const QString target = programFolder + "/" + file;
        ASSERT_TRUE(QDir().mkpath(QFileInfo(target).path()) && QFile::copy(ZENT_PROGRAM_DIR "/" + file, target));
    }
    for (const QString &folder : {home, tmp, currentFolder})
        ASSERT_TRUE(QDir().mkpath(folder));
}

QString RealWindow::launch(const QStringList &arguments)
{
    QProcessEnvironment environment = desktop.environment();
    environment.insert("HOME", home);
    environment.insert("TMPDIR", tmp);
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    environment.insert("ASAN_OPTIONS", "detect_leaks=0");
    program.start(launcher.isEmpty() ? programFolder + "/zentdeck" : launcher, arguments, environment,
                  currentFolder);
    return waitForMainWindow();
}

QString RealWindow::waitForMainWindow()
{
    QString mainId;
    waitUntil(20000, [&] {
        splashSeen = splashSeen || !shownWindow("Form1").isEmpty();
        mainId = shownWindow(mainTitle);
        return !mainId.isEmpty() || !program.running();
    });
    return mainId;
}

QString RealWindow::shownWindow(const QString &title) const
{
    // xdotool matches titles with a POSIX extended regular expression.
    QString pattern = "^";
    for (const QChar c : title)
        pattern += (QStringLiteral(".[]{}()\\*+?|^$").contains(c) ? "\\" : "") + QString(c);
    return xdotool({"search", "--onlyvisible", "--name", pattern + "$"}).section('\n', 0, 0);
}

QString RealWindow::waitForWindow(const QString &title) const
{
    QString id;
    waitUntil(5000, [&] { return !(id = shownWindow(title)).isEmpty(); });
    return id;
}

bool RealWindow::answer(const QString &title, const QString &keys) const
{
    const bool shown = !waitForWindow(title).isEmpty();
    type(keys);
    return shown && waitForWindowGone(title);
}

bool RealWindow::clickOn(const QString &windowTitle, const QString &name, const QString &role)
{
    const QString place = windowTitle + "/" + name;
    if (!places.contains(place)) {
        std::optional<Accessible> found;
        if (!waitUntil(5000, [&] { return (found = control(windowTitle, name, role)).has_value(); }))
            return false;
        places.insert(place, reader.extents(*found).center());
    }
    click(places[place]);
    return true;
}

bool RealWindow::pick(const QString &list, const QString &name)
{
    const auto box = control(mainTitle, list, "combo box");
    if (!box)
        return false;
    const QRect shown = reader.extents(*box);
    click({shown.right() - 8, shown.center().y()});
    return clickOn(mainTitle, name, "list item");
}

bool RealWindow::find(const QString &menuItem, const QString &boxTitle, const QString &name)
{
    if (!clickOn(mainTitle, "Find", "menu item") || !clickOn(mainTitle, menuItem, "menu item")
        || waitForWindow(boxTitle).isEmpty())
        return false;
    typeText(name);
    return answer(boxTitle, "Return");
}

std::optional<Accessible> RealWindow::control(const QString &windowTitle, const QString &name,
                                              const QString &role) const
{
    const auto window = reader.window(windowTitle);
    return window ? reader.find(*window, name, role) : std::nullopt;
}

QString RealWindow::shownText(const QString &name, const QString &windowTitle) const
{
    const auto found = control(windowTitle, name, "text");
    return found ? reader.text(*found) : QString("<no box>");
}

bool RealWindow::exitWithYes()
{
    type("ctrl+x");
    return answer("Exit?", "Return") && program.waitForEnd(5000) && program.endedNormally();
}

QImage RealWindow::screenshot(const QString &windowId, const QString &name) const
{
    // A test run as another user may not write the build folder: it names a folder of its own.
    const QString file = qEnvironmentVariable("ZENT_SCREENSHOT_DIR", ZENT_TEST_OUTPUT_DIR) + "/" + name + ".png";
    QFile::remove(file);
    runTool("import", {"-window", windowId, file}, desktop.environment());
    return QImage(file);
}

