#include "tools/colour_controls.h"

#include <algorithm>

namespace pattik {
namespace {

int Byte(int value) {
    return value & 0xFF;
}

int EditValue(const ControlData& data, MixerChannel channel) {
    switch (channel) {
    case MixerChannel::Red:
        return data.editR;
    case MixerChannel::Green:
        return data.editG;
    case MixerChannel::Blue:
        break;
    }
    return data.editB;
}

} // namespace

void ApplyMixer(CEditPanel& panel) {
    const ControlData& data = panel.Controls();
    const COLORREF colour = RGB(static_cast<std::uint8_t>(Byte(data.sliderR)),
                                static_cast<std::uint8_t>(Byte(data.sliderG)),
                                static_cast<std::uint8_t>(Byte(data.sliderB)));
    if (panel.Colours().useSecondary) {
        panel.SetSecondaryColour(colour);
    } else {
        panel.SetPrimaryColour(colour);
    }
    panel.InvalidateWells();
}

void OnTrackbarMoved(CEditPanel& panel) {
    panel.ExchangeControlData(true);
    const ControlData& data = panel.Controls();
    panel.SetMixerChannel(MixerChannel::Green, std::clamp(data.sliderG, 0, kChannelMaximum));
    panel.SetMixerChannel(MixerChannel::Red, std::clamp(data.sliderR, 0, kChannelMaximum));
    panel.SetMixerChannel(MixerChannel::Blue, std::clamp(data.sliderB, 0, kChannelMaximum));
    panel.ExchangeControlData(false);
    ApplyMixer(panel);
}

void OnEditChanged(CEditPanel& panel, MixerChannel channel) {
    panel.ExchangeControlData(true);
    const int value = std::clamp(EditValue(panel.Controls(), channel), 0, kChannelMaximum);
    panel.SetMixerChannel(channel, value);
    panel.ExchangeControlData(false);
    ApplyMixer(panel);
}

} // namespace pattik
