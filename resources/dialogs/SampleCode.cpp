// Template 143: the code table of full-width characters. Control 1001 is the
// grid, which the dialog supplies.
#include "resources/Resources.h"
#include "resources/dialogs/Dialogs.h"

namespace res::dialogs {
namespace {

constexpr Control kControls[] = {
    // id    kind          text              x    y   cx   cy  style
    {1001,  Kind::Custom, "",               3,   5, 357, 160, TabStop},
    {1105,  Kind::Radio,  "記号１",         5, 170,  45,  10, Group},
    {1107,  Kind::Radio,  "記号２",        55, 170,  45,  10},
    {1109,  Kind::Radio,  "英数字",       100, 170,  45,  10},
    {1110,  Kind::Radio,  "ひらがな",     145, 170,  45,  10},
    {1111,  Kind::Radio,  "カタカナ",     190, 170,  45,  10},
    {1112,  Kind::Radio,  "ギリシャ文字", 240, 170,  50,  10},
    {1113,  Kind::Radio,  "ロシア文字",   295, 170,  45,  10},
    {1114,  Kind::Radio,  "第一水準",       5, 185,  45,  10},
    {1115,  Kind::Radio,  "第二水準",      55, 185,  45,  10},
    {1116,  Kind::Radio,  "特殊文字",     100, 185,  40,  10},
    {1117,  Kind::Radio,  "外字文字",     145, 185,  40,  10},
    {1118,  Kind::Radio,  "拡張文字",     190, 185,  45,  10},
};

}  // namespace

const DialogTemplate kSampleCode = {
    res::kSampleCodeDialog, "サンプル表示", 362, 199, "ＭＳ Ｐゴシック", 9,
    Caption | SysMenu | Sizable | MinBox | MaxBox, kSampleMenu, kControls,
};

}  // namespace res::dialogs
