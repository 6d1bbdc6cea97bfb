#pragma once

#include <QStringView>

namespace richtext {

// Fonts of the symbol charset draw their own pictures at the byte values of ordinary letters:
// in Symbol "a" is alpha and 0xB7 a bullet. Windows addresses them in Unicode at U+F000 plus
// the byte, and word processors write list bullets either way.
enum class SymbolFont { Symbol, Wingdings, Other };

// Which symbol font a font of the symbol charset is, by its name.
SymbolFont symbolFontNamed(QStringView name);

// The Unicode character that a byte of the font shows, or U+F000 plus the byte where there is
// none we know, so that the character and its font can be written back as they were read.
char16_t symbolCharacter(SymbolFont font, unsigned char byte);

// A character of the range that addresses symbol fonts (U+F020..U+F0FF) in a run that names no
// font, as list labels are written: mapped as Word's bullets are, from Symbol or Wingdings.
char16_t bulletCharacter(char16_t privateUse);

inline bool isSymbolAddress(char16_t c) { return c >= 0xF020 && c <= 0xF0FF; }

} // namespace richtext
