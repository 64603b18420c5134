// Animation 129: the progress dialog's loop, a magnifying glass circling
// over a page of text, eight frames of 200 ms.
#include "resources/Palette.h"
#include "resources/Pictures.h"
#include "resources/Resources.h"

namespace res::pictures {
namespace {

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
