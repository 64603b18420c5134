// Icon 128: the application icon, a magnifying glass over a page of text.
#include "resources/Palette.h"
#include "resources/Pictures.h"

namespace res::pictures {
namespace {

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
