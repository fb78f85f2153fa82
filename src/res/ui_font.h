#pragma once

#include <span>

namespace pattik {

// The editor's own text font, "Pattik UI": the Hangul font's glyphs for the characters of
// the program's texts (see tools/make_ui_font.py), as a TrueType file's bytes.
std::span<const unsigned char> UiFontBytes();

} // namespace pattik
