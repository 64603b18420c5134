#include "platform/window/DialogUnits.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include "platform/window/Fonts.h"

namespace {

TEST(DialogUnits, ConvertQuartersOfTheWidthAndEighthsOfTheHeightRoundingHalvesUp)
{
    const platform::DialogUnits units(6, 13);
    struct Case {
        int units, x, y;
    } const cases[] = {{0, 0, 0}, {1, 2, 2}, {2, 3, 3}, {4, 6, 7}, {10, 15, 16}, {12, 18, 20}, {249, 374, 405}};
    for (const Case& c : cases) {
        EXPECT_EQ(units.X(c.units), c.x) << c.units;
        EXPECT_EQ(units.Y(c.units), c.y) << c.units;
    }
    EXPECT_EQ(units.ToPixels(5, 10, 50, 12), QRect(8, 16, 75, 20));
}

TEST(DialogUnits, ComeFromTheAverageLetterWidthAndTheHeightOfTheFont)
{
    const QFont font = platform::DialogFont("ＭＳ Ｐゴシック", 9);
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const platform::DialogUnits units = platform::DialogUnits::ForFont(font);
    EXPECT_EQ(units.BaseX(), (letters / 26 + 1) / 2);
    EXPECT_EQ(units.BaseY(), metrics.height());
}

TEST(Fonts, TheDialogFontsAreTheInstalledIpaGothics)
{
    EXPECT_EQ(platform::SubstituteFace("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(platform::SubstituteFace("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    EXPECT_EQ(platform::SubstituteFace("Sans"), QStringLiteral("Sans"));
    const QFontInfo info(platform::DialogFont("ＭＳ Ｐゴシック", 9));
    EXPECT_EQ(info.family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(info.pointSize(), 9);
}

}  // namespace
