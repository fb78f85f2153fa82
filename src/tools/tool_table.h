#pragma once

#include "panel/panel_types.h"
#include "res/control_ids.h"
#include "tools/palette_layouts.h"
#include "tools/previews.h"
#include "tools/tool_steps.h"

#include <array>
#include <optional>
#include <string_view>

namespace pattik {

// Everything about one tool, in one row: its palette button's faces, tooltip and single
// key, the options the palette shows for it, what it does under the pointer, and what it
// shows over the picture. Every list that follows the tools is read from these rows;
// dispatch is one lookup, never a switch over the tools. A null step does nothing.
struct ToolRow {
    ToolKind kind = ToolKind::None;
    char key = 0; // the single key that chooses the tool
    std::string_view toolTip;
    ButtonFaces faces;
    OptionSet options = OptionSet::None;
    ToolStep press = nullptr;
    ToolStep drag = nullptr;
    ToolStep release = nullptr;
    // Called on each tick of the panel's timer during the tool's stroke; a tool with one is
    // timer-driven, and its release stops the timer.
    TimerStep tick = nullptr;
    PreviewRoutine preview = nullptr;
    // Where the preview may draw; a preview without one repaints the whole picture.
    PreviewAreaRoutine previewArea = nullptr;
    // Its options apply once and then hand back to the tool chosen before it.
    bool oneShot = false;
    // With mirror drawing on, its strokes and its preview appear mirrored as well.
    bool mirrored = false;
    // Esc while its button is held calls the drag off, as if it had never been pressed.
    bool cancelledByEsc = false;

    // The tool's palette button.
    constexpr int ButtonId() const { return kFirstToolButton + static_cast<int>(kind); }
};

inline constexpr int kToolCount = 10;
static_assert(kLastToolButton - kFirstToolButton + 1 == kToolCount,
              "one palette button for each tool");

// The rows of the ten tools, in the order of their buttons.
const std::array<ToolRow, kToolCount>& ToolRows();
// The row of a tool; no tool (and anything that is not a tool) has a row that does nothing.
const ToolRow& RowOf(ToolKind tool);
// The tool of a palette button, or nothing for another id.
std::optional<ToolKind> ToolOfButton(int buttonId);

} // namespace pattik
