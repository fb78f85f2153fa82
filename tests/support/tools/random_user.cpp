#include "support/tools/random_user.h"

#include "res/control_ids.h"
#include "tools/colour_controls.h"

#include <climits>
#include <iterator>

namespace pattik::testing {
namespace {

constexpr int kEdits[3] = {kRedEdit, kGreenEdit, kBlueEdit};
constexpr int kTrackbars[3] = {kRedTrackbar, kGreenTrackbar, kBlueTrackbar};

} // namespace

int RandomUser::AnyInt() {
    switch (Between(0, 3)) {
    case 0:
        return Between(INT_MIN, INT_MAX);
    case 1:
        return OneIn(2) ? INT_MAX - Between(0, 7) : INT_MIN + Between(0, 7);
    default:
        return Between(-20, 140);
    }
}

Point RandomUser::AnyPanelPoint() {
    if (OneIn(20)) {
        return Point{AnyInt(), AnyInt()};
    }
    if (OneIn(4)) {
        return Point{Between(-10, 290), Between(-10, 440)};
    }
    return Point{Between(6, 160), Between(26, 282)};
}

std::string RandomUser::AnyEditText() {
    static const char* const kTexts[] = {
        "", "abc", "300", "-5", " 12", "+7", "255", "0", "1e3", "99999999999999999999", "٣"};
    if (OneIn(2)) {
        return std::to_string(Between(0, 255));
    }
    return kTexts[Between(0, static_cast<int>(std::size(kTexts)) - 1)];
}

COLORREF RandomUser::AnyColour() {
    return RGB(static_cast<std::uint8_t>(Between(0, 255)),
               static_cast<std::uint8_t>(Between(0, 255)),
               static_cast<std::uint8_t>(Between(0, 255)));
}

void RandomUser::Pointer() {
    const Point p = AnyPanelPoint();
    static const char* const kNames[] = {"left press",
                                         "right press",
                                         "move",
                                         "move",
                                         "move",
                                         "left release",
                                         "right release",
                                         "left double click",
                                         "right double click",
                                         "timer tick"};
    const int which = Between(0, 9);
    what_ = kNames[which];
    switch (which) {
    case 0:
        tools_.OnLButtonDown(PointerEvent{p, true});
        break;
    case 1:
        tools_.OnRButtonDown(PointerEvent{p, false, true});
        break;
    case 2:
    case 3:
    case 4:
        tools_.OnMouseMove(PointerEvent{p, OneIn(2), OneIn(3), OneIn(4), OneIn(4)});
        break;
    case 5:
        tools_.OnLButtonUp(PointerEvent{p});
        break;
    case 6:
        tools_.OnRButtonUp(PointerEvent{p});
        break;
    case 7:
        tools_.OnLButtonDblClk(PointerEvent{p, true});
        break;
    case 8:
        tools_.OnRButtonDblClk(PointerEvent{p, false, true});
        break;
    default:
        tools_.OnTimer(OneIn(4) ? AnyInt() : kAirbrushTimer);
        break;
    }
}

void RandomUser::EditingKey() {
    static const char* const kNames[] = {"Esc",          "Delete",     "Ctrl+Z",
                                         "Space",        "left Ctrl",  "step back",
                                         "step forward", "Ctrl+wheel", "pixel grid"};
    const int which = Between(0, 8);
    what_ = kNames[which];
    const auto toggle = [this](PolledKey key) {
        if (!host_.keysDown.erase(key)) {
            host_.keysDown.insert(key);
        }
    };
    switch (which) {
    case 0:
        tools_.OnEscape();
        break;
    case 1:
        tools_.OnDelete();
        break;
    case 2:
        tools_.OnUndo();
        break;
    case 3:
        toggle(PolledKey::Space);
        break;
    case 4:
        toggle(PolledKey::LeftControl);
        break;
    case 5:
        tools_.OnStepBack();
        break;
    case 6:
        tools_.OnStepForward();
        break;
    case 7:
        tools_.ZoomAround(AnyPanelPoint(), OneIn(8) ? AnyInt() : Between(-3, 3));
        break;
    default:
        panel_.SetPixelGrid(panel_.View().zoom, OneIn(2));
        break;
    }
}

void RandomUser::Control() {
    static const char* const kNames[] = {"tool button",         "option button", "swatch click",
                                         "swatch double click", "RGB edit",      "trackbar",
                                         "view mode",           "check boxes"};
    const int which = Between(0, 7);
    what_ = kNames[which];
    switch (which) {
    case 0:
        palette_.OnToolButton(Between(995, 1014));
        break;
    case 1:
        palette_.OnOptionButton(OneIn(3) ? Between(1020, 1029) : kOptionButtons[Between(0, 3)]);
        break;
    case 2: {
        const RECT swatch = CToolPalette::SwatchRect(Between(0, 15));
        const Point at =
            OneIn(4) ? AnyPanelPoint()
                     : Point{static_cast<int>(swatch.left) + 1, static_cast<int>(swatch.top) + 1};
        OneIn(2) ? palette_.OnLButtonDown(at) : palette_.OnRButtonDown(at);
        break;
    }
    case 3:
        host_.colourAnswers.push_back(OneIn(2) ? std::optional<COLORREF>(AnyColour())
                                               : std::nullopt);
        palette_.OnLButtonDblClk(Point{Between(0, 62), Between(230, 380)});
        break;
    case 4: {
        const int channel = Between(0, 2);
        host_.editTexts[kEdits[channel]] = OneIn(4) ? std::to_string(AnyInt()) : AnyEditText();
        OnEditChanged(panel_, static_cast<MixerChannel>(channel));
        break;
    }
    case 5:
        host_.trackbarPositions[kTrackbars[Between(0, 2)]] =
            OneIn(4) ? AnyInt() : Between(-10, 300);
        OnTrackbarMoved(panel_);
        break;
    case 6:
        panel_.SelectViewMode(static_cast<ViewMode>(Between(0, 3)));
        break;
    default:
        host_.checkBoxes[kShowAvatarCheckBox] = OneIn(2);
        host_.checkBoxes[kAvatarInFrontCheckBox] = OneIn(2);
        panel_.OnPreviewCheckBox();
        break;
    }
}

} // namespace pattik::testing
