// The single-byte character classes against the C library's classification in
// the "C" locale, and the half-width katakana test against the code page.

#include <gtest/gtest.h>

#include <ctype.h>
#include <locale.h>
#include <string>

#include "platform/text/CharClass.h"
#include "platform/text/Convert.h"
#include "tests/platform/text/TextTestSupport.h"

namespace cp932 {
namespace {

TEST(CharClass, EveryByteIsClassifiedAsInTheCLocale)
{
    const locale_t c = newlocale(LC_CTYPE_MASK, "C", locale_t{});
    ASSERT_NE(c, locale_t{});
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        EXPECT_EQ(IsDigit(byte), isdigit_l(b, c) != 0) << std::hex << b;
        EXPECT_EQ(IsAlpha(byte), isalpha_l(b, c) != 0) << std::hex << b;
        EXPECT_EQ(IsPunct(byte), ispunct_l(b, c) != 0) << std::hex << b;
        EXPECT_EQ(IsCntrl(byte), iscntrl_l(b, c) != 0) << std::hex << b;
    }
    freelocale(c);
}

TEST(CharClass, HalfWidthKanaAreExactlyTheBytesThatDecodeToHalfWidthForms)
{
    std::size_t kana = 0;
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::optional<std::string> utf8 = ToUtf8(byte);
        const std::u32string chars = utf8 ? test::CodePoints(*utf8) : std::u32string();
        const bool halfWidth = chars.size() == 1 && chars[0] >= U'\uFF61' && chars[0] <= U'\uFF9F';
        EXPECT_EQ(IsHalfWidthKana(static_cast<unsigned char>(b)), halfWidth) << std::hex << b;
        kana += halfWidth;
    }
    EXPECT_EQ(kana, 0xDFu - 0xA1u + 1);
}

}  // namespace
}  // namespace cp932
