// Template 139: pick field numbers from sample records.
#include "resources/Resources.h"
#include "resources/dialogs/Dialogs.h"

namespace res::dialogs {
namespace {

constexpr Control kControls[] = {
    // id    kind                 text          x    y   cx   cy  style
    {1072,  Kind::PushButton,    "《",         10,   5,  20,  15},
    {1077,  Kind::Edit,          "",           46,   5,  25,  12, ReadOnly},
    {1075,  Kind::PushButton,    "》",         90,   5,  20,  15},
    {1037,  Kind::ListBox,       "",            5,  20, 105, 140, MultiSelect | VScroll | Border},
    {1,     Kind::DefPushButton, "OK",          5, 165,  40,  14},
    {2,     Kind::PushButton,    "キャンセル", 70, 165,  40,  14},
};

}  // namespace

const DialogTemplate kFieldSelector = {
    res::kFieldSelector, "項目選択", 117, 183, "ＭＳ Ｐゴシック", 9, Caption | SysMenu, 0, kControls,
};

}  // namespace res::dialogs
