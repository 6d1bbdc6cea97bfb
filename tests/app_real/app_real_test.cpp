#include "PrivateDesktop.h"
#include "QtPrinters.h"
#include "ScopedProcess.h"
#include "ScreenReader.h"
#include "Sqlite3Tool.h"
#include "TempDir.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QString mainTitle = "Zentari Deck Builder";

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

// Polls until the check holds or the time is up.
template <typename Check>
bool waitUntil(int timeoutMs, Check check)
{
    QElapsedTimer clock;
    clock.start();
    while (!check()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(100);
    }
    return true;
}

// xdotool matches window titles with an extended regular expression.
QString exactTitlePattern(const QString &title)
{
    QString pattern = "^";
    for (const QChar c : title) {
        if (QStringLiteral(".[]{}()\\*+?|^$").contains(c))
            pattern += '\\';
        pattern += c;
    }
    return pattern + "$";
}

// The geometry xdotool reports for a window, as key=value lines (X, Y, WIDTH, HEIGHT).
QRect windowGeometry(const QString &shellText)
{
    QHash<QString, int> values;
    for (const QString &line : shellText.split('\n'))
        values.insert(line.section('=', 0, 0), line.section('=', 1).toInt());
    return {values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]};
}

int distinctColours(const QImage &image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 4) {
        for (int x = 0; x < image.width(); x += 4)
            colours.insert(image.pixel(x, y));
    }
    return colours.size();
}

// A user at a desktop of the test's own: the program's copy, the windows as xdotool sees them
// and the controls as a screen reader reads them.
class RealWindow : public ::testing::Test
{
protected:
    QString xdotool(const QStringList &arguments) const
    {
        return runTool("xdotool", arguments, desktop.environment());
    }
    // The id of the window on screen with exactly that title, or empty.
    QString shownWindow(const QString &title) const
    {
        return xdotool({"search", "--onlyvisible", "--name", exactTitlePattern(title)})
            .section('\n', 0, 0);
    }
    void pressKeys(const QString &windowId, const QString &keys) const
    {
        xdotool({"windowfocus", windowId});
        xdotool({"key", keys});
    }
    void startProgram()
    {
        QProcessEnvironment environment = desktop.environment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        environment.insert("ASAN_OPTIONS", "detect_leaks=0");
        program.start(programFolder + "/zentdeck", {}, environment, programFolder);
    }

    TempDir temp;
    const QString programFolder = temp.file("zentdeck");
    const QString catalogue = programFolder + "/zentdeck.znt";
    PrivateDesktop desktop{temp.path()};
    ScreenReader reader{desktop.busAddress()};
    ScopedProcess program{temp.path(), "zentdeck"};
};

} // namespace

TEST_F(RealWindow, SplashGivesWayToTheMainWindowWithTheFocusOnTheNameAndExitEmptiesTheDeck)
{
    ASSERT_TRUE(copyFolder(ZENT_PROGRAM_DIR, programFolder));
    sqlite3Tool(catalogue, "INSERT INTO tblNames VALUES ('Left over', 1)");
    ASSERT_EQ(sqlite3Tool(catalogue, "SELECT count(*) FROM tblNames"), "1");
    const QString firstName =
        sqlite3Tool(catalogue, "SELECT fldName FROM tblZentDeck ORDER BY rowid LIMIT 1");
    ASSERT_TRUE(desktop.error().isEmpty()) << desktop.error().toStdString();
    ASSERT_TRUE(reader.error().isEmpty()) << reader.error().toStdString();
    ASSERT_EQ(xdotool({"getdisplaygeometry"}),
              QString("%1 %2").arg(PrivateDesktop::screenWidth).arg(PrivateDesktop::screenHeight));

    // Start-up: the splash alone for seven seconds, then the main window in its place.
    QElapsedTimer clock;
    clock.start();
    startProgram();
    bool splashSeen = false;
    QString mainId;
    const bool mainShown = waitUntil(20000, [&] {
        splashSeen = splashSeen || !shownWindow("Form1").isEmpty();
        mainId = shownWindow(mainTitle);
        return !mainId.isEmpty() || !program.running();
    });
    const qint64 mainShownAfter = clock.elapsed();
    ASSERT_TRUE(mainShown && !mainId.isEmpty())
        << "no main window within 20 s; the program said: " << program.errorOutput().toStdString()
        << desktop.log().toStdString();
    EXPECT_TRUE(splashSeen);
    EXPECT_GE(mainShownAfter, 7000);
    EXPECT_TRUE(waitUntil(3000, [&] { return shownWindow("Form1").isEmpty(); }));

    const QRect geometry = windowGeometry(xdotool({"getwindowgeometry", "--shell", mainId}));
    EXPECT_NEAR(geometry.center().x(), PrivateDesktop::screenWidth / 2, 2);
    EXPECT_NEAR(geometry.center().y(), PrivateDesktop::screenHeight / 2, 2);

    // The keyboard focus is in the creature name box, which holds the first catalogue name.
    std::optional<Accessible> focus;
    EXPECT_TRUE(waitUntil(5000, [&] {
        if (const auto window = reader.window(mainTitle))
            focus = reader.focused(*window);
        return focus.has_value();
    }));
    if (focus) {
        EXPECT_EQ(reader.role(*focus), "combo box");
        EXPECT_EQ(reader.labels(*focus), QStringList{"Zentari"});
        EXPECT_EQ(reader.name(*focus), firstName);
    }
    // Loading leaves the deck of the last run alone.
    EXPECT_EQ(sqlite3Tool(catalogue, "SELECT fldNames FROM tblNames"), "Left over");

    const QString screenshot = QString(ZENT_TEST_OUTPUT_DIR) + "/main-window.png";
    QFile::remove(screenshot);
    runTool("import", {"-window", mainId, screenshot}, desktop.environment());
    const QImage image(screenshot);
    EXPECT_EQ(image.size(), geometry.size());
    EXPECT_GT(distinctColours(image), 20);

    // File > Exit with its shortcut; the question is answered Yes with Enter.
    pressKeys(mainId, "ctrl+x");
    QString questionId;
    ASSERT_TRUE(waitUntil(5000, [&] { return !(questionId = shownWindow("Exit?")).isEmpty(); }))
        << "no exit question; the program said: " << program.errorOutput().toStdString();
    if (const auto question = reader.window("Exit?")) {
        const QStringList texts = reader.shownNames(*question);
        for (const char *text : {"Are you sure you want to exit?", "Yes", "No"})
            EXPECT_TRUE(texts.contains(text)) << ::testing::PrintToString(texts);
    } else {
        ADD_FAILURE() << "the screen reader does not see the exit question";
    }
    pressKeys(questionId, "Return");

    ASSERT_TRUE(program.waitForEnd(5000)) << "the program is still running after Yes";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << program.errorOutput().toStdString();
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(sqlite3Tool(catalogue, "SELECT count(*) FROM tblNames"), "0");
}
