// The list of files of a directory run.

#include "engine/DirectoryWalk.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "RecordingPrompter.h"
#include "Sjis.h"
#include "TempTree.h"
#include "engine/Messages.h"

namespace fs = std::filesystem;

namespace {

class Walk : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(tree.Valid()); }
    std::vector<std::string> Collect(std::string_view pattern, Recursion recursion)
    {
        walk = DirectoryWalk{};
        const int count = CollectFiles(tree.Path("top"), pattern, recursion, walk, prompter);
        EXPECT_EQ(count, static_cast<int>(walk.files.size()));
        return walk.files;
    }
    std::string File(const std::string& name) { return tree.Write("top/" + name, "x\n"); }

    TempTree tree;
    DirectoryWalk walk;
    RecordingPrompter prompter;
};

TEST_F(Walk, ListsOwnFilesFirstThenEachSubdirectoryInNameOrder)
{
    const std::string b = File("b.txt");
    const std::string a = File("a.TXT");
    const std::string y = File("y/1.txt");
    const std::string x = File("X/1.txt");
    const std::string xx = File("X/in/2.txt");
    EXPECT_EQ(Collect("*.txt", Recursion::IntoSubdirectories), (std::vector<std::string>{a, b, x, xx, y}));
    EXPECT_EQ(walk.directoryCount, 3);
}

TEST_F(Walk, WithoutRecursionSubdirectoriesAreNeitherListedNorCounted)
{
    const std::string a = File("a.txt");
    File("sub/b.txt");
    EXPECT_EQ(Collect("*", Recursion::ThisDirectoryOnly), std::vector<std::string>{a});
    EXPECT_EQ(walk.directoryCount, 0);
}

TEST_F(Walk, FoldersNamedLikeDataFilesAreNeverListed)
{
    tree.MakeFolder("top/data.csv");
    const std::string inside = File("data.csv/inner.csv");
    EXPECT_EQ(Collect("*.csv", Recursion::IntoSubdirectories), std::vector<std::string>{inside});
}

TEST_F(Walk, ACommaIsAnOrdinaryCharacterOfThePattern)
{
    File("a.txt");
    File("b.txt");
    const std::string both = File("a,b.txt");
    EXPECT_EQ(Collect("a,b.txt", Recursion::ThisDirectoryOnly), std::vector<std::string>{both});
    EXPECT_EQ(Collect("a.txt,b.txt", Recursion::ThisDirectoryOnly), std::vector<std::string>{});
}

TEST_F(Walk, LinksToFilesAreListedAndLinksToFoldersNotFollowed)
{
    const std::string a = File("a.txt");
    fs::create_symlink(a, tree.Path("top/b.txt"));
    fs::create_directory_symlink(tree.Path("top"), tree.Path("top/cycle"));
    EXPECT_EQ(Collect("*", Recursion::IntoSubdirectories), (std::vector<std::string>{a, tree.Path("top/b.txt")}));
    EXPECT_EQ(walk.directoryCount, 0);
}

TEST_F(Walk, AMissingFolderGivesNoFilesAndNoMessage)
{
    EXPECT_EQ(Collect("*", Recursion::IntoSubdirectories), std::vector<std::string>{});
    EXPECT_TRUE(prompter.prompts.empty());
}

TEST_F(Walk, PathsAreAbsoluteWithOneSlashBetweenParts)
{
    const std::string a = File("a.txt");
    const fs::path previous = fs::current_path();
    fs::current_path(tree.Root());
    walk = DirectoryWalk{};
    CollectFiles("./top/", "*", Recursion::ThisDirectoryOnly, walk, prompter);
    fs::current_path(previous);
    EXPECT_EQ(walk.files, std::vector<std::string>{a});
}

TEST_F(Walk, BeyondTheLimitTheMessageComesOnceAndLaterFoldersAreLeftOut)
{
    const std::string top = File("top.txt");
    const std::string d1 = File("d1/f.txt");
    File("d1/e1/f.txt");
    const std::string d2 = File("d2/f.txt");
    File("d3/f.txt");
    File("d4/f.txt");
    walk = DirectoryWalk{};
    walk.limit = 2;
    CollectFiles(tree.Path("top"), "*", Recursion::IntoSubdirectories, walk, prompter);
    EXPECT_EQ(walk.files, (std::vector<std::string>{top, d1, d2}));
    // d1, d2 and d3 in the top folder (the walk of the top folder stops at d3), then e1.
    EXPECT_EQ(walk.directoryCount, 4);
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, Sjis("検索ディレクトリ数が、2 を超えました。これ以上の検索を中止します。"));
    EXPECT_EQ(prompter.prompts[0].icon, platform::MessageIcon::Stop);
}

TEST(WalkLimit, IsThirtyTwoThousandSevenHundredSixtySevenFolders)
{
    EXPECT_EQ(DirectoryWalk{}.limit, 32767);
    EXPECT_EQ(msg::DirectoryLimit(DirectoryWalk{}.limit),
              Sjis("検索ディレクトリ数が、32767 を超えました。これ以上の検索を中止します。"));
}

struct AbsoluteCase {
    const char* path;
    const char* absolute;
};

void PrintTo(const AbsoluteCase& c, std::ostream* out) { *out << c.path; }

class AbsolutePaths : public ::testing::TestWithParam<AbsoluteCase> {};

TEST_P(AbsolutePaths, ResolveDotsAndRepeatedSlashesByTextAlone)
{
    EXPECT_EQ(AbsolutePath(GetParam().path), GetParam().absolute);
}

INSTANTIATE_TEST_SUITE_P(Cases, AbsolutePaths,
                         ::testing::Values(AbsoluteCase{"/a/b", "/a/b"}, AbsoluteCase{"/a//b/", "/a/b"},
                                           AbsoluteCase{"/a/./b/../c", "/a/c"}, AbsoluteCase{"/..", "/"},
                                           AbsoluteCase{"/", "/"}));

TEST(AbsolutePath, ARelativePathStartsFromTheCurrentFolder)
{
    const std::string current = fs::current_path().string();
    EXPECT_EQ(AbsolutePath("x/./y"), (current == "/" ? "" : current) + "/x/y");
}

}  // namespace
