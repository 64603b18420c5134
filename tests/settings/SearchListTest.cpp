#include "settings/SearchList.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CSearchInf> Condition(const std::string& SearchString, int SkipUse = 0)
{
    auto condition = std::make_unique<CSearchInf>();
    condition->SearchString = SearchString;
    condition->SkipUse = SkipUse;
    return condition;
}

std::vector<std::string> Strings(const SearchList& list)
{
    std::vector<std::string> strings;
    for (int i = 0; i < list.Count(); ++i)
        strings.push_back(list.At(i).SearchString);
    return strings;
}

}  // namespace

TEST(SearchList, AppendKeepsTheOrderAndAcceptsDuplicates)
{
    SearchList list;
    EXPECT_EQ(list.Append(Condition("b")), SearchList::AddResult::Added);
    EXPECT_EQ(list.Append(Condition("a")), SearchList::AddResult::Added);
    EXPECT_EQ(list.Append(Condition("b")), SearchList::AddResult::Added);
    EXPECT_EQ(Strings(list), (std::vector<std::string>{"b", "a", "b"}));
}

TEST(SearchList, AddUniqueKeepsTheFirstOfTwoEqualSearchStrings)
{
    SearchList list;
    EXPECT_EQ(list.AddUnique(Condition("abc", 0)), SearchList::AddResult::Added);
    // Only the search string counts: other flags do not make it different.
    EXPECT_EQ(list.AddUnique(Condition("abc", 1)), SearchList::AddResult::Duplicate);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.At(0).SkipUse, 0);
}

TEST(SearchList, AddUniqueComparesBytesCaseSensitivelyAndWholeCharacters)
{
    SearchList list;
    list.AddUnique(Condition("abc"));
    EXPECT_EQ(list.AddUnique(Condition("ABC")), SearchList::AddResult::Added);
    // ＡＢ (0x8260 0x8261) and its first character alone are different strings.
    list.AddUnique(Condition("\x82\x60\x82\x61"));
    EXPECT_EQ(list.AddUnique(Condition("\x82\x60")), SearchList::AddResult::Added);
    EXPECT_EQ(list.AddUnique(Condition("\x82\x60\x82\x61")), SearchList::AddResult::Duplicate);
    EXPECT_EQ(list.Count(), 4);
}

TEST(SearchList, HoldsAtMostAThousandConditions)
{
    SearchList list;
    for (int i = 0; i < SearchList::MaxCount; ++i)
        ASSERT_EQ(list.Append(Condition(std::to_string(i))), SearchList::AddResult::Added);
    EXPECT_EQ(list.Append(Condition("one more")), SearchList::AddResult::ListFull);
    EXPECT_EQ(list.AddUnique(Condition("one more")), SearchList::AddResult::ListFull);
    EXPECT_EQ(list.Count(), 1000);
    EXPECT_EQ(list.At(999).SearchString, "999");
}

TEST(SearchList, RemoveAtDeletesOnlyThatPosition)
{
    SearchList list;
    for (const char* s : {"a", "b", "c"})
        list.Append(Condition(s));
    EXPECT_TRUE(list.RemoveAt(1));
    EXPECT_EQ(Strings(list), (std::vector<std::string>{"a", "c"}));
    EXPECT_FALSE(list.RemoveAt(2));
    EXPECT_FALSE(list.RemoveAt(-1));
    EXPECT_EQ(list.Count(), 2);
}

TEST(SearchList, AConditionKeepsItsAddressWhileOthersAreAddedAndRemoved)
{
    SearchList list;
    list.Append(Condition("a"));
    list.Append(Condition("b"));
    const CSearchInf* second = &list.At(1);
    for (int i = 0; i < 100; ++i)
        list.Append(Condition("x"));
    list.RemoveAt(0);
    EXPECT_EQ(&list.At(0), second);
}

TEST(SearchList, DeleteAllEmptiesTheListAndItCanBeFilledAgain)
{
    SearchList list;
    for (const char* s : {"a", "b", "c"})
        list.Append(Condition(s));
    list.DeleteAll();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.AddUnique(Condition("a")), SearchList::AddResult::Added);
    EXPECT_EQ(list.Count(), 1);
}
