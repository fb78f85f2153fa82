// The tool table: every row holds all that the palette, the keys and the dispatch read.
#include "raster/bitmap_resources.h"
#include "tools/tool_table.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string_view>

namespace pattik {
namespace {

TEST(ToolTable, EveryRowIsCompleteAndItsKeyTipAndFacesAreItsOwn) {
    std::set<char> keys;
    std::set<std::string_view> tips;
    std::set<int> faces;
    for (int number = 0; number < kToolCount; ++number) {
        const auto kind = static_cast<ToolKind>(number);
        const ToolRow& row = RowOf(kind);
        SCOPED_TRACE(std::string(row.toolTip));
        EXPECT_EQ(row.kind, kind);
        EXPECT_EQ(ToolOfButton(row.ButtonId()), kind);
        EXPECT_TRUE(std::isupper(static_cast<unsigned char>(row.key)));
        EXPECT_TRUE(keys.insert(row.key).second) << "key " << row.key << " twice";
        EXPECT_FALSE(row.toolTip.empty());
        EXPECT_TRUE(tips.insert(row.toolTip).second);
        for (const int face : {row.faces.up, row.faces.pressed}) {
            EXPECT_FALSE(LoadBitmapResource(face).IsEmpty()) << "face " << face;
            EXPECT_TRUE(faces.insert(face).second) << "face " << face << " twice";
        }
        // Whatever follows the pointer or the timer starts at the press, and a timer-driven
        // tool has a release to stop its timer.
        if (row.drag != nullptr || row.release != nullptr || row.tick != nullptr) {
            EXPECT_NE(row.press, nullptr);
        }
        if (row.tick != nullptr) {
            EXPECT_NE(row.release, nullptr);
        }
        // A one-shot tool acts through its options alone.
        if (row.oneShot) {
            EXPECT_NE(row.options, OptionSet::None);
            EXPECT_EQ(row.press, nullptr);
        }
        // The options a tool shows each choose a value.
        const OptionLayout& layout = OptionLayoutOf(row.options);
        for (int option = 0; option < 4; ++option) {
            if (layout[static_cast<std::size_t>(option)].shown) {
                EXPECT_TRUE(OptionValue(row.options, option).has_value()) << "option " << option;
            }
        }
    }
    EXPECT_EQ(RowOf(ToolKind::None).press, nullptr);
    EXPECT_EQ(RowOf(static_cast<ToolKind>(kToolCount)).preview, nullptr);
    EXPECT_FALSE(ToolOfButton(kFirstToolButton - 1));
    EXPECT_FALSE(ToolOfButton(kLastToolButton + 1));
}

} // namespace
} // namespace pattik
