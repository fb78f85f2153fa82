#include "app/pointer_events.h"

#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace pattik {
namespace {

constexpr qreal kFarOff = 1.0e6;

PointerEvent WithPointAndKeys(const QMouseEvent& event) {
    // A position between pixels (a scaled screen) belongs to the pixel it lies in.
    // Held to a range any int holds: a captured pointer may be far off the widget.
    const QPointF at = event.position();
    const auto pixel = [](qreal coordinate) {
        return static_cast<int>(std::floor(std::clamp(coordinate, -kFarOff, kFarOff)));
    };
    PointerEvent pointer;
    pointer.point = Point{pixel(at.x()), pixel(at.y())};
    pointer.control = event.modifiers().testFlag(Qt::ControlModifier);
    pointer.shift = event.modifiers().testFlag(Qt::ShiftModifier);
    return pointer;
}

} // namespace

PointerEvent ButtonEvent(const QMouseEvent& event) {
    PointerEvent pointer = WithPointAndKeys(event);
    pointer.left = event.button() == Qt::LeftButton;
    pointer.right = event.button() == Qt::RightButton;
    return pointer;
}

bool IsSecondClickOfDoubleClick(const QMouseEvent& event) {
    return event.flags().testFlag(Qt::MouseEventCreatedDoubleClick);
}

PointerEvent MoveEvent(const QMouseEvent& event) {
    PointerEvent pointer = WithPointAndKeys(event);
    pointer.left = event.buttons().testFlag(Qt::LeftButton);
    pointer.right = event.buttons().testFlag(Qt::RightButton);
    return pointer;
}

} // namespace pattik
