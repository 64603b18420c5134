// Animation 129: the progress dialog's loop, a magnifying glass circling
// over a page of text, eight frames of 200 ms.
#include "resources/Pictures.h"
#include "resources/Resources.h"

namespace res::pictures {
namespace {

constexpr PaletteEntry kPalette[] = {
    {'#', 0xFF303030},  // outline
    {'w', 0xFFFFFFFF},  // paper
    {'f', 0xFFD8D8D8},  // folded corner
    {'l', 0xFF6A8CB0},  // lines of text
    {'g', 0xA0BFE3F7},  // glass, half transparent
    {'s', 0xFFFFFFFF},  // glint on the glass
    {'r', 0xFF2A4F8F},  // rim
    {'h', 0xFF7A4A20},  // handle
};

constexpr const char* kPageRows[] = {
    "                                                ",
    "                                                ",
    "         #######################                ",
    "         #wwwwwwwwwwwwwwwwwwwww##               ",
    "         #wwwwwwwwwwwwwwwwwwwww#f#              ",
    "         #wwwwwwwwwwwwwwwwwwwww#ff#             ",
    "         #wwwwwwwwwwwwwwwwwwwww#fff#            ",
    "         #wwwwwwwwwwwwwwwwwwwww#ffff#           ",
    "         #wwwwwwwwwwwwwwwwwwwww#######          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwlllllllllllllllllllllwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwlllllllllllllllllllllwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwllllllllllllllwwwwwwwwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwlllllllllllllllllllllwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwlllllllllllllllllllllwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwllllllllllllllwwwwwwwwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwlllllllllllllllllllllwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwlllllllllllllllllllllwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #wwwwwwwwwwwwwwwwwwwwwwwwwww#          ",
    "         #############################          ",
    "                                                ",
};

constexpr const char* kGlassRows[] = {
    "                ",
    "   rrrrrr       ",
    "  rrggggrr      ",
    " rrggggggrr     ",
    " rggsgggggr     ",
    " rggggggggr     ",
    " rggggggggr     ",
    " rggggggggr     ",
    " rrggggggrr     ",
    "  rrggggrhh     ",
    "   rrrrrrhhh    ",
    "          hhh   ",
    "           hhh  ",
    "            hhh ",
    "             hh ",
    "                ",
};

constexpr PixelArt kPage = {48, 45, kPalette, kPageRows};
constexpr PixelArt kGlass = {16, 16, kPalette, kGlassRows};

// Top-left corner of the glass in each frame: a clockwise loop over the page.
constexpr SpritePosition kFrames[] = {
    {25, 17}, {23, 26}, {17, 29}, {11, 26}, {9, 17}, {11, 9}, {17, 5}, {23, 9},
};

}  // namespace

const Animation kProgressLoop = {kProgressAnimation, 48, 45, 200, kPage, kGlass, kFrames};

}  // namespace res::pictures
