#pragma once

#include <QKeyEvent>

#include <optional>

namespace pattik {

// Our users type with the Korean input method in Hangul mode most of the time, where the
// key U arrives as ㅕ. The single tool keys and the Ctrl shortcuts belong to the key under
// the finger, not to the letter it types: this finds the Latin letter key (Qt::Key_A ..
// Qt::Key_Z) of such an event, from the physical key where the window system names it,
// else from the Hangul letter the standard two-set Korean layout puts on that key. Empty
// when the event already names a Latin letter, or names no letter key at all.
std::optional<Qt::Key> PhysicalLetterKey(const QKeyEvent& key);

} // namespace pattik
