#include "panel/control_data.h"

#include "res/control_ids.h"

#include <algorithm>
#include <cstdint>

namespace pattik {
namespace {

struct EditField {
    int id;
    int ControlData::*value;
};
// The exchange's order, which decides what a read that stops half-way leaves behind.
constexpr EditField kEdits[] = {
    {kBlueEdit, &ControlData::editB},
    {kGreenEdit, &ControlData::editG},
    {kRedEdit, &ControlData::editR},
};
constexpr EditField kTrackbars[] = {
    {kBlueTrackbar, &ControlData::sliderB},
    {kGreenTrackbar, &ControlData::sliderG},
    {kRedTrackbar, &ControlData::sliderR},
};

} // namespace

std::optional<int> ReadControlData(const ControlHost& controls, ControlData& data) {
    for (const EditField& edit : kEdits) {
        const std::optional<int> value = controls.ReadEditInteger(edit.id);
        if (!value) {
            return edit.id;
        }
        data.*edit.value = *value;
    }
    for (const EditField& trackbar : kTrackbars) {
        data.*trackbar.value = controls.ReadTrackbarPosition(trackbar.id);
    }
    data.showAvatar = controls.ReadCheckBox(kShowAvatarCheckBox);
    data.avatarInFront = controls.ReadCheckBox(kAvatarInFrontCheckBox);
    return std::nullopt;
}

std::optional<int> ParseEditInteger(std::string_view text) {
    // Blanks around the number and a sign before it are taken, as a pasted text may have.
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        // Past the int range every further digit changes nothing: the value saturates.
        value = std::min<std::int64_t>(value * 10 + (c - '0'), std::int64_t{INT32_MAX} + 1);
    }
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

void WriteControlData(ControlHost& controls, const ControlData& data) {
    for (const EditField& edit : kEdits) {
        controls.WriteEditInteger(edit.id, data.*edit.value);
    }
    for (const EditField& trackbar : kTrackbars) {
        controls.WriteTrackbarPosition(trackbar.id, data.*trackbar.value);
    }
    controls.WriteCheckBox(kShowAvatarCheckBox, data.showAvatar);
    controls.WriteCheckBox(kAvatarInFrontCheckBox, data.avatarInFront);
}

} // namespace pattik
