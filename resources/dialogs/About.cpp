// Template 100: the About box.
#include "resources/Resources.h"
#include "resources/dialogs/Dialogs.h"

namespace res::dialogs {
namespace {

constexpr Control kControls[] = {
    // id    kind                 text                           x    y   cx   cy  style
    {kNoId, Kind::Icon,          "",                             5,  30,  20,  20},
    {kNoId, Kind::Label,         "Lodestrel",                   30,   5,  45,  10},
    {1056,  Kind::Label,         "ver",                         81,   5,  79,  10},
    {1058,  Kind::Label,         "Copyright (C) Orvik",         30,  15, 161,   8},
    {1036,  Kind::Edit,          "",                            30,  25, 150,  55, MultiLine | ReadOnly | VScroll},
    {1,     Kind::DefPushButton, "OK",                         185,   5,  45,  14},
    {105,   Kind::PushButton,    "Readme表示",                 185,  40,  45,  14},
    {104,   Kind::PushButton,    "ﾎｰﾑﾍﾟｰｼﾞ",                   185,  60,  45,  14},
};

}  // namespace

const DialogTemplate kAbout = {
    kAboutDialog, "Lodestrelのﾊﾞｰｼﾞｮﾝ情報", 235, 85, "ＭＳ Ｐゴシック", 9, Caption | SysMenu, 0, kControls,
};

}  // namespace res::dialogs
