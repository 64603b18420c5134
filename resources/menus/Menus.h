#pragma once
// The menus, one file each; found by number through Resources.h.

#include "resources/Template.h"

namespace res::menus {

extern const Menu kMain;
extern const Menu kSample;

}  // namespace res::menus
