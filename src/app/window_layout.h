#pragma once

#include "raster/colour.h"

#include <QRect>
#include <QSize>

// Where the main window puts its bars and the editing panel its controls, in pixels. The
// panel paints its canvas, preview, wells and strip at fixed places; its controls sit in
// the space around them.
namespace pattik::layout {

inline constexpr QSize kWindowSize{344, 510};
inline constexpr int kItemBarHeight = 33;
inline constexpr QSize kPaletteSize{62, 392};
// The panel takes the rest of the width, beside the palette.
inline constexpr int kPanelWidth = kWindowSize.width() - kPaletteSize.width();

// The one font of every widget (see editor_font.h), at a fixed pixel size so the layout
// never shifts: the installed Hangul font, whose glyphs the editor's own font copies.
inline constexpr const char* kFontFamily = "NanumGothic";
inline constexpr int kFontPixelSize = 12;

// The item bar.
inline constexpr QRect kGenderLabel{4, 9, 32, 16};
inline constexpr QRect kGenderBox{36, 5, 60, 22};
inline constexpr QRect kCategoryLabel{104, 9, 56, 16};
inline constexpr QRect kCategoryBox{160, 5, 176, 22};

// The editing panel: view buttons above the canvas, the preview's group box and check
// boxes to its right, and the RGB mixer beside the colour wells.
inline constexpr QRect kWearButton{6, 4, 38, 20};
inline constexpr QRect kDpButton{45, 4, 38, 20};
inline constexpr QRect kHairButton{84, 4, 38, 20};
inline constexpr QRect kPreviewGroup{168, 34, 96, 152};
inline constexpr QRect kShowAvatarCheckBox{166, 194, 110, 18};
inline constexpr QRect kAvatarInFrontCheckBox{166, 214, 110, 18};
inline constexpr QRect kMixerLabels[3] = {{58, 291, 10, 16}, {58, 309, 10, 16}, {58, 327, 10, 16}};
inline constexpr QRect kTrackbars[3] = {{70, 291, 148, 16}, {70, 309, 148, 16}, {70, 327, 148, 16}};
inline constexpr QRect kEdits[3] = {{222, 290, 42, 18}, {222, 308, 42, 18}, {222, 326, 42, 18}};

// The bar colour of the item bar, the palette and the panel.
inline constexpr COLORREF kBarColour = RGB(237, 237, 216);

// The airbrush asks for a 1 ms timer; about 64 ticks a second is the rate its spray was made
// for, so no timer runs faster than this.
inline constexpr int kShortestTimerPeriodMs = 15;

} // namespace pattik::layout
