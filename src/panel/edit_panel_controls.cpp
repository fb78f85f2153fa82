// The two colours, the RGB mixer's fields and the preview check boxes.
#include "panel/edit_panel.h"

#include "res/string_table.h"

#include <utility>

namespace pattik {

bool CEditPanel::SetPrimaryColour(COLORREF colour) {
    if (!IsColour(colour)) {
        return false;
    }
    RepaintOverlayIf(std::exchange(colours_.primaryColour, colour) != colour);
    return true;
}

bool CEditPanel::SetSecondaryColour(COLORREF colour) {
    if (!IsColour(colour)) {
        return false;
    }
    RepaintOverlayIf(std::exchange(colours_.secondaryColour, colour) != colour);
    return true;
}

bool CEditPanel::ExchangeControlData(bool fromControls) {
    if (!fromControls) {
        WriteControlData(controlHost_, controls_);
        return true;
    }
    if (const auto refused = ReadControlData(controlHost_, controls_)) {
        dialogHost_.ShowMessage(kEnterIntegerText, MessageButtons::Ok);
        controlHost_.FocusEdit(*refused);
        return false;
    }
    return true;
}

bool CEditPanel::SetMixerChannel(MixerChannel channel, int value) {
    if (value < 0 || value > kChannelMaximum) {
        return false;
    }
    switch (channel) {
    case MixerChannel::Red:
        controls_.editR = controls_.sliderR = value;
        return true;
    case MixerChannel::Green:
        controls_.editG = controls_.sliderG = value;
        return true;
    case MixerChannel::Blue:
        controls_.editB = controls_.sliderB = value;
        return true;
    }
    return false;
}

void CEditPanel::SetMixerColour(COLORREF colour) {
    SetMixerChannel(MixerChannel::Red, GetRValue(colour));
    SetMixerChannel(MixerChannel::Green, GetGValue(colour));
    SetMixerChannel(MixerChannel::Blue, GetBValue(colour));
}

void CEditPanel::SetUseSecondary(bool useSecondary) {
    if (colours_.useSecondary == useSecondary) {
        return;
    }
    colours_.useSecondary = useSecondary;
    ShowDrawingColourInMixer();
    RepaintOverlayIf(true);
}

void CEditPanel::PickColour(bool secondary, COLORREF colour) {
    if (!(secondary ? SetSecondaryColour(colour) : SetPrimaryColour(colour))) {
        return; // no colour of ours: both colours stay
    }
    ShowDrawingColourInMixer();
    InvalidateWells();
}

void CEditPanel::ShowDrawingColourInMixer() {
    // The mixer writes the drawing colour whole, so it must show that colour, or an edit of
    // one channel would write the other two as they were last shown.
    SetMixerColour(colours_.DrawingColour());
    ExchangeControlData(false);
}

void CEditPanel::OnPreviewCheckBox() {
    ExchangeControlData(true);
    InvalidateViews();
}

void CEditPanel::SetAvatarDisplay(bool showAvatar, bool avatarInFront) {
    controls_.showAvatar = showAvatar;
    controls_.avatarInFront = avatarInFront;
    ExchangeControlData(false);
    InvalidateViews();
}

} // namespace pattik
