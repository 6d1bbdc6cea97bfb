#include "TempDir.h"

TempDir::TempDir() : dir(QDir::tempPath() + "/zentdeck-test-XXXXXX") {}
