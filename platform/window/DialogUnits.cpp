#include "platform/window/DialogUnits.h"

#include <QFontMetrics>

#include <cstdint>

namespace platform {
namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c)
{
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

DialogUnits DialogUnits::ForFont(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogUnits((letters / 26 + 1) / 2, metrics.height());
}

int DialogUnits::X(int units) const
{
    return MulDiv(units, m_baseX, 4);
}

int DialogUnits::Y(int units) const
{
    return MulDiv(units, m_baseY, 8);
}

QRect DialogUnits::ToPixels(int x, int y, int cx, int cy) const
{
    return QRect(X(x), Y(y), X(cx), Y(cy));
}

QSize DialogUnits::ToPixels(int cx, int cy) const
{
    return QSize(X(cx), Y(cy));
}

}  // namespace platform
