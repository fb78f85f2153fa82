#pragma once

#include "panel/pointer_event.h"

class QMouseEvent;

namespace pattik {

// A press, release or double click names the button it concerns; a move, the buttons held.
PointerEvent ButtonEvent(const QMouseEvent& event);
PointerEvent MoveEvent(const QMouseEvent& event);

// Qt sends the second press of a double click as a press and then as a double click. The
// editor's handlers take it once, as the double click: a double click is never a second
// press (it would take a second undo snapshot, or draw twice).
bool IsSecondClickOfDoubleClick(const QMouseEvent& event);

} // namespace pattik
