#include "panel/control_data.h"

#include "res/control_ids.h"

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
