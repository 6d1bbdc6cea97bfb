#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// Rich Text Format for the deck list editor: reading into and writing from a QTextDocument,
// keeping text with list labels, paragraph alignment, indents and spacing, and each
// character's bold, italic, underline, strikethrough, superscript or subscript, face, size,
// colour and highlight.
namespace richtext {

// Replaces the document's content with the RTF document. Returns false, leaving the document
// as it was and giving the reason in error, when the input is not RTF or cannot be loaded.
bool readRtf(const QByteArray &rtf, QTextDocument &document, QString *error = nullptr);

// The whole document as RTF.
QByteArray writeRtf(const QTextDocument &document);

// Reads an RTF file into the document; false (document unchanged) when the file is missing,
// no ordinary file (a pipe, a device, a folder), unreadable, too large or not RTF.
bool loadRtfFile(const QString &path, QTextDocument &document, QString *error = nullptr);
// Writes the document to an RTF file. The file is replaced only once all of it is written,
// so a failure leaves any earlier file as it was.
bool saveRtfFile(const QString &path, const QTextDocument &document, QString *error = nullptr);

} // namespace richtext
