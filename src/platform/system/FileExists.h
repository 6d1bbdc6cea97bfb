#pragma once

#include <QString>

// The name, without folder, of the ordinary file at path, or "" when there is none (a folder,
// a missing file or an empty path all give ""). A "\" in the path is a folder separator.
QString fileExists(const QString &path);
