#pragma once

#include "platform/db/WatchedFiles.h"

#include <QHash>
#include <QString>

#include <memory>

namespace db {

class Connection;

// What the engine may spend on a catalogue, whatever the file holds.
struct Limits
{
    int busyWaitMs = 2000;  // waiting for another program's lock, in one statement
    int statementMs = 3000; // the engine's own work in one step of one statement: checking a
                            // large catalogue whole at open takes the longest
};

// The database engine as the program uses it, one for a run: the file layer that watches every
// catalogue, the handles open now (one for each file, shared by all the program's opens of it)
// and the limits. main makes it and hands it down; a test makes its own, and two of them are two
// running copies of the program. What it holds lives until the last handle on a file is closed.
class Engine
{
public:
    explicit Engine(Limits limits = {});
    Engine(const Engine &) = delete;
    Engine &operator=(const Engine &) = delete;

    struct State
    {
        explicit State(Limits given) : limits(given) {}
        const Limits limits;
        WatchedFiles files;
        QHash<QString, std::weak_ptr<Connection>> handles; // by the file's canonical path
    };
    const std::shared_ptr<State> &state() const { return shared; }

private:
    std::shared_ptr<State> shared;
};

} // namespace db
