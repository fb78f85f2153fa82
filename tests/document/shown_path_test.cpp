// Paths in messages: a hostile or absurd path never floods a message box.
#include "document/shown_path.h"
#include "support/document/editor_fixture.h"

#include <gtest/gtest.h>

namespace pattik {
namespace {

TEST(ShownPath, KeepsShortPathsAndCutsLongOnesBetweenCharacters) {
    EXPECT_EQ(ShownPath("/home/a/셔츠.gif"), "/home/a/셔츠.gif");

    // Hangul is three bytes a character: a cut in the wrong place would split one.
    std::string hangul = "/";
    for (int i = 0; i < 1000; ++i) {
        hangul += "가";
    }
    hangul += "/셔츠.gif";
    const std::string shown = ShownPath(hangul);
    EXPECT_LE(shown.size(), kShownPathLimit);
    EXPECT_TRUE(shown.ends_with("가/셔츠.gif")) << "the file's name stays";
    const std::size_t cut = shown.find("…");
    ASSERT_NE(cut, std::string::npos);
    EXPECT_EQ(cut % 3, 1u) << "the start holds whole characters";
    EXPECT_EQ((shown.size() - cut - std::string("…").size() - std::string("/셔츠.gif").size()) % 3,
              0u)
        << "so does the end";
}

class HostilePath : public testing::CreatedEditor {};

TEST_F(HostilePath, ARefusalNamesAHugePathInAFewLines) {
    const std::string path = "/" + std::string(2'000'000, 'x') + ".gif";
    EXPECT_FALSE(document.OpenItem(path));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_LT(host.messages[0].size(), 400u);
}

} // namespace
} // namespace pattik
