// Template 134: the lines of a condition file to take.
#include "resources/Resources.h"
#include "resources/dialogs/Dialogs.h"

namespace res::dialogs {
namespace {

constexpr Control kControls[] = {
    // id    kind                 text                                                   x    y   cx   cy  style
    {1037,  Kind::ListBox,       "",                                                     3,   5, 177, 125, MultiSelect | HScroll | VScroll | Border},
    {kNoId, Kind::Rule,          "",                                                     0, 135, 183,   1},
    {kNoId, Kind::Label,         "※ファイル形式は、検索文字列［，０or１，除外文字列］\n"
                                 "※最大選択数は、1000個",                              10, 140, 165,  20},
    {1,     Kind::DefPushButton, "OK",                                                   5, 160,  50,  14},
    {2,     Kind::PushButton,    "キャンセル",                                         130, 160,  50,  14},
};

}  // namespace

const DialogTemplate kConditionFileSelect = {
    res::kConditionFileSelect, "ファイル項目選択", 183, 181, "ＭＳ Ｐゴシック", 9, Caption | SysMenu, 0, kControls,
};

}  // namespace res::dialogs
