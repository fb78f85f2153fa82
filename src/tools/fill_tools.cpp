// The tools that act once, at the press: the flood fill and the colour picker.
#include "tools/tool_routines.h"
#include "tools/tool_steps.h"

namespace pattik {

void PressFloodFill(ToolContext& tool, Point q, MouseButton button) {
    FloodFill(tool, q, ColourOf(tool, button));
}

// The picker reads what the canvas shows, mannequin and guides included. A press on the
// canvas frame's border lies off the composed picture: there is nothing to pick there, and
// both colours stay.
void PressColourPicker(ToolContext& tool, Point q, MouseButton button) {
    const DeviceBitmap& shown = tool.Composition();
    if (!shown.Contains(q.x, q.y)) {
        return;
    }
    tool.PickColour(button == MouseButton::Right, shown.At(q.x, q.y));
}

} // namespace pattik
