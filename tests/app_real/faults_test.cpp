// The program killed while it writes: the catalogue stays whole, and the next run opens it and
// removes what the killed run left behind. A newer catalogue put in the place of the one the
// program has open, the program killed after: both stay whole, and the newer holds nothing of
// the deck. (Another program's locks and every fault of the files under the engine are the
// offscreen tests' to put in.)
#include "RealWindow.h"

#include <atomic>
#include <chrono>
#include <iostream>
#include <random>
#include <thread>

#include <signal.h>
#include <unistd.h>

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
        // over and over until the kill. Half the kills come at the first write after the delay,
        // as its journal appears, most likely in the middle of a set's rows: a moment drawn at
        // random seldom falls on one of the program's few writes. A step cut short by the kill
        // fails only after its wait for a window has run out.
        const int delayMs = std::uniform_int_distribution<int>(0, 3000)(random);
        const bool atAWrite = random() % 2 == 1;
        std::atomic<bool> killed = false;
        // SIGKILL after the delay or as the first journal after it appears (or three seconds
        // later, should none come): every write has one, for as long as it lasts.
        std::jthread killer([&, id = program.processId(), journal = catalogue + "-journal"] {
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
            const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
            while (atAWrite && !QFile::exists(journal) && std::chrono::steady_clock::now() < until)
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

    // After the program has let the file go: the deck emptied, the file whole and on the
    // ordinary rollback journal.
    ASSERT_TRUE(exitWithYes()) << said();
    EXPECT_EQ(filesUnder(tmp), QStringList());
    EXPECT_EQ(sqlite3Tool(catalogue, "SELECT count(*) FROM tblNames; PRAGMA integrity_check; PRAGMA journal_mode"),
              "0\nok\ndelete");
    EXPECT_EQ(cardsDigest(catalogue), cards);
}

// Another program puts a newer catalogue in the place of the one the program has open (as a
// download saved over it, or zentcat import, would), and the program is killed after it. The
// newer catalogue holds nothing of the deck, before or after the kill; the one the program had
// stays whole; the next run opens the newer one.
TEST_F(OnADesktop, ACatalogueReplacedUnderTheRunningProgramThenKilledStaysWholeAndHoldsNoRowOfTheDeck)
{
    if (!launcher.isEmpty())
        GTEST_SKIP() << "the run replaces the catalogue of a copy of the program folder";
    ASSERT_FALSE(launch().isEmpty()) << said();
    ASSERT_TRUE(pick("Zentari", "Kilnmole")) << said();
    ASSERT_TRUE(clickOn(mainTitle, "Add Zentari", "push button") && answer("Pro Tip", "Return")) << said();
    ASSERT_TRUE(waitUntil(5000, [&] { return sqlite3Tool(catalogue, "SELECT count(*) FROM tblNames") == "6"; }));

    // The newer catalogue: a card's notes of its own, and a deck row another run left in it.
    const QString newer = temp.file("newer.znt"), had = temp.file("had.znt");
    ASSERT_TRUE(QFile::copy(catalogue, newer));
    sqlite3Tool(newer, "DELETE FROM tblNames; INSERT INTO tblNames VALUES ('Newer', 1);"
                       "UPDATE tblZentDeck SET fldNotes = 'Newer notes' WHERE fldName = 'Kilnmole'");
    const QString newerCards = cardsDigest(newer);
    ASSERT_EQ(::link(QFile::encodeName(catalogue).constData(), QFile::encodeName(had).constData()), 0);
    ASSERT_EQ(::rename(QFile::encodeName(newer).constData(), QFile::encodeName(catalogue).constData()), 0);

    // The program goes on: another card added, then the deck cleared, then the kill.
    ASSERT_TRUE(clickOn(mainTitle, "Add Zentari", "push button")) << said();
    ASSERT_TRUE(clickOn(mainTitle, "Clear Deck", "push button")) << said();
    ::kill(pid_t(program.processId()), SIGKILL);
    ASSERT_TRUE(program.waitForFinished(5000));
    EXPECT_EQ(sqlite3Tool(catalogue, "PRAGMA integrity_check; SELECT group_concat(fldNames || fldID) FROM tblNames"),
              "ok\nNewer1");
    EXPECT_EQ(cardsDigest(catalogue), newerCards);
    EXPECT_FALSE(QFile::exists(catalogue + "-journal"));
    EXPECT_EQ(sqlite3Tool(had, "PRAGMA integrity_check; SELECT count(*) FROM tblNames"), "ok\n6");

    ASSERT_FALSE(launch().isEmpty()) << said();
    ASSERT_TRUE(pick("Zentari", "Kilnmole")) << said();
    EXPECT_TRUE(waitUntil(5000, [&] { return shownText("Card notes") == "Newer notes"; }));
    ASSERT_TRUE(exitWithYes()) << said();
    EXPECT_EQ(sqlite3Tool(catalogue, "SELECT count(*) FROM tblNames"), "0");
}
