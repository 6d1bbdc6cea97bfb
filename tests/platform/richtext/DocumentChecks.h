#pragma once

#include "QtPrinters.h"

#include <QTextDocument>

// What a reader sees of the first character of the first occurrence of a piece of text: its
// formatting, with what the character leaves open taken from the document's default font, and
// its paragraph's alignment, as "Arial 15pt bold italic underline #0000ff align 4" ("auto" for
// the automatic colour).
QString lookOf(const QTextDocument &document, const QString &text);

// How sizes compare: exactly, or as other word processors keep them, to the half-point.
enum class SizeRule { Exact, HalfPoints };

// Empty when both documents have the same text, paragraphs and look of every character;
// otherwise a description of the first difference.
QString compareDocuments(const QTextDocument &expected, const QTextDocument &actual,
                         SizeRule sizes = SizeRule::Exact);

// Reads RTF into the document, failing the test when it does not load.
void readInto(const QByteArray &rtf, QTextDocument &document);

// A document in the deck list's default font with every attribute the editor offers, mixed in
// runs and paragraphs: bold, italic, underline, faces, sizes (11.25 pt among them), colours, the
// four alignments, an empty paragraph, and text beyond ASCII.
void fillWithEveryAttribute(QTextDocument &document);
