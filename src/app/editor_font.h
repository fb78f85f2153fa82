#pragma once

#include <QFont>

namespace pattik {

// The one font of every widget: the editor's own "Pattik UI", which holds exactly the
// glyphs of the program's texts, then the installed Hangul font for any other character
// (a Korean file name, Qt's own dialog texts). Both draw the same glyphs the same way, with
// the font's own hinting; the first is 160 KB in the program, where the installed one pages
// in about 3 MB of its file for the first window's text.
//
// Registers the embedded font the first time; call once a QGuiApplication stands.
QFont EditorFont();

} // namespace pattik
