// Menu 144: the sample code dialog's menu bar.
#include "resources/Resources.h"
#include "resources/menus/Menus.h"

namespace res::menus {
namespace {

using enum MenuEntry;

constexpr MenuLine kLines[] = {
    {Popup, 0, "ﾌｫﾝﾄ(&F)"},
        {Item, 1081, "ﾌｫﾝﾄ(&F)"},
    {End},
};

}  // namespace

const Menu kSample = {kSampleMenu, kLines};

}  // namespace res::menus
