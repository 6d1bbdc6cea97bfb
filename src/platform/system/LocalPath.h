#pragma once

#include <QString>

// A path as this system writes it: a "\" in a catalogue's or the registry's path is a folder
// separator here.
inline QString localPath(const QString &path)
{
    return QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'));
}
