#pragma once

#include <QByteArray>
#include <QTextDocument>

// Reads the text, paragraph alignment and character formatting of a flat OpenDocument text
// (.fodt) as LibreOffice writes it: every paragraph and span style taken from the automatic
// styles, faces from the font declarations. Enough to see what LibreOffice made of a file.
void readFlatOdt(const QByteArray &fodt, QTextDocument &document);

// Runs LibreOffice to convert files into the given format in the folder; false with its
// output when it fails. LibreOffice runs with a fresh profile in the folder.
bool convertWithLibreOffice(const QStringList &files, const QString &format,
                            const QString &folder, QString *output);

// True when LibreOffice is installed.
bool libreOfficeAvailable();
