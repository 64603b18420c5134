// The companion command line and its launch.

#include "engine/CommandLaunch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "RecordingPrompter.h"
#include "Sjis.h"
#include "TempTree.h"

namespace fs = std::filesystem;

namespace {

TEST(CompanionCommandLine, IsTheProgramAsStoredABlankAndTheQuotedFile)
{
    EXPECT_EQ(CompanionCommandLine("C:\\Tools\\view.exe", "D:\\out\\hits.txt"),
              "C:\\Tools\\view.exe \"D:\\out\\hits.txt\"");
    EXPECT_EQ(CompanionCommandLine("/opt/my tools/view", "/data/a b.txt"), "/opt/my tools/view \"/data/a b.txt\"");
}

TEST(LaunchCommand, StartsTheProgramWithTheFileAsItsOneArgumentAndSaysNothing)
{
    TempTree tree;
    ASSERT_TRUE(tree.Valid());
    const std::string program = tree.Path("my viewer");
    std::ofstream(program) << "#!/bin/sh\nprintf '%s|%s\\n' \"$#\" \"$1\" > \"" << tree.Path("tmp") << "\"\nmv \""
                           << tree.Path("tmp") << "\" \"" << tree.Path("args") << "\"\n";
    fs::permissions(program, fs::perms::owner_all);
    RecordingPrompter prompter;
    const std::string hostile = "a $(touch " + tree.Path("pwned") + "); b.txt";
    EXPECT_EQ(LaunchCommand(CompanionCommandLine(program, hostile), prompter), 0);
    for (int i = 0; i < 500 && !fs::exists(tree.Path("args")); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(TempTree::Read(tree.Path("args")), "1|" + hostile + "\n");
    EXPECT_FALSE(fs::exists(tree.Path("pwned")));
    EXPECT_TRUE(prompter.prompts.empty());
}

TEST(LaunchCommand, AMissingProgramIsToldWithTheCommandLineAndTheSystemsCode)
{
    RecordingPrompter prompter;
    const std::string line = CompanionCommandLine("/nonexistent/viewer", "a.txt");
    EXPECT_EQ(LaunchCommand(line, prompter), 1);
    ASSERT_EQ(prompter.prompts.size(), 1u);
    EXPECT_EQ(prompter.prompts[0].text, Sjis("/nonexistent/viewer \"a.txt\"は起動できませんでした。(2)"));
    EXPECT_EQ(prompter.prompts[0].icon, platform::MessageIcon::Stop);
    EXPECT_EQ(prompter.prompts[0].buttons, platform::MessageButtons::Ok);
}

}  // namespace
