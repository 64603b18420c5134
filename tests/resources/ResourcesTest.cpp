#include "resources/Resources.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

#include "platform/text/Convert.h"

namespace {

bool HasCp932Form(const char* utf8)
{
    return cp932::FromUtf8(utf8).has_value();
}

TEST(Resources, EveryNumberedResourceIsThere)
{
    for (int id : {100, 102, 132, 133, 134, 139, 143, 145, 1097})
        EXPECT_NE(res::FindDialog(id), nullptr) << id;
    EXPECT_EQ(res::AllDialogs().size(), 9u);
    EXPECT_NE(res::FindMenu(128), nullptr);
    EXPECT_NE(res::FindMenu(144), nullptr);
    EXPECT_NE(res::FindIcon(128), nullptr);
    EXPECT_NE(res::FindAnimation(129), nullptr);
    EXPECT_EQ(res::FindDialog(101), nullptr);
    EXPECT_EQ(res::FindMenu(129), nullptr);
}

TEST(Resources, EveryTextHasACodePage932Form)
{
    for (const res::DialogTemplate* dialog : res::AllDialogs()) {
        EXPECT_TRUE(HasCp932Form(dialog->caption)) << dialog->id;
        for (const res::Control& control : dialog->controls)
            EXPECT_TRUE(HasCp932Form(control.text)) << dialog->id << " " << control.text;
    }
    for (int menu : {res::kMainMenu, res::kSampleMenu})
        for (const res::MenuLine& line : res::FindMenu(menu)->lines)
            EXPECT_TRUE(HasCp932Form(line.text)) << line.text;
    for (const res::StringEntry& entry : res::StringTable())
        EXPECT_TRUE(HasCp932Form(entry.text)) << entry.id;
}

TEST(Resources, ControlsHaveDistinctNumbersAndLieInsideTheirDialog)
{
    for (const res::DialogTemplate* dialog : res::AllDialogs()) {
        std::set<int> ids;
        for (const res::Control& control : dialog->controls) {
            if (control.id != res::kNoId) {
                EXPECT_TRUE(ids.insert(control.id).second) << dialog->id << " repeats " << control.id;
            }
            EXPECT_GE(control.x, 0);
            EXPECT_GE(control.y, 0);
            EXPECT_LE(control.x + control.cx, dialog->cx) << dialog->id << " " << control.id;
            EXPECT_LE(control.y + control.cy, dialog->cy) << dialog->id << " " << control.id;
        }
    }
}

TEST(Resources, EveryDialogUsesTheNinePointDialogFont)
{
    for (const res::DialogTemplate* dialog : res::AllDialogs()) {
        EXPECT_EQ(std::string(dialog->fontFace), "ＭＳ Ｐゴシック") << dialog->id;
        EXPECT_EQ(dialog->fontPoints, 9) << dialog->id;
    }
}

TEST(Resources, MenusCloseEveryPopupAndNumberEachItemOnce)
{
    for (int id : {res::kMainMenu, res::kSampleMenu}) {
        int depth = 0;
        std::set<int> items;
        for (const res::MenuLine& line : res::FindMenu(id)->lines) {
            if (line.entry == res::MenuEntry::Popup)
                ++depth;
            if (line.entry == res::MenuEntry::End)
                --depth;
            if (line.entry == res::MenuEntry::Item) {
                EXPECT_TRUE(items.insert(line.id).second) << line.id;
            }
            ASSERT_GE(depth, 0);
            if (line.entry == res::MenuEntry::Item || line.entry == res::MenuEntry::Separator) {
                ASSERT_GT(depth, 0);
            }
        }
        EXPECT_EQ(depth, 0) << id;
    }
}

TEST(StringTable, ThePunctuationTooltipHoldsTheThirtyCharactersOfItsKeywordInOrder)
{
    const unsigned char codes[] = {0x21, 0x22, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x2A,
                                   0x2B, 0x3C, 0x2D, 0x2E, 0x2F, 0x3A, 0x3B, 0x3C, 0x3D, 0x3E,
                                   0x3F, 0x40, 0x5B, 0x5E, 0x5F, 0x60, 0x7B, 0x7C, 0x7D, 0x7E};
    const std::string expected(std::begin(codes), std::end(codes));
    ASSERT_TRUE(res::FindString(1093));
    EXPECT_EQ(std::string(*res::FindString(1093)), expected);
    EXPECT_EQ(expected.size(), 30u);
}

TEST(StringTable, EveryEntryDescribesAControlOfTheMainWindowOrTheConditionEditor)
{
    std::set<int> ids;
    for (const res::StringEntry& entry : res::StringTable()) {
        EXPECT_TRUE(ids.insert(entry.id).second) << entry.id;
        bool found = false;
        for (int dialog : {res::kMainDialog, res::kConditionEditor})
            for (const res::Control& control : res::FindDialog(dialog)->controls)
                found |= control.id == entry.id;
        EXPECT_TRUE(found) << entry.id;
    }
    EXPECT_EQ(res::FindString(1026), std::optional<std::string_view>("カンマで区切って複数指定、ワイルドカード可"));
    EXPECT_EQ(res::FindString(1002), std::nullopt);
}

void ExpectWellFormed(const res::PixelArt& art)
{
    ASSERT_EQ(art.rows.size(), static_cast<std::size_t>(art.height));
    for (const char* row : art.rows) {
        const std::string text(row);
        EXPECT_EQ(text.size(), static_cast<std::size_t>(art.width)) << text;
        for (char c : text) {
            bool known = c == ' ';
            for (const res::PaletteEntry& entry : art.palette)
                known |= entry.key == c;
            EXPECT_TRUE(known) << c;
        }
    }
}

TEST(Pictures, TheIconAndTheAnimationAreWellFormed)
{
    ExpectWellFormed(*res::FindIcon(res::kAppIcon));
    const res::Animation& animation = *res::FindAnimation(res::kProgressAnimation);
    ExpectWellFormed(animation.background);
    ExpectWellFormed(animation.sprite);
    EXPECT_EQ(animation.frames.size(), 8u);
    EXPECT_EQ(animation.frameMs, 200);
    EXPECT_EQ(animation.width, 48);
    EXPECT_EQ(animation.height, 45);
    for (const res::SpritePosition& at : animation.frames) {
        EXPECT_LE(at.x + animation.sprite.width, animation.width);
        EXPECT_LE(at.y + animation.sprite.height, animation.height);
    }
}

}  // namespace
