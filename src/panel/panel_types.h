#pragma once

namespace pattik {

// Which picture the canvas shows and the tools edit.
enum class ViewMode : int { Wear = 0, Dp = 1, Hair = 2 };

// The ten tools, in the order of their palette buttons; None when no tool is chosen.
enum class ToolKind : int {
    None = -1,
    Rectangle = 0,
    Ellipse = 1,
    Line = 2,
    FloodFill = 3,
    Pencil = 4,
    ColourPicker = 5,
    Airbrush = 6,
    Eraser = 7,
    Selection = 8,
    Magnifier = 9,
};

// How rectangles and ellipses are filled.
inline constexpr int kOutlineOnly = 1;
inline constexpr int kFilledWithOtherColour = 0;
inline constexpr int kFilledWithDrawingColour = -1;

} // namespace pattik
