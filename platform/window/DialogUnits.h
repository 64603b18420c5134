#pragma once
// Dialog units: template positions are given in quarters of the dialog font's
// average character width and eighths of its height, so that a window keeps
// its proportions whatever the font.

#include <QFont>
#include <QRect>
#include <QSize>

namespace platform {

class DialogUnits {
public:
    DialogUnits(int baseX, int baseY) : m_baseX(baseX), m_baseY(baseY) {}

    // Base units of a font: the average width of the 52 Latin letters, rounded,
    // and the font's height.
    static DialogUnits ForFont(const QFont& font);

    int BaseX() const { return m_baseX; }
    int BaseY() const { return m_baseY; }

    int X(int units) const;
    int Y(int units) const;
    QRect ToPixels(int x, int y, int cx, int cy) const;
    QSize ToPixels(int cx, int cy) const;

private:
    int m_baseX;
    int m_baseY;
};

}  // namespace platform
