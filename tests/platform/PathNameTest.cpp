#include "platform/PathName.h"

#include <gtest/gtest.h>

namespace {

TEST(PathName, RelativePathsBecomeAbsoluteAndEveryPathClean) {
    const std::pair<const char*, const char*> cases[] = {
        {"My list.kvu", "/home/me/Lists/My list.kvu"},
        {"./My list.kvu", "/home/me/Lists/My list.kvu"},
        {"../Other/a.kvu", "/home/me/Other/a.kvu"},
        {"sub//deep/./../b.kvu", "/home/me/Lists/sub/b.kvu"},
        {"/tmp/x.kvu", "/tmp/x.kvu"},
        {"//tmp///x.kvu/", "/tmp/x.kvu"},
        {"/../../x.kvu", "/x.kvu"}, // nothing above the root
        {"../../../../..", "/"},
        {"", "/home/me/Lists"},
        {".hidden.kvu", "/home/me/Lists/.hidden.kvu"},
        {"...kvu", "/home/me/Lists/...kvu"},
    };
    for (const auto& [path, absolute] : cases)
        EXPECT_EQ(AbsolutePath(path, "/home/me/Lists"), absolute) << path;
    EXPECT_EQ(AbsolutePath("x.kvu", "/home/me/Lists/"), "/home/me/Lists/x.kvu");
}

// The folder and the name put back together are the path, whatever it holds.
TEST(PathName, FolderAndNameMakeThePath) {
    const std::pair<std::string, std::string> cases[] = {
        {"/home/me/a.kvu", "a.kvu"}, {"a.kvu", "a.kvu"}, {"/a.kvu", "a.kvu"}, {"dir/", ""}, {"", ""}, {"a/b/c", "c"}};
    for (const auto& [path, name] : cases) {
        EXPECT_EQ(FileNamePart(path), name) << path;
        EXPECT_EQ(FolderPart(path) + FileNamePart(path), path) << path;
    }
}

} // namespace
