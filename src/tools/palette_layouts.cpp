#include "tools/palette_layouts.h"

namespace pattik {
namespace {

constexpr int kLineWidths = 0;
constexpr int kFillStyles = 1;
constexpr int kSpraySizes = 2;
constexpr int kZooms = 3;
constexpr int kEraserSizes = 4;
constexpr int kSelectionModes = 5;

constexpr RECT Place(int x, int y, int width, int height) {
    return RECT{x, y, x + width, y + height};
}

// Four 48 x 15 buttons stacked under the tools: widths, zooms and eraser sizes.
constexpr OptionLayout FourRows(int firstFace, const int (&pressed)[4]) {
    OptionLayout layout{};
    for (int i = 0; i < 4; ++i) {
        layout[static_cast<std::size_t>(i)] =
            OptionPlace{true, Place(6, 160 + 15 * i, 48, 15), firstFace + i, pressed[i]};
    }
    return layout;
}

constexpr std::array<OptionLayout, kLayoutCount> kLayouts{{
    FourRows(152, {234, 213, 214, 215}),
    {{{true, Place(6, 160, 48, 19), 158, 218},
      {true, Place(6, 179, 48, 19), 159, 229},
      {true, Place(6, 198, 48, 19), 160, 219},
      {}}},
    {{{true, Place(6, 160, 24, 30), 161, 220},
      {true, Place(30, 160, 24, 30), 162, 221},
      {true, Place(5, 190, 49, 30), 163, 235},
      {}}},
    FourRows(172, {231, 223, 224, 232}),
    FourRows(177, {222, 225, 226, 227}),
    {{{true, Place(6, 160, 48, 30), 156, 216}, {true, Place(6, 190, 48, 30), 157, 217}, {}, {}}},
    {},
}};

constexpr OptionLayout kNoOptions{};

// Options 1..4 of each layout; the fourth fill style would fill as the third does, but its
// button is never shown.
constexpr std::optional<int> kNone;
constexpr std::array<std::array<std::optional<int>, 4>, kLayoutCount> kValues{{
    {1, 3, 5, 7},
    {kOutlineOnly, kFilledWithOtherColour, kFilledWithDrawingColour, kFilledWithDrawingColour},
    {5, 10, 15, kNone},
    {2, 4, 6, 10},
    {2, 4, 6, 10},
    {0, 1, kNone, kNone},
    {kNone, kNone, kNone, kNone},
}};

constexpr std::array<ButtonFaces, 10> kToolFaces{{
    {141, 208},
    {142, 209},
    {140, 207},
    {145, 212},
    {139, 230},
    {146, 228},
    {143, 210},
    {144, 211},
    {147, 233},
    {138, 205},
}};

bool IsLayout(int layout) {
    return layout >= 0 && layout < kLayoutCount;
}

} // namespace

const OptionLayout& OptionLayoutOf(int layout) {
    return IsLayout(layout) ? kLayouts[static_cast<std::size_t>(layout)] : kNoOptions;
}

ButtonFaces ToolButtonFaces(ToolKind tool) {
    const int index = static_cast<int>(tool);
    if (index < 0 || index >= static_cast<int>(kToolFaces.size())) {
        return ButtonFaces{};
    }
    return kToolFaces[static_cast<std::size_t>(index)];
}

std::optional<int> OptionValue(int layout, int option) {
    if (!IsLayout(layout) || option < 0 || option >= 4) {
        return std::nullopt;
    }
    return kValues[static_cast<std::size_t>(layout)][static_cast<std::size_t>(option)];
}

void ApplyOption(CEditPanel& panel, int layout, int value) {
    switch (layout) {
    case kLineWidths:
        panel.SetLineWidth(value);
        break;
    case kFillStyles:
        panel.SetFillStyle(value);
        break;
    case kSpraySizes:
        panel.SetSpraySize(value);
        break;
    case kZooms:
        panel.SetZoom(static_cast<float>(value));
        break;
    case kEraserSizes:
        panel.SetEraserSize(value);
        break;
    case kSelectionModes:
        panel.SetOpaqueSelection(value != 0);
        break;
    default:
        break;
    }
}

std::optional<int> CurrentOptionValue(const CEditPanel& panel, int layout) {
    const ToolOptions& options = panel.Options();
    switch (layout) {
    case kLineWidths:
        return options.lineWidth;
    case kFillStyles:
        return options.fillStyle;
    case kSpraySizes:
        return options.spraySize;
    case kZooms:
        return static_cast<int>(panel.View().zoom);
    case kEraserSizes:
        return options.eraserSize;
    case kSelectionModes:
        return options.opaqueSelection ? 1 : 0;
    default:
        return std::nullopt;
    }
}

} // namespace pattik
