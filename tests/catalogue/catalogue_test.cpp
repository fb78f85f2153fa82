#include "catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace pattik {

// Readable values in failure messages and in ctest's listing.
void PrintTo(Gender gender, std::ostream* out) {
    *out << (gender == Gender::Female ? "Female" : gender == Gender::Male ? "Male" : "None");
}
void PrintTo(const DpFileSource& s, std::ostream* out) {
    *out << (s.fromWear ? "wear" : "dp") << " (" << s.x << ", " << s.y << ", " << s.width << ", "
         << s.height << ")";
}

namespace {

TEST(CatalogueIndexes, BoxIndexesBecomeValuesAndEverythingElseNone) {
    EXPECT_EQ(GenderFromIndex(0), Gender::Female);
    EXPECT_EQ(GenderFromIndex(1), Gender::Male);
    for (int index : {-1, 2, -2}) {
        EXPECT_EQ(GenderFromIndex(index), Gender::None) << index;
    }
    EXPECT_EQ(CategoryFromIndex(0), ItemCategory::RearBackdrop);
    EXPECT_EQ(CategoryFromIndex(13), ItemCategory::Hair);
    for (int index : {-1, 14, -2}) {
        EXPECT_EQ(CategoryFromIndex(index), ItemCategory::None) << index;
    }
}

TEST(CatalogueBoxTexts, ListTheEntriesInBoxOrder) {
    using Texts = std::vector<std::string_view>;
    const auto genders = GenderBoxTexts();
    EXPECT_EQ(Texts(genders.begin(), genders.end()), (Texts{"여자", "남자"}));
    const auto categories = CategoryBoxTexts();
    EXPECT_EQ(Texts(categories.begin(), categories.end()),
              (Texts{"아바타 뒷배경", "아바타 앞배경", "신발", "하의", "양말", "상의",
                     "셋트복(상+하의)", "토탈코디", "목주변 장식", "오른손 액세서리",
                     "왼손, 양손 액세사리", "모자 및 얼굴 장식", "안경, 귀걸이", "헤어"}));
}

TEST(CataloguePerGender, FemaleHasItsOwnAndEveryOtherValueTakesMale) {
    EXPECT_EQ(BodyMannequinId(Gender::Female), 196);
    EXPECT_EQ(HeadId(Gender::Female), 194);
    EXPECT_EQ(HairSquareOrigin(Gender::Female), (Point{20, 8}));
    for (Gender gender : {Gender::Male, Gender::None, static_cast<Gender>(7)}) {
        EXPECT_EQ(BodyMannequinId(gender), 195);
        EXPECT_EQ(HeadId(gender), 193);
        EXPECT_EQ(HairSquareOrigin(gender), (Point{19, 7}));
    }
    EXPECT_EQ(kHairSquareSide, 40);
}

// One row of the catalogue, female and male columns side by side as the table reads.
struct Row {
    ItemCategory category;
    const char* name;
    std::optional<int> guideFemale, guideMale;
    bool hair;
    std::optional<std::string_view> warning;
    DpFileSource fileFemale, fileMale;
};

constexpr DpFileSource kDp{false, 0, 0, 75, 83};
constexpr DpFileSource Wear(int x, int y, int width = 75) {
    return {true, x, y, width, 125};
}

const Row kRows[] = {
    {ItemCategory::RearBackdrop, "RearBackdrop", 199, 199, false, "배경은 DP수정을 할 수 없습니다.",
     Wear(0, -21), Wear(0, -21)},
    {ItemCategory::FrontBackdrop, "FrontBackdrop", 199, 199, false,
     "배경은 DP수정을 할 수 없습니다.", Wear(0, -21), Wear(0, -21)},
    {ItemCategory::Shoes, "Shoes", 199, 199, false, std::nullopt, kDp, kDp},
    {ItemCategory::Bottoms, "Bottoms", 190, 187, false, "하의는 DP수정을 할 수 없습니다.",
     Wear(-1, -46), Wear(0, -46)},
    {ItemCategory::Socks, "Socks", 186, 186, false, std::nullopt, kDp, kDp},
    {ItemCategory::Top, "Top", 188, 183, true, "상의는 DP수정을 할 수 없습니다.", Wear(-1, -29),
     Wear(0, -29)},
    {ItemCategory::SetOutfit, "SetOutfit", 189, 184, true, "셋트복은 DP수정을 할 수 없습니다.",
     Wear(-1, -35), Wear(0, -36)},
    {ItemCategory::TotalCoordination, "TotalCoordination", 202, 201, true,
     "테마복은 DP수정을 할 수 없습니다.", Wear(0, 0), Wear(0, 0)},
    {ItemCategory::NeckDecoration, "NeckDecoration", 199, 199, false, std::nullopt, kDp, kDp},
    {ItemCategory::RightHandAccessory, "RightHandAccessory", 199, 199, false, std::nullopt, kDp,
     kDp},
    {ItemCategory::LeftOrBothHandAccessory, "LeftOrBothHandAccessory", 199, 199, false,
     std::nullopt, kDp, kDp},
    {ItemCategory::HatAndFaceDecoration, "HatAndFaceDecoration", 199, 199, false, std::nullopt, kDp,
     kDp},
    {ItemCategory::GlassesAndEarrings, "GlassesAndEarrings", 199, 199, false, std::nullopt, kDp,
     kDp},
    {ItemCategory::Hair, "Hair", 242, 241, true, std::nullopt, Wear(-1, 0, 76), Wear(0, 0)},
    {ItemCategory::None, "None", std::nullopt, std::nullopt, false, std::nullopt, kDp, kDp},
    {static_cast<ItemCategory>(14), "PastTheBox", std::nullopt, std::nullopt, false, std::nullopt,
     kDp, kDp},
};

void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

using Case = std::tuple<Gender, Row>;

class CatalogueTable : public ::testing::TestWithParam<Case> {};

TEST_P(CatalogueTable, LookupsMatchTheRow) {
    const auto& [gender, row] = GetParam();
    const bool female = gender == Gender::Female;
    EXPECT_EQ(DpGuideId(row.category, gender), female ? row.guideFemale : row.guideMale);
    EXPECT_EQ(HasHairImage(row.category), row.hair);
    EXPECT_EQ(DpWarning(row.category), row.warning);
    EXPECT_EQ(DpFileSourceFor(row.category, gender), female ? row.fileFemale : row.fileMale);
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    return ::testing::PrintToString(std::get<0>(info.param)) + "_" + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(GenderByCategory, CatalogueTable,
                         ::testing::Combine(::testing::Values(Gender::Female, Gender::Male,
                                                              Gender::None),
                                            ::testing::ValuesIn(kRows)),
                         CaseName);

} // namespace
} // namespace pattik
