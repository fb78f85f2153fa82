// The airbrush: a press starts the panel's timer, whose ticks spray where the pointer is
// now; moves only follow the pointer, and a release stops the timer.
#include "res/control_ids.h"
#include "tools/tool_routines.h"
#include "tools/tool_steps.h"

namespace pattik {

void PressAirbrush(ToolContext& tool, Point q, MouseButton) {
    tool.SetDragPoints(q, q);
    tool.ShowPreview(true);
    tool.StartTimer(kAirbrushTimer, kAirbrushIntervalMs);
}

void DragAirbrush(ToolContext& tool, Point q, MouseButton) {
    tool.SetDragPoints(q, q);
}

void ReleaseAirbrush(ToolContext& tool, Point, MouseButton) {
    tool.ShowPreview(false);
    tool.StopTimer(kAirbrushTimer);
}

// Spraying goes on while the pointer rests.
void SprayAirbrush(ToolContext& tool) {
    Spray(tool, tool.Drag().currentPoint, tool.Colours().DrawingColour());
}

} // namespace pattik
