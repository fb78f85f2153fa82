// The tools that act once, at the press: the flood fill and the colour picker.
#include "tools/tool_routines.h"
#include "tools/tool_steps.h"

namespace pattik {

void PressFloodFill(ToolContext& tool, Point q, MouseButton button) {
    FloodFill(tool, q, ColourOf(tool, button));
}

// The picker reads what the canvas shows, mannequin and guides included. A press on the
// canvas frame's border lies off the picture shown: there is nothing to pick there, and
// both colours stay. (The composition is always 75 x 125; only the current picture's part
// of it is on the canvas.)
void PressColourPicker(ToolContext& tool, Point q, MouseButton button) {
    const DeviceBitmap& shown = tool.Composition();
    const Size size = tool.ImageSize();
    if (!Contains(RECT{0, 0, size.cx, size.cy}, q.x, q.y) || !shown.Contains(q.x, q.y)) {
        return;
    }
    tool.PickColour(button == MouseButton::Right, shown.At(q.x, q.y));
}

} // namespace pattik
