// The keyword texts and captions as code page 932 bytes (a test checks each
// against its Japanese spelling).

#include "engine/Keywords.h"

#include <algorithm>

const std::array<SpecialKeyword, 19> SpecialKeywords = {{
    {"#\x90\x94\x8E\x9A#", "\x90\x94\x8E\x9A", ClassBit::HalfDigit},  // #数字# 数字
    {"#\x89\x70\x8E\x9A#", "\x89\x70\x8E\x9A", ClassBit::HalfAlpha},  // #英字# 英字
    {"#\x8B\xE6\x90\xD8#", "\x8B\xE6\x90\xD8", ClassBit::HalfPunct},  // #区切# 区切
    {"#\x83\x4A\x83\x69#", "\x83\x4A\x83\x69", ClassBit::HalfKana},  // #カナ# カナ
    {"#\x90\xA7\x8C\xE4#", "\x90\xA7\x8C\xE4", ClassBit::HalfControl},  // #制御# 制御
    {"@\x8B\x4C\x8D\x86\x82\x50@", "\x8B\x4C\x8D\x86\x31", ClassBit::Symbol1},  // @記号１@ 記号1
    {"@\x8B\x4C\x8D\x86\x82\x51@", "\x8B\x4C\x8D\x86\x32", ClassBit::Symbol2},  // @記号２@ 記号2
    {"@\x89\x70\x90\x94\x8E\x9A@", "\x89\x70\x90\x94\x8E\x9A", ClassBit::FullAlnum},  // @英数字@ 英数字
    {"@\x82\xD0\x82\xE7@", "\x82\xD0\x82\xE7", ClassBit::Hiragana},  // @ひら@ ひら
    {"@\x83\x4A\x83\x69@", "\x83\x4A\x83\x69", ClassBit::Katakana},  // @カナ@ カナ
    {"@\x83\x4D\x83\x8A\x83\x56\x83\x83@", "\xB7\xDE\xD8\xBC\xAC", ClassBit::Greek},  // @ギリシャ@ ｷﾞﾘｼｬ
    {"@\x83\x8D\x83\x56\x83\x41@", "\xDB\xBC\xB1", ClassBit::Cyrillic},  // @ロシア@ ﾛｼｱ
    {"@\x93\xC1\x8E\xEA@", "\x93\xC1\x8E\xEA", ClassBit::Special},  // @特殊@ 特殊
    {"@\x91\xE6\x82\x50\x90\x85\x8F\x80@", "\x91\xE6\x31\x8A\xBF", ClassBit::Kanji1},  // @第１水準@ 第1漢
    {"@\x91\xE6\x82\x51\x90\x85\x8F\x80@", "\x91\xE6\x32\x8A\xBF", ClassBit::Kanji2},  // @第２水準@ 第2漢
    {"@\x8A\x4F\x8E\x9A@", "\x8A\x4F\x8E\x9A", ClassBit::UserDefined},  // @外字@ 外字
    {"@\x8A\x67\x92\xA3@", "\x8A\x67\x92\xA3", ClassBit::Extended},  // @拡張@ 拡張
    {"@\x91\x53\x8A\x70\x8F\xAC\x95\xB6\x8E\x9A@", "\x91\x53\x8A\x70\x8F\xAC\x95\xB6\x8E\x9A",
     ClassBit::FullSmall},  // @全角小文字@ 全角小文字
    {"@\x91\x53\x8A\x70\x91\xE5\x95\xB6\x8E\x9A@", "\x91\x53\x8A\x70\x91\xE5\x95\xB6\x8E\x9A",
     ClassBit::FullCapital},  // @全角大文字@ 全角大文字
}};

std::optional<ClassMask> FindKeyword(std::string_view text)
{
    const auto found = std::find_if(SpecialKeywords.begin(), SpecialKeywords.end(),
                                    [&](const SpecialKeyword& keyword) { return keyword.Text == text; });
    if (found == SpecialKeywords.end())
        return std::nullopt;
    return found->Class;
}
