#pragma once

#include "panel/control_host.h"

#include <optional>
#include <string_view>

namespace pattik {

// The RGB mixer's edits and trackbars run over one colour channel, 0 to this.
inline constexpr int kChannelMaximum = 255;

// The values behind the panel's controls: the RGB mixer's edits and trackbars and the two
// preview check boxes.
struct ControlData {
    int editB = 0;
    int editG = 0;
    int editR = 0;
    int sliderB = 0;
    int sliderG = 0;
    int sliderR = 0;
    bool showAvatar = true;
    bool avatarInFront = false;
};

// Reads the controls into data: the blue, green and red edits, then the blue, green and red
// trackbars, then the two check boxes. The read stops at the first edit that holds no
// integer: fields read before it keep their new values, the rest their old ones, and that
// edit's id is answered. Nothing is answered when every control was read.
std::optional<int> ReadControlData(const ControlHost& controls, ControlData& data);

// An edit's text as the exchange reads it: digits with an optional sign, blanks around them
// allowed. A number too long
// for an int saturates (so anything above 255 is clamped to 255 as any other number is);
// an empty or non-numeric text is no integer. Hosts read their edits through this.
std::optional<int> ParseEditInteger(std::string_view text);

// Writes every field to its control, in the same order.
void WriteControlData(ControlHost& controls, const ControlData& data);

} // namespace pattik
