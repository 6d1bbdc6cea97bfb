// The program killed while it writes: the catalogue stays whole, and the next run opens it and
// removes what the killed run left behind. (Another program's locks and every fault of the
// files under the engine are the offscreen tests' to put in.)
#include "RealWindow.h"

#include <atomic>
#include <chrono>
#include <iostream>
#include <random>
#include <thread>

#include <signal.h>
#include <sys/stat.h>

// The card table as another program reads it, in one value: every row, column and index.
static QByteArray cardsDigest(const QString &file)
{
    return QCryptographicHash::hash(sqlite3Tool(file, ".dump tblZentDeck").toUtf8(), QCryptographicHash::Sha256)
        .toHex();
}

// The program killed at random moments while it adds cards: ZENT_KILL_TRIALS kills (3 unless
// told), at moments drawn from ZENT_KILL_SEED (a fresh seed unless told; it is printed, so a
// failing campaign can be run again). Each run after a kill is the next trial's.
TEST_F(OnADesktop, KilledWhileAddingTheCatalogueStaysWholeAndTheNextRunOpensItAndCleansUp)
{
    if (!launcher.isEmpty())
        GTEST_SKIP() << "the campaign kills a copy of the program folder, not the installed program";
    const int trials =
        qEnvironmentVariableIsSet("ZENT_KILL_TRIALS") ? qEnvironmentVariableIntValue("ZENT_KILL_TRIALS") : 3;
    const unsigned seed = qEnvironmentVariableIsSet("ZENT_KILL_SEED")
                              ? qEnvironmentVariable("ZENT_KILL_SEED").toUInt()
                              : std::random_device{}();
    std::cout << "kill campaign of " << trials << " trials: ZENT_KILL_SEED=" << seed << std::endl;
    SCOPED_TRACE("ZENT_KILL_SEED=" + std::to_string(seed));
    std::mt19937 random(seed);

    const QByteArray cards = cardsDigest(catalogue);
    const QString kilnmoleNotes = sqlite3Tool(catalogue, "SELECT fldNotes FROM tblZentDeck WHERE fldName = 'Kilnmole'");
    QStringList killedRunLeft;
    for (int trial = 0; trial <= trials; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        // The start after a kill removes what the killed run left in the temporary folder, and
        // lists the names and shows the cards of the catalogue.
        ASSERT_FALSE(launch().isEmpty()) << said();
        for (const QString &left : killedRunLeft)
            EXPECT_FALSE(QFileInfo::exists(tmp + "/" + left)) << left.toStdString();
        ASSERT_TRUE(pick("Zentari", "Kilnmole")) << said();
        EXPECT_TRUE(waitUntil(5000, [&] { return shownText("Card notes") == kilnmoleNotes; }));
        if (trial == trials)
            break;
        killedRunLeft = filesUnder(tmp);
        ASSERT_FALSE(killedRunLeft.isEmpty()); // its working folder, at least

        // The deck (and whatever a killed run left in it) is cleared and Kilnmole's set added,
        // over and over until the kill. Half the kills come at the first write to the log after
        // the delay, most likely in the middle of a set's rows: a moment drawn at random seldom
        // falls on one of the program's few writes. A step cut short by the kill fails only
        // after its wait for a window has run out.
        const int delayMs = std::uniform_int_distribution<int>(0, 3000)(random);
        const bool atAWrite = random() % 2 == 1;
        std::atomic<bool> killed = false;
        // SIGKILL after the delay or at the log's first change after it (or three seconds later,
        // should none come): every commit moves its size or its time of change on.
        std::jthread killer([&, id = program.processId(), log = QFile::encodeName(catalogue + "-wal")] {
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
            const auto written = [&] {
                struct stat file {};
                ::stat(log.constData(), &file);
                return std::pair(file.st_size, file.st_mtim.tv_sec * 1'000'000'000LL + file.st_mtim.tv_nsec);
            };
            const auto before = written();
            const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
            while (atAWrite && written() == before && std::chrono::steady_clock::now() < until)
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            ::kill(pid_t(id), SIGKILL);
            killed = true;
        });
        int sets = 0;
        while (!killed && clickOn(mainTitle, "Clear Deck", "push button")
               && clickOn(mainTitle, "Add Zentari", "push button") && answer("Pro Tip", "Return"))
            ++sets;
        EXPECT_TRUE(killed) << "a step failed before the kill; " << said();
        killer.join();
        ASSERT_TRUE(program.waitForFinished(5000));

        // Read from a copy, with the log or journal the kill left, so that the next run of the
        // program is the first to find them beside the catalogue.
        const QString found = temp.file("killed.znt");
        for (const QString suffix : {"", "-wal", "-journal"}) {
            QFile::remove(found + suffix);
            ASSERT_TRUE(!QFile::exists(catalogue + suffix) || QFile::copy(catalogue + suffix, found + suffix));
        }
        std::cout << "trial " << trial << ": killed " << (atAWrite ? "at the first write after " : "after ")
                  << delayMs << " ms, " << sets << " sets added; rows in the deck: "
                  << sqlite3Tool(found, "SELECT count(*) FROM tblNames").toStdString() << std::endl;
        EXPECT_EQ(sqlite3Tool(found, "PRAGMA integrity_check"), "ok");
        EXPECT_EQ(cardsDigest(found), cards);
    }

    // After the program has let the file go: the deck emptied, the file whole and back on the
    // ordinary rollback journal.
    ASSERT_TRUE(exitWithYes()) << said();
    EXPECT_EQ(filesUnder(tmp), QStringList());
    EXPECT_EQ(sqlite3Tool(catalogue, "SELECT count(*) FROM tblNames; PRAGMA integrity_check; PRAGMA journal_mode"),
              "0\nok\ndelete");
    EXPECT_EQ(cardsDigest(catalogue), cards);
}
