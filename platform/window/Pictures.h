#pragma once
// The resource pictures as images: the application icon and the frames of an
// animation.

#include <QIcon>
#include <QImage>

#include <vector>

#include "resources/Template.h"

namespace platform {

QImage ToImage(const res::PixelArt& art);

// Icon 128, the program's icon.
QIcon ApplicationIcon();

// Every frame of an animation, the sprite drawn on the background.
std::vector<QImage> AnimationFrames(const res::Animation& animation);

}  // namespace platform
