#include <gtest/gtest.h>

#include "recentfiles.h"

namespace vorn {
namespace {

using List = std::vector<std::string>;

TEST(RecentFiles, NewestFirstEachOnceAtMostEight) {
    const struct {
        List before;
        const char* name;
        List after;
    } cases[] = {
        {{}, "a", {"a"}},
        {{"a", "b", "c"}, "c", {"c", "a", "b"}},
        {{"a", "b"}, "", {"a", "b"}},
        {{"1", "2", "3", "4", "5", "6", "7", "8"}, "9", {"9", "1", "2", "3", "4", "5", "6", "7"}},
        {{"1", "2", "3", "4", "5", "6", "7", "8"}, "8", {"8", "1", "2", "3", "4", "5", "6", "7"}},
    };
    for (const auto& c : cases) {
        List list = c.before;
        NoteRecentFile(list, c.name);
        EXPECT_EQ(list, c.after) << c.name;
    }
    List stored{"a", "", "b", "a", "c", "d", "e", "f", "g", "h", "i"};  // a hand-edited settings file
    TidyRecentFiles(stored);
    EXPECT_EQ(stored, (List{"a", "b", "c", "d", "e", "f", "g", "h"}));
}

TEST(RecentFiles, CaptionsNumberTheMnemonicAndShowAmpersands) {
    EXPECT_EQ(RecentFileCaption(0, "/home/a.vfl"), "&1 /home/a.vfl");
    EXPECT_EQ(RecentFileCaption(7, "/R&D/&x.vfl"), "&8 /R&&D/&&x.vfl");
}

}  // namespace
}  // namespace vorn
