#pragma once

#include "panel/edit_panel.h"
#include "raster/geometry.h"

#include <array>
#include <optional>

namespace pattik {

// Which values a tool's option buttons choose between.
enum class OptionSet {
    LineWidths,
    FillStyles,
    SpraySizes,
    Zooms,
    EraserSizes,
    SelectionModes,
    None,
};
inline constexpr int kOptionSetCount = 7;

// One option button as a layout shows it: where, with which faces (bitmap resources), or
// hidden.
struct OptionPlace {
    bool shown = false;
    RECT place{};
    int upFace = 0;
    int pressedFace = 0;
};
using OptionLayout = std::array<OptionPlace, 4>;

// Where an option set puts the four option buttons and with which faces; OptionSet::None
// shows none.
const OptionLayout& OptionLayoutOf(OptionSet options);

// The faces of a palette button (bitmap resources), up and pressed.
struct ButtonFaces {
    int up = 0;
    int pressed = 0;
};

// What option k (0..3) of a set chooses; nothing for an option that does nothing.
std::optional<int> OptionValue(OptionSet options, int option);
// Sets the panel's value that a set's options choose between.
void ApplyOption(CEditPanel& panel, OptionSet options, int value);
// The panel's value that a set's options choose between (the zoom truncated), or nothing
// for a tool without options.
std::optional<int> CurrentOptionValue(const CEditPanel& panel, OptionSet options);

} // namespace pattik
