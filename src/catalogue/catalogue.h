#pragma once

#include "raster/geometry.h"

#include <optional>
#include <span>
#include <string_view>

namespace pattik {

enum class Gender : int { None = -1, Female = 0, Male = 1 };

// In the order of the category box.
enum class ItemCategory : int {
    None = -1,
    RearBackdrop = 0,
    FrontBackdrop,
    Shoes,
    Bottoms,
    Socks,
    Top,
    SetOutfit,
    TotalCoordination,
    NeckDecoration,
    RightHandAccessory,
    LeftOrBothHandAccessory,
    HatAndFaceDecoration,
    GlassesAndEarrings,
    Hair
};
inline constexpr int kCategoryCount = 14;

// The three pictures of an item have the same size whatever the choice.
inline constexpr Size kWearImageSize{75, 125};
inline constexpr Size kDpImageSize{75, 83};
inline constexpr Size kHairImageSize{25, 25};

// Box list indexes to values; -1 (an empty box) and anything out of range give None.
Gender GenderFromIndex(int index);
ItemCategory CategoryFromIndex(int index);

// The entries of the two boxes, in list order.
std::span<const std::string_view> GenderBoxTexts();
std::span<const std::string_view> CategoryBoxTexts();

// Every lookup by gender asks only "is it Female?": Male, None and any stray value take the
// male entry, so a category chosen before a gender still shows a mannequin.
int BodyMannequinId(Gender);
int HeadId(Gender);
// The 40 x 40 square of the wear image that becomes the hair image.
Point HairSquareOrigin(Gender);
inline constexpr int kHairSquareSide = 40;

// The 75 x 83 picture the DP view draws behind the DP image; none for no category.
std::optional<int> DpGuideId(ItemCategory, Gender);
// Tops, set outfits, total coordination and hair carry a hair image.
bool HasHairImage(ItemCategory);
// Shown on a press in the DP view of an item whose DP file ignores the DP image.
std::optional<std::string_view> DpWarning(ItemCategory);

// What the DP file draws over its guide: the DP image at (0, 0) in its own size, or the
// wear image placed at (x, y) and stretched to width x height.
struct DpFileSource {
    bool fromWear;
    int x, y, width, height;
    friend bool operator==(const DpFileSource&, const DpFileSource&) = default;
};
DpFileSource DpFileSourceFor(ItemCategory, Gender);

} // namespace pattik
