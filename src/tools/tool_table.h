#pragma once

#include "panel/panel_types.h"
#include "tools/previews.h"

namespace pattik {

// What sets one tool apart from the others. Dispatch is one lookup in this table, never a
// switch over the tools.
struct ToolTraits {
    ToolKind kind = ToolKind::None;
    PreviewRoutine preview = nullptr; // null: the tool shows nothing over the picture
};

// The row of a tool; no tool (and anything that is not a tool) has a row that does nothing.
const ToolTraits& TraitsOf(ToolKind tool);

} // namespace pattik
