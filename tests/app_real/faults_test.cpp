// The program killed while it writes: the catalogue stays whole, and the next run opens it and
// removes what the killed run left behind. (Another program's locks and every fault of the
// files under the engine are the offscreen tests' to put in.)
#include "RealWindow.h"

#include <QCryptographicHash>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <iostream>
#include <random>
#include <thread>
#include <tuple>

#include <signal.h>
#include <sys/stat.h>

namespace {

// The card table as another program reads it, in one value: every row, column and index.
QByteArray cardsDigest(const QString &file)
{
    return QCryptographicHash::hash(sqlite3Tool(file, ".dump tblZentDeck").toUtf8(), QCryptographicHash::Sha256)
        .toHex();
}

// After the program has let the file go: the deck emptied, the file whole and back on the
// ordinary rollback journal.
QString afterTheRun(const QString &file)
{
    return sqlite3Tool(file, "SELECT count(*) FROM tblNames; PRAGMA integrity_check; PRAGMA journal_mode");
}

// Sends the program SIGKILL after the delay or, given a log file, at its first change after the
// delay (or three seconds later, should none come); then says so in killed.
void killLater(qint64 id, std::chrono::milliseconds delay, const QByteArray &log, std::atomic<bool> &killed)
{
    using namespace std::chrono;
    std::this_thread::sleep_for(delay);
    // Every commit moves the log's size or its time of change on.
    const auto written = [&] {
        struct stat file {};
        return ::stat(log.constData(), &file) == 0
                   ? std::tuple(file.st_size, file.st_mtim.tv_sec, file.st_mtim.tv_nsec)
                   : std::tuple(off_t(-1), time_t(0), long(0));
    };
    const auto before = written();
    const auto until = steady_clock::now() + 3s;
    while (!log.isEmpty() && written() == before && steady_clock::now() < until)
        std::this_thread::sleep_for(200us);
    ::kill(pid_t(id), SIGKILL);
    killed = true;
}

} // namespace

// The program killed at random moments while it adds cards and sets: ZENT_KILL_TRIALS kills (3
// unless told), at moments drawn from ZENT_KILL_SEED (a fresh seed unless told; it is printed,
// so a failing campaign can be run again). Each run after a kill is the next trial's.
TEST_F(OnADesktop, KilledWhileAddingTheCatalogueStaysWholeAndTheNextRunOpensItAndCleansUp)
{
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
    const auto inTmp = [&] { return QDir(tmp).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); };
    QStringList basics{"Emberkit", "Kilnmole", "Ripplet", "Brinewick", "Sproutle", "Mossnib", "Zapling"};
    QStringList killedRunLeft;
    for (int trial = 0; trial <= trials; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        // The start after a kill removes what the killed run left in the temporary folder, and
        // lists the names and shows the cards of the catalogue.
        ASSERT_FALSE(launch().isEmpty()) << said();
        for (const QString &left : killedRunLeft)
            EXPECT_FALSE(inTmp().contains(left)) << left.toStdString();
        ASSERT_TRUE(pick("Zentari", "Kilnmole")) << said();
        EXPECT_TRUE(waitUntil(5000, [&] { return shownText("Card notes") == kilnmoleNotes; }));
        if (trial == trials)
            break;
        killedRunLeft = inTmp();
        ASSERT_FALSE(killedRunLeft.isEmpty()); // its working folder, at least

        // The deck a killed run left is cleared, then sets are taken until the kill.
        std::shuffle(basics.begin(), basics.end(), random);
        // Half the kills come at the first write after the delay, most likely in the middle of a
        // set's rows: a moment drawn at random seldom falls on one of the program's few writes.
        const int delayMs = std::uniform_int_distribution<int>(0, 3000)(random);
        const bool atAWrite = random() % 2 == 1;
        std::atomic<bool> killed = false;
        std::jthread killer(killLater, program.processId(), std::chrono::milliseconds(delayMs),
                            atAWrite ? QFile::encodeName(catalogue + "-wal") : QByteArray(), std::ref(killed));
        const auto takeSet = [&](const QString &basic) {
            if (!find("Find Zentari", "Search Zentari", basic))
                return false;
            type("Return");
            return answer("Pro Tip", "Return");
        };
        QStringList taken;
        bool failedAlive = !clickOn(mainTitle, "Clear Deck", "push button") && !killed;
        for (const QString &basic : basics) {
            if (killed || failedAlive)
                break;
            // A step cut short by the kill fails only after its wait for a window has run out.
            if (!takeSet(basic))
                failedAlive = !killed;
            else
                taken << basic;
        }
        killer.join();
        EXPECT_FALSE(failedAlive) << "a step failed before the kill; " << said();
        ASSERT_TRUE(program.waitForEnd(5000));

        // Read from a copy, with the log or journal the kill left, so that the next run of the
        // program is the first to find them beside the catalogue.
        const QString found = temp.file("killed.znt");
        for (const QString suffix : {"", "-wal", "-journal"}) {
            QFile::remove(found + suffix);
            ASSERT_TRUE(!QFile::exists(catalogue + suffix) || QFile::copy(catalogue + suffix, found + suffix));
        }
        std::cout << "trial " << trial << ": killed " << (atAWrite ? "at the first write after " : "after ")
                  << delayMs << " ms; sets taken: " << taken.join(' ').toStdString() << "; rows in the deck: "
                  << sqlite3Tool(found, "SELECT count(*) FROM tblNames").toStdString() << std::endl;
        EXPECT_EQ(sqlite3Tool(found, "PRAGMA integrity_check"), "ok");
        EXPECT_EQ(cardsDigest(found), cards);
    }

    ASSERT_TRUE(exitWithYes()) << said();
    EXPECT_EQ(filesUnder(tmp), QStringList());
    EXPECT_EQ(afterTheRun(catalogue), "0\nok\ndelete");
    EXPECT_EQ(cardsDigest(catalogue), cards);
}
