#pragma once
// The fixture of the end-to-end tests: a temporary folder that is the
// program's working directory and its configuration home (so that no test
// reads or writes the user's stored job), files written into it in code page
// 932, and runs of the program in it.

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "tests/app/CliProcess.h"
#include "tests/engine/Sjis.h"
#include "tests/platform/files/TempDir.h"

namespace clitest {

class CliTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.Valid()); }

    // Writes bytes as they are into name (relative to the folder); returns the full path.
    std::string WriteBytes(std::string_view name, std::string_view bytes) const { return m_dir.Write(name, bytes); }
    // Writes UTF-8 text converted to code page 932.
    std::string WriteText(std::string_view name, std::string_view utf8) const { return m_dir.Write(name, Sjis(utf8)); }
    std::string Read(std::string_view name) const { return platform::testing::ReadAll(Path(name)); }
    std::string Path(std::string_view name) const { return m_dir / name; }

    CliResult Run(std::vector<std::string> args, std::vector<std::string> environment = {}) const
    {
        environment.push_back("XDG_CONFIG_HOME=" + Path("config"));
        environment.push_back("HOME=" + Path("home"));
        return RunCli(CliLaunch{std::move(args), Path(""), std::move(environment)});
    }

    platform::testing::TempDir m_dir;
};

// Parameterised cases carry a name (an identifier) that names the test and
// stands for the case when it is printed.
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const
    {
        return info.param.name;
    }
};

// In the unnamed namespace, where each test file keeps its case structs, so
// that argument-dependent lookup finds it.
namespace {
template <typename Case>
    requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}
}  // namespace

// Lines joined with CR LF after each, as the result file holds them; text is UTF-8.
inline std::string CrLfLines(std::initializer_list<std::string_view> lines)
{
    std::string joined;
    for (std::string_view line : lines)
        joined += Sjis(line) + "\r\n";
    return joined;
}

// The summary as the program prints it (UTF-8) for files, hits, result name and
// skips, without its last line, the start and end times.
inline std::string SummaryText(int files, int hits, std::string_view result, int skips)
{
    return std::to_string(files) + " ファイルのロデストレルが終了しました。\n " + std::to_string(hits) +
           " 件のデータを" + std::string(result) + "に出力しました。\n " + std::to_string(skips) +
           " 件のデータをスキップしました。\n";
}

// output without its last line when that line is the summary's "HH:MM:SS->HH:MM:SS";
// otherwise output unchanged with a marker, so that a comparison shows the fault.
inline std::string WithoutTimes(const std::string& output)
{
    static const std::regex times(R"(\d\d:\d\d:\d\d->\d\d:\d\d:\d\d\n$)");
    std::smatch found;
    if (!std::regex_search(output, found, times))
        return output + "(no time line)";
    return output.substr(0, static_cast<std::size_t>(found.position(0)));
}

}  // namespace clitest
