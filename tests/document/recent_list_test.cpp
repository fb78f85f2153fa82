// The recent-file list's rule.
#include "document/recent_list.h"

#include <gtest/gtest.h>

namespace pattik {
namespace {

using List = std::vector<std::string>;

TEST(RecentList, PutsThePathFirstOnceAndKeepsTheFourNewest) {
    List list = WithRecentPath({}, "a");
    list = WithRecentPath(list, "b");
    list = WithRecentPath(list, "c");
    EXPECT_EQ(WithRecentPath(list, "a"), (List{"a", "c", "b"})) << "moved up, not repeated";
    list = WithRecentPath(WithRecentPath(list, "d"), "e");
    EXPECT_EQ(list, (List{"e", "d", "c", "b"})) << "the oldest fell off";
    EXPECT_EQ(WithRecentPath(list, ""), list);
}

} // namespace
} // namespace pattik
