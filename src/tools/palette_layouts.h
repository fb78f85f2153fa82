#pragma once

#include "panel/edit_panel.h"
#include "raster/geometry.h"

#include <array>
#include <optional>

namespace pattik {

// One option button as a layout shows it: where, with which faces (bitmap resources), or
// hidden.
struct OptionPlace {
    bool shown = false;
    RECT place{};
    int upFace = 0;
    int pressedFace = 0;
};
using OptionLayout = std::array<OptionPlace, 4>;

// The option layouts, by number: 0 line widths, 1 fill styles, 2 spray sizes, 3 zooms,
// 4 eraser sizes, 5 selection modes, 6 none. Anything else shows no option.
inline constexpr int kLayoutCount = 7;
const OptionLayout& OptionLayoutOf(int layout);

// The faces of a tool button, up and pressed.
struct ButtonFaces {
    int up = 0;
    int pressed = 0;
};
ButtonFaces ToolButtonFaces(ToolKind tool);

// What option k (0..3) of a layout sets; nothing for an option that does nothing.
std::optional<int> OptionValue(int layout, int option);
// Sets the panel's value that a layout's options choose between.
void ApplyOption(CEditPanel& panel, int layout, int value);
// The panel's value that a layout's options choose between (the zoom truncated), or
// nothing for a layout without options.
std::optional<int> CurrentOptionValue(const CEditPanel& panel, int layout);

} // namespace pattik
