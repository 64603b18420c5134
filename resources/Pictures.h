#pragma once
// The pictures among the resources: the application icon and the progress
// animation; found by number through Resources.h.

#include "resources/Template.h"

namespace res::pictures {

extern const PixelArt kApplicationIcon;
extern const Animation kProgressLoop;

}  // namespace res::pictures
