#include "tools/palette_layouts.h"

namespace pattik {
namespace {

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

// In the order of OptionSet.
constexpr std::array<OptionLayout, kOptionSetCount> kLayouts{{
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

// Options 1..4 of each set; the fourth fill style would fill as the third does, but its
// button is never shown.
constexpr std::optional<int> kNone;
constexpr std::array<std::array<std::optional<int>, 4>, kOptionSetCount> kValues{{
    {1, 3, 5, 7},
    {kOutlineOnly, kFilledWithOtherColour, kFilledWithDrawingColour, kFilledWithDrawingColour},
    {5, 10, 15, kNone},
    {2, 4, 6, 10},
    {2, 4, 6, 10},
    {0, 1, kNone, kNone},
    {kNone, kNone, kNone, kNone},
}};

// A value outside the set shows and chooses nothing, as OptionSet::None does.
std::size_t IndexOf(OptionSet options) {
    const auto index = static_cast<std::size_t>(options);
    return index < kLayouts.size() ? index : static_cast<std::size_t>(OptionSet::None);
}

} // namespace

const OptionLayout& OptionLayoutOf(OptionSet options) {
    return kLayouts[IndexOf(options)];
}

std::optional<int> OptionValue(OptionSet options, int option) {
    if (option < 0 || option >= 4) {
        return std::nullopt;
    }
    return kValues[IndexOf(options)][static_cast<std::size_t>(option)];
}

void ApplyOption(CEditPanel& panel, OptionSet options, int value) {
    switch (options) {
    case OptionSet::LineWidths:
        panel.SetLineWidth(value);
        break;
    case OptionSet::FillStyles:
        panel.SetFillStyle(value);
        break;
    case OptionSet::SpraySizes:
        panel.SetSpraySize(value);
        break;
    case OptionSet::Zooms:
        panel.SetZoom(static_cast<float>(value));
        break;
    case OptionSet::EraserSizes:
        panel.SetEraserSize(value);
        break;
    case OptionSet::SelectionModes:
        panel.SetOpaqueSelection(value != 0);
        break;
    case OptionSet::None:
        break;
    }
}

std::optional<int> CurrentOptionValue(const CEditPanel& panel, OptionSet set) {
    const ToolOptions& options = panel.Options();
    switch (set) {
    case OptionSet::LineWidths:
        return options.lineWidth;
    case OptionSet::FillStyles:
        return options.fillStyle;
    case OptionSet::SpraySizes:
        return options.spraySize;
    case OptionSet::Zooms:
        return static_cast<int>(panel.View().zoom);
    case OptionSet::EraserSizes:
        return options.eraserSize;
    case OptionSet::SelectionModes:
        return options.opaqueSelection ? 1 : 0;
    case OptionSet::None:
        break;
    }
    return std::nullopt;
}

} // namespace pattik
