#pragma once

#include <QString>

class Dialogs;
class Registry;

// What the program's windows are given from outside: the boxes and dialogs they show, the
// registry the about box reads, and the program's folder (where the default catalogue lies).
struct AppContext
{
    Dialogs &dialogs;
    Registry &registry;
    QString programFolder;
};
