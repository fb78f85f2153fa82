// The airbrush: a press starts the panel's timer, whose ticks spray where the pointer is
// now; moves only follow the pointer, and a release stops the timer.
#include "res/control_ids.h"
#include "tools/tool_steps.h"

namespace pattik {

void PressAirbrush(ToolContext& tool, Point q, MouseButton) {
    tool.SetDragPoints(q, q);
    tool.SetDragging(true);
    tool.StartTimer(kAirbrushTimer, kAirbrushIntervalMs);
}

void DragAirbrush(ToolContext& tool, Point q, MouseButton) {
    tool.SetDragPoints(q, q);
}

void ReleaseAirbrush(ToolContext& tool, Point, MouseButton) {
    tool.SetDragging(false);
    tool.StopTimer(kAirbrushTimer);
}

} // namespace pattik
