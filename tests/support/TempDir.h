#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A fresh folder for one test; removed with everything in it when the test ends.
class TempDir
{
public:
    TempDir();
    QString path() const { return dir.path(); }
    QString file(const QString &name) const { return dir.filePath(name); }

private:
    QTemporaryDir dir;
};

// The file's content, or empty when it cannot be read.
QByteArray readFile(const QString &path);
// Writes the file anew with the content; true when all of it was written.
bool writeFile(const QString &path, const QByteArray &content);
// A script the owner may run.
bool writeProgram(const QString &path, const QByteArray &script = "#!/bin/sh\nexit 0\n");
// A named pipe in place of whatever was there: a reader of it waits for a writer.
bool makePipe(const QString &path);
// The file's SHA-256, or empty when there is no ordinary file.
QByteArray digest(const QString &path);
// Every entry under the folder (of the kinds the filter names), as paths relative to it, sorted.
QStringList filesUnder(const QString &folder, QDir::Filters filter = QDir::AllEntries);
