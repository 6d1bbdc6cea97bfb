#pragma once

#include <QString>

// Starts the program at path as a separate process, not waited for; false when it cannot be
// started. A "\" in the path is a folder separator.
bool startProgram(const QString &path);
