#pragma once

#include "platform/richtext/RtfContent.h"

class QTextDocument;

namespace richtext {

// Replaces the document's content with read RTF documents, one after another, as one step
// that cannot be undone (like loading a file), keeping the document's default font.
void fillDocument(const std::vector<RtfContent> &contents, QTextDocument &document);

} // namespace richtext
