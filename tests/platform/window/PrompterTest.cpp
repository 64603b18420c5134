#include "platform/window/WindowPrompter.h"

#include <unistd.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "tests/platform/window/support/ScriptedPrompter.h"

namespace {

namespace fs = std::filesystem;

TEST(Prompter, AScopedPrompterIsCurrentForItsLifetimeOnly)
{
    platform::WindowPrompter& before = platform::CurrentPrompter();
    testing_support::ScriptedPrompter outer, inner;
    {
        platform::ScopedPrompter useOuter(outer);
        {
            platform::ScopedPrompter useInner(inner);
            EXPECT_EQ(&platform::CurrentPrompter(), &inner);
        }
        EXPECT_EQ(&platform::CurrentPrompter(), &outer);
    }
    EXPECT_EQ(&platform::CurrentPrompter(), &before);
}

TEST(Prompter, TheCurrentDirectoryIsTheSameAfterAFileDialogWhateverItsOutcome)
{
    const fs::path start = fs::current_path();
    const fs::path elsewhere = fs::temp_directory_path();
    testing_support::ScriptedPrompter prompter;
    platform::ScopedPrompter scoped(prompter);
    // The dialog moves the process while it is open, as the system's dialogs may.
    prompter.whileFileDialogOpen = [&] { fs::current_path(elsewhere); };
    prompter.files = {std::string("/tmp/chosen.txt"), std::nullopt};

    const platform::FileDialogRequest request{platform::FileDialogKind::Save, "title", "a|*.a||", "/tmp",
                                              platform::PathMustExist | platform::AskOverwrite};
    EXPECT_EQ(platform::BrowseForFile(nullptr, request), std::optional<std::string>("/tmp/chosen.txt"));
    EXPECT_EQ(fs::current_path(), start);
    EXPECT_EQ(platform::BrowseForFile(nullptr, request), std::nullopt);
    EXPECT_EQ(fs::current_path(), start);
    ASSERT_EQ(prompter.fileRequests.size(), 2u);
    EXPECT_EQ(prompter.fileRequests[0].options, platform::PathMustExist | platform::AskOverwrite);
}

}  // namespace
