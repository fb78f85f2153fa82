#pragma once

#include "panel/panel_types.h"
#include "tools/previews.h"
#include "tools/tool_steps.h"

namespace pattik {

// What sets one tool apart from the others. Dispatch is one lookup in this table, never a
// switch over the tools; a null step does nothing.
struct ToolTraits {
    ToolKind kind = ToolKind::None;
    ToolStep press = nullptr;
    ToolStep drag = nullptr;
    ToolStep release = nullptr;
    PreviewRoutine preview = nullptr; // what the tool shows over the picture
    int optionLayout = -1;            // the palette's option buttons for the tool
};

// The row of a tool; no tool (and anything that is not a tool) has a row that does nothing.
const ToolTraits& TraitsOf(ToolKind tool);

} // namespace pattik
