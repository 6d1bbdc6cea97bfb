// Catalogues a user has that the program cannot use in place: legacy (Access-format) files and
// a catalogue the user may not write. The files are never changed, and no working copy outlives
// the program.
#include "RealWindow.h"

#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

TEST_F(OnADesktop, LegacyCataloguesThroughFileOpenWithNothingLeftBehind)
{
    // A killed run's working folder, which this start removes.
    ASSERT_TRUE(QDir(tmp).mkpath("zentdeck-work-killed"));
    QFile(tmp + "/zentdeck-work-killed/catalogue-1.znt").open(QIODevice::WriteOnly);
    QHash<QString, QByteArray> before;
    for (const char *name : {"bundled-2010.znt", "tricky-2000.znt"}) {
        const QString file = temp.file(name);
        ASSERT_TRUE(QFile::copy(ZENT_SOURCE_DIR "/tests/data/legacy/" + QString(name), file));
        before.insert(file, digest(file));
    }
    ASSERT_FALSE(launch().isEmpty()) << said();

    const auto open = [&](const QString &name) {
        type("ctrl+o");
        if (waitForWindow("Please Select Database").isEmpty())
            return false;
        typeText(temp.file(name));
        return answer("Please Select Database", "Return");
    };
    // Quotes and letters beyond Latin, in names and notes. (Every format is opened in the
    // offscreen tests.)
    ASSERT_TRUE(open("tricky-2000.znt")) << said();
    ASSERT_TRUE(pick("Zentari", "Ōkami-Flämmchen ♀"));
    EXPECT_TRUE(waitUntil(5000, [&] { return shownText("Card notes") == "Ein Wölfchen aus 日本. Ω≈ç√ — “curly” quotes and €."; }));
    ASSERT_TRUE(find("Find Zentari", "Search Zentari", "O'Rourke"));
    EXPECT_TRUE(waitUntil(5000, [&] { return shownText("Card notes") == "It's a fox that won't sit still."; }));
    ASSERT_TRUE(pick("Trainers:", "日本"));
    EXPECT_TRUE(waitUntil(5000, [&] { return shownText("Card notes") == "Realm. A shrine garden: 庭園 and 神社."; }));
    screenshot(shownWindow(mainTitle), "legacy-catalogue");

    // A recommended set from the newest format, and its report.
    ASSERT_TRUE(open("bundled-2010.znt")) << said();
    ASSERT_TRUE(find("Find Zentari", "Search Zentari", "Emberkit"));
    type("Return");
    ASSERT_TRUE(answer("Pro Tip", "Return")) << said();
    type("ctrl+v");
    ASSERT_FALSE(waitForWindow(previewTitle).isEmpty()) << said();
    const QString report = shownText("Deck list", previewTitle);
    EXPECT_TRUE(report.startsWith("Current Deck:\n\nEmberkit\nEmberkit\nEmberkit\nCindervix\nCindervix\nPyrathane\n"))
        << report.toStdString();
    // The report just put in counts as a change: leaving asks first.
    ASSERT_TRUE(leavePreview()) << said();
    ASSERT_TRUE(exitWithYes()) << said();

    for (auto file = before.cbegin(); file != before.cend(); ++file)
        EXPECT_EQ(digest(file.key()), file.value()) << file.key().toStdString();
    EXPECT_EQ(filesUnder(tmp), QStringList());
}

// Root writes read-only files: a catalogue the user may not write is only one for another user.
TEST_F(OnADesktop, AnOrdinaryUserBuildsAndReportsADeckFromACatalogueTheyMayNotWrite)
{
    const passwd *nobody = getpwnam("nobody");
    if (getuid() != 0 || !nobody || QStandardPaths::findExecutable("runuser").isEmpty())
        GTEST_SKIP() << "needs root and runuser, to run the program as the user nobody";
    // The program folder stays root's; nobody gets a home, a temporary and a runtime folder.
    QFile::setPermissions(temp.path(), QFile::permissions(temp.path()) | QFile::ExeOther | QFile::ReadOther);
    const QString user = temp.file("nobody");
    for (const char *folder : {"", "/home", "/tmp", "/runtime"}) {
        ASSERT_TRUE(QDir().mkpath(user + folder));
        ASSERT_EQ(chown(QFile::encodeName(user + folder).constData(), nobody->pw_uid, nobody->pw_gid), 0);
    }
    QFile::setPermissions(user + "/runtime", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray before = digest(catalogue);

    // Its own session bus, so that nothing is autolaunched into its home.
    program.start("runuser", {"-u", "nobody", "--", "env", "HOME=" + user + "/home", "TMPDIR=" + user + "/tmp",
                              "XDG_RUNTIME_DIR=" + user + "/runtime", "ASAN_OPTIONS=detect_leaks=0",
                              "QT_QPA_PLATFORM=xcb", "DISPLAY=" + desktop.environment().value("DISPLAY"),
                              "dbus-run-session", "--", programFolder + "/zentdeck"},
                  desktop.environment(), programFolder);
    ASSERT_FALSE(waitForMainWindow().isEmpty()) << said();

    // The first card, Emberkit, with its recommended set; the report saved in the user's home.
    QThread::msleep(500);
    type("Return");
    ASSERT_TRUE(answer("Pro Tip", "Return")) << said();
    type("ctrl+v");
    ASSERT_FALSE(waitForWindow(previewTitle).isEmpty()) << said();
    type("ctrl+s");
    ASSERT_FALSE(waitForWindow("Zentari Deck Builder").isEmpty()) << said();
    const QString saved = user + "/home/deck.rtf";
    typeText(saved);
    type("Return");
    ASSERT_FALSE(waitForWindow(saved).isEmpty()) << said();
    type("ctrl+x");
    ASSERT_TRUE(waitForWindowGone(saved));
    ASSERT_TRUE(exitWithYes()) << said();

    const QByteArray text = readFile(saved);
    EXPECT_EQ(text.count("Emberkit"), 3);
    EXPECT_EQ(text.count("Pyrathane"), 1);
    EXPECT_EQ(digest(catalogue), before);
    EXPECT_EQ(filesUnder(user + "/home"), QStringList{"deck.rtf"});
    EXPECT_EQ(filesUnder(user + "/tmp"), QStringList());
}
