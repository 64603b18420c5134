// Template 133: read or write a condition file.
#include "resources/Resources.h"
#include "resources/dialogs/Dialogs.h"

namespace res::dialogs {
namespace {

constexpr Control kControls[] = {
    // id    kind                 text                    x    y   cx   cy  style
    {1065,  Kind::Radio,         "ファイルから読み込み",  10,  10,  80,  15, Group},
    {1066,  Kind::Radio,         "ファイルへ書き込み",    95,  10,  80,  15},
    {kNoId, Kind::GroupBox,      "",                       5,   0, 175,  30},
    {1,     Kind::DefPushButton, "OK",                    10,  35,  50,  14},
    {2,     Kind::PushButton,    "キャンセル",           125,  35,  50,  14},
};

}  // namespace

const DialogTemplate kConditionFileMode = {
    res::kConditionFileMode, "検索文字列入出力モード", 183, 56, "ＭＳ Ｐゴシック", 9, Caption | SysMenu, 0, kControls,
};

}  // namespace res::dialogs
