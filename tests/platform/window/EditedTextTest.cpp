#include "platform/window/EditedText.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    std::string original;  // code page 932 the control was set from
    QString edited;        // what it holds when read back
    std::optional<std::string> expected;
};

QString Shown(const std::string& bytes)
{
    return platform::ShownText(bytes);
}

TEST(EditedBytes, KeepTheOriginalBytesOfWhatTheUserLeftAlone)
{
    const std::string sjis = "\x83\x65\x83\x58\x83\x67";  // テスト
    const std::string nec = "\xED\x40";                   // 纊, also at FA5C
    const std::string broken = "ab\x80" "cd";             // 0x80 is no character
    const Case cases[] = {
        {"unchanged text", sjis, Shown(sjis), sjis},
        {"unchanged undecodable byte", broken, Shown(broken), broken},
        {"appended after an undecodable byte", broken, Shown(broken) + u'e', broken + "e"},
        {"prepended before a duplicate code", nec, u'x' + Shown(nec), "x" + nec},
        {"a character replaced in the middle", sjis, QStringLiteral("テキト"), "\x83\x65\x83\x4C\x83\x67"},
        {"everything deleted", sjis, QString(), std::string()},
        {"typed into an empty control", std::string(), QStringLiteral("検索"), "\x8C\x9F\x8D\xF5"},
        {"the undecodable byte deleted", broken, QStringLiteral("abcd"), "abcd"},
        {"a repeated character removed", "aaa", QStringLiteral("aa"), "aa"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::EditedBytes(c.original, c.edited), c.expected) << c.name;
}

TEST(EditedBytes, RefuseTypedTextWithoutACodePage932Form)
{
    EXPECT_EQ(platform::EditedBytes("abc", QStringLiteral("ab😀c")), std::nullopt);
    EXPECT_EQ(platform::EditedBytes("", QString(QChar::ReplacementCharacter)), std::nullopt);
    // A U+FFFD the user copied next to the program's own one is not the program's.
    const std::string broken = "a\x80";
    EXPECT_EQ(platform::EditedBytes(broken, Shown(broken) + QChar::ReplacementCharacter), std::nullopt);
}

TEST(ShownText, ShowsEachUndecodableCharacterAsOneReplacementCharacter)
{
    EXPECT_EQ(platform::ShownText("a\x80" "b\x81\x20" "c"), QStringLiteral("a\uFFFDb\uFFFDc"));
    EXPECT_EQ(platform::ShownText("\x82\xA0"), QStringLiteral("あ"));
}

}  // namespace
