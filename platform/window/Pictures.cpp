#include "platform/window/Pictures.h"

#include <QPainter>
#include <QPixmap>

#include "resources/Resources.h"

namespace platform {

QImage ToImage(const res::PixelArt& art)
{
    QImage image(art.width, art.height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < art.height && y < static_cast<int>(art.rows.size()); ++y) {
        const char* row = art.rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < art.width && row[x] != '\0'; ++x)
            for (const res::PaletteEntry& entry : art.palette)
                if (entry.key == row[x])
                    image.setPixel(x, y, entry.argb);
    }
    return image;
}

QIcon ApplicationIcon()
{
    return QIcon(QPixmap::fromImage(ToImage(*res::FindIcon(res::kAppIcon))));
}

std::vector<QImage> AnimationFrames(const res::Animation& animation)
{
    const QImage background = ToImage(animation.background);
    const QImage sprite = ToImage(animation.sprite);
    std::vector<QImage> frames;
    for (const res::SpritePosition& position : animation.frames) {
        QImage frame = background;
        QPainter painter(&frame);
        painter.drawImage(position.x, position.y, sprite);
        frames.push_back(frame);
    }
    return frames;
}

}  // namespace platform
