#pragma once

#include "catalogue/Catalogue.h"

#include <QString>

namespace db {
class Engine;
class StatementLog;
}
namespace sys {
class FailureSink;
class Registry;
}
namespace ui {
class Dialogs;
}

// What the program's windows are given from outside: the boxes and dialogs they show, the
// registry the about box reads, the database engine every catalogue is opened through, the
// program's folder (where the default catalogue lies), the
// catalogue tool that reads legacy catalogues (it lies in the program's folder) and, in tests
// only, a log of every statement sent to the catalogue and a sink for the failures the
// handlers pass over silently.
struct AppContext
{
    ui::Dialogs &dialogs;
    sys::Registry &registry;
    const db::Engine &engine;
    QString programFolder;
    catalogue::CatalogueTool catalogueTool = {};
    db::StatementLog *statementLog = nullptr;
    sys::FailureSink *failures = nullptr;
};
