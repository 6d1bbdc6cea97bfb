#include "RealWindow.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace {

bool copyFolder(const QString &from, const QString &to)
{
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = to + "/" + QDir(from).relativeFilePath(source);
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target))
            return false;
    }
    return QFileInfo::exists(to + "/zentdeck");
}

} // namespace

void RealWindow::SetUp()
{
    ASSERT_TRUE(desktop.error().isEmpty()) << desktop.log().toStdString();
    ASSERT_TRUE(reader.error().isEmpty()) << reader.error().toStdString();
    ASSERT_TRUE(copyFolder(ZENT_PROGRAM_DIR, programFolder));
    ASSERT_TRUE(QDir().mkpath(home));
}

QString RealWindow::launch(const QStringList &arguments)
{
    QProcessEnvironment environment = desktop.environment();
    environment.insert("HOME", home);
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    environment.insert("ASAN_OPTIONS", "detect_leaks=0");
    program.start(programFolder + "/zentdeck", arguments, environment, programFolder);
    QString mainId;
    waitUntil(20000, [&] {
        splashSeen = splashSeen || !shownWindow("Form1").isEmpty();
        mainId = shownWindow(mainTitle);
        return !mainId.isEmpty() || !program.running();
    });
    return mainId;
}

QString RealWindow::xdotool(const QStringList &arguments) const
{
    return runTool("xdotool", arguments, desktop.environment());
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

bool RealWindow::waitForWindowGone(const QString &title) const
{
    return waitUntil(5000, [&] { return shownWindow(title).isEmpty(); });
}

void RealWindow::type(const QString &keys) const
{
    xdotool(QStringList{"key", "--delay", "50"} + keys.split(' '));
}

void RealWindow::typeText(const QString &text) const
{
    xdotool({"type", "--delay", "30", text});
}

void RealWindow::click(const QPoint &where) const
{
    // The server takes the move before the click; waiting for the move (--sync) would wait for
    // ever when the pointer is already there.
    xdotool({"mousemove", QString::number(where.x()), QString::number(where.y()), "click", "1"});
}

bool RealWindow::clickControl(const QString &windowTitle, const QString &name, const QString &role,
                              QPoint (*where)(const QRect &)) const
{
    const auto found = control(windowTitle, name, role);
    if (!found)
        return false;
    click(where(reader.extents(*found)));
    return true;
}

QRect RealWindow::geometry(const QString &windowId) const
{
    // Lines of X=, Y=, WIDTH=, HEIGHT=.
    QHash<QString, int> values;
    for (const QString &line : xdotool({"getwindowgeometry", "--shell", windowId}).split('\n'))
        values.insert(line.section('=', 0, 0), line.section('=', 1).toInt());
    return {values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]};
}

QImage RealWindow::screenshot(const QString &windowId, const QString &name) const
{
    const QString file = QString(ZENT_TEST_OUTPUT_DIR) + "/" + name + ".png";
    QFile::remove(file);
    runTool("import", {"-window", windowId, file}, desktop.environment());
    return QImage(file);
}

std::optional<Accessible> RealWindow::control(const QString &windowTitle, const QString &name,
                                              const QString &role) const
{
    const auto window = reader.window(windowTitle);
    return window ? reader.find(*window, name, role) : std::nullopt;
}

std::string RealWindow::said() const
{
    return ("the program said: " + program.errorOutput() + "\n" + desktop.log()).toStdString();
}
