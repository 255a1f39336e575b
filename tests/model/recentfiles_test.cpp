#include <gtest/gtest.h>

#include "recentfiles.h"

namespace vorn {
namespace {

using List = std::vector<std::string>;

TEST(RecentFiles, NewestFirstEachOnceAtMostEight) {
    const List eight{"1", "2", "3", "4", "5", "6", "7", "8"};
    const std::tuple<List, const char*, List> cases[] = {{{"a", "b", "c"}, "c", {"c", "a", "b"}},
                                                         {{"a", "b"}, "", {"a", "b"}},
                                                         {eight, "9", {"9", "1", "2", "3", "4", "5", "6", "7"}},
                                                         {eight, "8", {"8", "1", "2", "3", "4", "5", "6", "7"}}};
    for (auto [list, name, after] : cases) {
        NoteRecentFile(list, name);
        EXPECT_EQ(list, after) << name;
    }
    List stored{"a", "", "b", "a", "c", "d", "e", "f", "g", "h", "i"};  // a hand-edited settings file
    TidyRecentFiles(stored);
    EXPECT_EQ(stored, (List{"a", "b", "c", "d", "e", "f", "g", "h"}));
    EXPECT_EQ(RecentFileCaption(7, "/R&D/&x.vfl"), "&8 /R&&D/&&x.vfl");
}

}  // namespace
}  // namespace vorn
