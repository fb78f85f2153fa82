#include "catalogue/catalogue.h"

#include "res/resource_ids.h"
#include "res/string_table.h"

#include <array>

namespace pattik {
namespace {

// Tables keyed by gender have two columns: Female first, then everyone else.
constexpr int kFemaleColumn = 0;
constexpr int kMaleColumn = 1;
constexpr int kGenderColumnCount = 2;

constexpr int Column(Gender gender) {
    return gender == Gender::Female ? kFemaleColumn : kMaleColumn;
}

template <typename T>
using ByGender = std::array<T, kGenderColumnCount>;

struct GenderEntry {
    int bodyMannequin;
    int head;
    Point hairSquareOrigin;
};

constexpr ByGender<GenderEntry> kGenders{{
    {kFemaleBodyMannequinBitmap, kFemaleHeadBitmap, {20, 8}},
    {kMaleBodyMannequinBitmap, kMaleHeadBitmap, {19, 7}},
}};

constexpr std::array<std::string_view, kGenderColumnCount> kGenderBoxTexts{kFemaleBoxText,
                                                                           kMaleBoxText};

constexpr DpFileSource kFromDpImage{false, 0, 0, kDpImageSize.cx, kDpImageSize.cy};

// The wear image shifted so that the part the DP file shows lands in its 75 x 83 window.
constexpr DpFileSource FromWear(int x, int y, int width = kWearImageSize.cx) {
    return DpFileSource{true, x, y, width, kWearImageSize.cy};
}

struct CategoryEntry {
    std::string_view boxText;
    ByGender<int> dpGuide;
    bool hasHair;
    std::optional<std::string_view> dpWarning;
    ByGender<DpFileSource> dpFile;
};

constexpr std::optional<std::string_view> kNoWarning;

// One row per category, in box order. Every category with a warning builds its DP file from
// the wear image, which is why drawing in its DP image is pointless; hair does the same
// silently. Female hair is stretched to 76 columns to sit one column further left.
constexpr std::array<CategoryEntry, kCategoryCount> kCategories{{
    {kRearBackdropBoxText,
     {kBlankDpGuideBitmap, kBlankDpGuideBitmap},
     false,
     kBackdropDpWarning,
     {FromWear(0, -21), FromWear(0, -21)}},
    {kFrontBackdropBoxText,
     {kBlankDpGuideBitmap, kBlankDpGuideBitmap},
     false,
     kBackdropDpWarning,
     {FromWear(0, -21), FromWear(0, -21)}},
    {kShoesBoxText,
     {kBlankDpGuideBitmap, kBlankDpGuideBitmap},
     false,
     kNoWarning,
     {kFromDpImage, kFromDpImage}},
    {kBottomsBoxText,
     {kFemaleBottomsDpGuideBitmap, kMaleBottomsDpGuideBitmap},
     false,
     kBottomsDpWarning,
     {FromWear(-1, -46), FromWear(0, -46)}},
    {kSocksBoxText,
     {kSocksDpGuideBitmap, kSocksDpGuideBitmap},
     false,
     kNoWarning,
     {kFromDpImage, kFromDpImage}},
    {kTopBoxText,
     {kFemaleTopDpGuideBitmap, kMaleTopDpGuideBitmap},
     true,
     kTopDpWarning,
     {FromWear(-1, -29), FromWear(0, -29)}},
    {kSetOutfitBoxText,
     {kFemaleSetOutfitDpGuideBitmap, kMaleSetOutfitDpGuideBitmap},
     true,
     kSetOutfitDpWarning,
     {FromWear(-1, -35), FromWear(0, -36)}},
    {kTotalCoordinationBoxText,
     {kFemaleTotalCoordinationDpGuideBitmap, kMaleTotalCoordinationDpGuideBitmap},
     true,
     kTotalCoordinationDpWarning,
     {FromWear(0, 0), FromWear(0, 0)}},
    {kNeckDecorationBoxText,
     {kBlankDpGuideBitmap, kBlankDpGuideBitmap},
     false,
     kNoWarning,
     {kFromDpImage, kFromDpImage}},
    {kRightHandAccessoryBoxText,
     {kBlankDpGuideBitmap, kBlankDpGuideBitmap},
     false,
     kNoWarning,
     {kFromDpImage, kFromDpImage}},
    {kLeftOrBothHandAccessoryBoxText,
     {kBlankDpGuideBitmap, kBlankDpGuideBitmap},
     false,
     kNoWarning,
     {kFromDpImage, kFromDpImage}},
    {kHatAndFaceDecorationBoxText,
     {kBlankDpGuideBitmap, kBlankDpGuideBitmap},
     false,
     kNoWarning,
     {kFromDpImage, kFromDpImage}},
    {kGlassesAndEarringsBoxText,
     {kBlankDpGuideBitmap, kBlankDpGuideBitmap},
     false,
     kNoWarning,
     {kFromDpImage, kFromDpImage}},
    {kHairBoxText,
     {kFemaleHairDpGuideBitmap, kMaleHairDpGuideBitmap},
     true,
     kNoWarning,
     {FromWear(-1, 0, 76), FromWear(0, 0)}},
}};

// The box texts as a contiguous list, taken from the rows so the order cannot drift.
constexpr auto kCategoryBoxTexts = [] {
    std::array<std::string_view, kCategoryCount> texts{};
    for (int i = 0; i < kCategoryCount; ++i) {
        texts[i] = kCategories[i].boxText;
    }
    return texts;
}();

// The row of a category, or null for None and for any value outside the box.
constexpr const CategoryEntry* Find(ItemCategory category) {
    const int index = static_cast<int>(category);
    return index >= 0 && index < kCategoryCount ? &kCategories[index] : nullptr;
}

} // namespace

Gender GenderFromIndex(int index) {
    return index >= 0 && index < kGenderColumnCount ? static_cast<Gender>(index) : Gender::None;
}

ItemCategory CategoryFromIndex(int index) {
    return index >= 0 && index < kCategoryCount ? static_cast<ItemCategory>(index)
                                                : ItemCategory::None;
}

std::span<const std::string_view> GenderBoxTexts() {
    return kGenderBoxTexts;
}

std::span<const std::string_view> CategoryBoxTexts() {
    return kCategoryBoxTexts;
}

int BodyMannequinId(Gender gender) {
    return kGenders[Column(gender)].bodyMannequin;
}

int HeadId(Gender gender) {
    return kGenders[Column(gender)].head;
}

Point HairSquareOrigin(Gender gender) {
    return kGenders[Column(gender)].hairSquareOrigin;
}

std::optional<int> DpGuideId(ItemCategory category, Gender gender) {
    const CategoryEntry* entry = Find(category);
    return entry ? std::optional<int>(entry->dpGuide[Column(gender)]) : std::nullopt;
}

bool HasHairImage(ItemCategory category) {
    const CategoryEntry* entry = Find(category);
    return entry && entry->hasHair;
}

std::optional<std::string_view> DpWarning(ItemCategory category) {
    const CategoryEntry* entry = Find(category);
    return entry ? entry->dpWarning : kNoWarning;
}

DpFileSource DpFileSourceFor(ItemCategory category, Gender gender) {
    const CategoryEntry* entry = Find(category);
    return entry ? entry->dpFile[Column(gender)] : kFromDpImage;
}

} // namespace pattik
