#include "platform/window/FileFilter.h"

#include <gtest/gtest.h>

#include "tests/platform/window/support/ScriptedPrompter.h"

namespace {

using testing_support::Cp932;

TEST(FileFilter, SplitsTextAndPatternPairsUpToTheDoubleBar)
{
    const auto filters = platform::ParseFileFilter(
        Cp932("ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.dat)|*.txt;*.csv;*.dat|全てのﾌｧｲﾙ(*.*)|*.*||"));
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[0].text, QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.dat)"));
    EXPECT_EQ(filters[0].patterns, (QStringList{"*.txt", "*.csv", "*.dat"}));
    EXPECT_EQ(filters[1].text, QStringLiteral("全てのﾌｧｲﾙ(*.*)"));
    EXPECT_EQ(filters[1].patterns, QStringList{"*"});
}

TEST(FileFilter, BecomesQtNameFiltersWithSpaceSeparatedPatterns)
{
    const auto names = platform::QtNameFilters(platform::ParseFileFilter(Cp932("実行ﾌｧｲﾙ(*.exe)|*.exe|全てのﾌｧｲﾙ(*.*)|*.*||")));
    EXPECT_EQ(names, (QStringList{QStringLiteral("実行ﾌｧｲﾙ(*.exe) (*.exe)"), QStringLiteral("全てのﾌｧｲﾙ(*.*) (*)")}));
}

TEST(FileFilter, AnEmptyFilterHasNoEntries)
{
    EXPECT_TRUE(platform::ParseFileFilter("").empty());
    EXPECT_TRUE(platform::ParseFileFilter("||").empty());
}

}  // namespace
