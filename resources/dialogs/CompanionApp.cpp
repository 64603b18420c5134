// Template 145: set up the companion application.
#include "resources/Resources.h"
#include "resources/dialogs/Dialogs.h"

namespace res::dialogs {
namespace {

constexpr Control kControls[] = {
    // id    kind                 text          x    y   cx   cy  style
    {1003,  Kind::Edit,          "",           10,  15, 140,  14, HScroll | AcceptFiles},
    {1120,  Kind::PushButton,    "参照",      150,  15,  20,  14},
    {1,     Kind::DefPushButton, "OK",         10,  40,  50,  14},
    {2,     Kind::PushButton,    "キャンセル", 120,  40,  50,  14},
};

}  // namespace

const DialogTemplate kCompanionApp = {
    res::kCompanionAppDialog, "連携アプリケーション登録", 179, 60, "ＭＳ Ｐゴシック", 9, Caption | SysMenu, 0, kControls,
};

}  // namespace res::dialogs
