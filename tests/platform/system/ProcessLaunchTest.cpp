#include "platform/system/ProcessLaunch.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <thread>

namespace fs = std::filesystem;
using platform::ParseCommandLine;
using platform::ParsedCommandLine;

namespace {

// A temporary folder with executable scripts that write their arguments, one a line.
class ProcessLaunch : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() / ("lodestrel-launch-" + std::to_string(getpid()) + "-" +
                                             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir / "My Tools");
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string MakeRecorder(const fs::path& path)
    {
        std::ofstream(path) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" << Output().string() << ".tmp\"\n"
                            << "mv \"" << Output().string() << ".tmp\" \"" << Output().string() << "\"\n";
        fs::permissions(path, fs::perms::owner_all);
        return path.string();
    }
    fs::path Output() const { return m_dir / "args.txt"; }
    std::string WaitForOutput() const
    {
        for (int i = 0; i < 500 && !fs::exists(Output()); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::ifstream in(Output());
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path m_dir;
};

}  // namespace

TEST_F(ProcessLaunch, CompanionLineStartsProgramWithTheQuotedPathAsOneArgument)
{
    const std::string program = MakeRecorder(m_dir / "view");
    ASSERT_EQ(platform::StartDetached(program + " \"/data/out dir/hits.txt\""), 0);
    EXPECT_EQ(WaitForOutput(), "/data/out dir/hits.txt\n");
}

TEST_F(ProcessLaunch, ProgramPathWithBlanksIsResolvedByTheShortestExecutablePrefix)
{
    const std::string program = MakeRecorder(m_dir / "My Tools" / "view");
    ParsedCommandLine parsed;
    ASSERT_EQ(ParseCommandLine(program + " \"a.txt\"", parsed), 0);
    EXPECT_EQ(parsed.program, program);
    EXPECT_EQ(parsed.args, std::vector<std::string>{"a.txt"});

    // When a shorter prefix is an executable file too, Windows takes it: so do we.
    const std::string shorter = MakeRecorder(m_dir / "My");
    ASSERT_EQ(ParseCommandLine(program + " \"a.txt\"", parsed), 0);
    EXPECT_EQ(parsed.program, shorter);
}

TEST_F(ProcessLaunch, FileNamesAreNeverInterpretedByAShell)
{
    const std::string program = MakeRecorder(m_dir / "view");
    const std::string hostile = "x\"; touch " + (m_dir / "pwned").string() + "; echo \"$(id)`id`.txt";
    ASSERT_EQ(platform::StartDetached(program + " \"" + hostile + "\""), 0);
    EXPECT_EQ(WaitForOutput(), hostile + "\n");
    EXPECT_FALSE(fs::exists(m_dir / "pwned"));
}

TEST(ProcessLaunchParsing, SplitsProgramAndArguments)
{
    struct Case {
        const char* line;
        std::vector<std::string> args;
    };
    const Case cases[] = {
        {"sh", {}},
        {"sh \"a b\"", {"a b"}},
        {"\"sh\" \"a b\"", {"a b"}},
        {"sh a b", {"a", "b"}},
        {"sh a \"b c\" d", {"a", "b c", "d"}},
        {"sh \"\"", {""}},
        {"  sh   x", {"x"}},
    };
    for (const Case& c : cases) {
        ParsedCommandLine parsed;
        ASSERT_EQ(ParseCommandLine(c.line, parsed), 0) << c.line;
        EXPECT_EQ(fs::path(parsed.program).filename(), "sh") << c.line;
        EXPECT_EQ(parsed.args, c.args) << c.line;
    }
}

TEST(ProcessLaunchParsing, CodePage932PathsAreConvertedToUtf8)
{
    ParsedCommandLine parsed;
    // "sh" and a quoted file name holding 表 (0x95 0x5C, whose second byte is a backslash).
    ASSERT_EQ(ParseCommandLine("sh \"\x95\x5C.txt\"", parsed), 0);
    EXPECT_EQ(parsed.args, std::vector<std::string>{"\xE8\xA1\xA8.txt"});
}

TEST(ProcessLaunchParsing, MissingProgramsAndUnconvertibleLinesAreErrors)
{
    ParsedCommandLine parsed;
    EXPECT_EQ(ParseCommandLine("/nonexistent/viewer \"a.txt\"", parsed), ENOENT);
    EXPECT_EQ(ParseCommandLine("no-such-program-anywhere \"a.txt\"", parsed), ENOENT);
    EXPECT_EQ(ParseCommandLine("", parsed), ENOENT);
    EXPECT_EQ(ParseCommandLine("/tmp", parsed), ENOENT);  // a directory is no program
    EXPECT_EQ(ParseCommandLine("sh \"\x85\x40\"", parsed), EILSEQ);
    EXPECT_EQ(platform::StartDetached("/nonexistent/viewer \"a.txt\""), ENOENT);
}
