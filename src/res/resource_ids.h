#pragma once

namespace pattik {

// Bitmap resources, by the id their BMP file is named after.
inline constexpr int kColourStripBitmap = 137;       // 201 x 17, the colour strip
inline constexpr int kBackgroundCheckerBitmap = 198; // 75 x 125, behind every picture

// Mannequins drawn behind the wear image, 75 x 125, white transparent.
inline constexpr int kMaleBodyMannequinBitmap = 195;
inline constexpr int kFemaleBodyMannequinBitmap = 196;

// Heads, 25 x 25: the hair guide and the fresh hair image.
inline constexpr int kMaleHeadBitmap = 193;
inline constexpr int kFemaleHeadBitmap = 194;

// DP guides, 75 x 83, drawn behind the DP image and under the DP file.
inline constexpr int kMaleTopDpGuideBitmap = 183;
inline constexpr int kMaleSetOutfitDpGuideBitmap = 184;
inline constexpr int kSocksDpGuideBitmap = 186;
inline constexpr int kMaleBottomsDpGuideBitmap = 187;
inline constexpr int kFemaleTopDpGuideBitmap = 188;
inline constexpr int kFemaleSetOutfitDpGuideBitmap = 189;
inline constexpr int kFemaleBottomsDpGuideBitmap = 190;
inline constexpr int kBlankDpGuideBitmap = 199; // all white: no visible guide
inline constexpr int kMaleTotalCoordinationDpGuideBitmap = 201;
inline constexpr int kFemaleTotalCoordinationDpGuideBitmap = 202;
inline constexpr int kMaleHairDpGuideBitmap = 241;
inline constexpr int kFemaleHairDpGuideBitmap = 242;

// The window icon, square, at 16, 32, 48 and 256 pixels. The window itself carries the
// first three.
inline constexpr int kWindowIconBitmaps[4] = {300, 301, 302, 303};
inline constexpr int kWindowIconSizesShown = 3;

} // namespace pattik
