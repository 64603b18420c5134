#pragma once
// The colours the program's pictures (the icon and the progress animation)
// are drawn with, one letter each.

#include "resources/Template.h"

namespace res::pictures {

inline constexpr PaletteEntry kPalette[] = {
    {'#', 0xFF303030},  // outline
    {'w', 0xFFFFFFFF},  // paper
    {'f', 0xFFD8D8D8},  // folded corner
    {'l', 0xFF6A8CB0},  // lines of text
    {'g', 0xA0BFE3F7},  // glass, half transparent
    {'s', 0xFFFFFFFF},  // glint on the glass
    {'r', 0xFF2A4F8F},  // rim
    {'h', 0xFF7A4A20},  // handle
};

}  // namespace res::pictures
