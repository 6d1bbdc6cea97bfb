#pragma once

#include "catalogue/Catalogue.h"

#include <QString>

namespace db {
class StatementLog;
}
namespace sys {
class Registry;
}
namespace ui {
class Dialogs;
}

// What the program's windows are given from outside: the boxes and dialogs they show, the
// registry the about box reads, the program's folder (where the default catalogue lies), in
// tests only a log of every statement sent to the catalogue, and the catalogue tool that reads
// legacy catalogues (it lies in the program's folder).
struct AppContext
{
    ui::Dialogs &dialogs;
    sys::Registry &registry;
    QString programFolder;
    db::StatementLog *statementLog = nullptr;
    catalogue::CatalogueTool catalogueTool = {};
};
