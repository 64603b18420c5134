// Icon 128: the application icon, a magnifying glass over a page of text.
#include "resources/Pictures.h"

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

constexpr const char* kRows[] = {
    "                                ",
    "   ###############              ",
    "   #wwwwwwwwwwwww##             ",
    "   #wwwwwwwwwwwww#f#            ",
    "   #wwwwwwwwwwwww#ff#           ",
    "   #wwwwwwwwwwwww#fff#          ",
    "   #wwwwwwwwwwwww######         ",
    "   #wwwwwwwwwwwwwwwwww#         ",
    "   #wwwwwwwwwwwwwwwwww#         ",
    "   #wwllllllllwwwwwwww#         ",
    "   #wwwwwwwwwwwwwwrwww#         ",
    "   #wwwwwwwwwwwrrrrrrr#         ",
    "   #wwllllllllrrrrrrrrr         ",
    "   #wwwwwwwwwrrrgggggrrr        ",
    "   #wwwwwwwwrrrgggggggrrr       ",
    "   #wwllllllrrggssgggggrr       ",
    "   #wwwwwwwwrrggsggggggrr       ",
    "   #wwwwwwwrrrgggggggggrrr      ",
    "   #wwllllllrrgggggggggrr       ",
    "   #wwwwwwwwrrgggggggggrr       ",
    "   #wwwwwwwwrrrgggggggrrr       ",
    "   #wwlllllllrrrgggggrrr        ",
    "   #wwwwwwwwwwrrrrrrrrrhh       ",
    "   #wwwwwwwwwwwrrrrrrr#hhh      ",
    "   #wwllllllllllllrwww# hhh     ",
    "   #wwwwwwwwwwwwwwwwww#  hhh    ",
    "   #wwwwwwwwwwwwwwwwww#   hhh   ",
    "   #wwllllllllwwwwwwww#    hhh  ",
    "   #wwwwwwwwwwwwwwwwww#     hhh ",
    "   #wwwwwwwwwwwwwwwwww#      hh ",
    "   ####################         ",
    "                                ",
};

}  // namespace

const PixelArt kApplicationIcon = {32, 32, kPalette, kRows};

}  // namespace res::pictures
