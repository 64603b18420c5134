#include "platform/window/Fonts.h"

namespace platform {

QString SubstituteFace(std::string_view faceUtf8)
{
    if (faceUtf8 == "ＭＳ Ｐゴシック")
        return QStringLiteral("IPAPGothic");
    if (faceUtf8 == "ＭＳ ゴシック")
        return QStringLiteral("IPAGothic");
    return QString::fromUtf8(faceUtf8.data(), static_cast<qsizetype>(faceUtf8.size()));
}

QFont DialogFont(std::string_view faceUtf8, int points)
{
    QFont font(SubstituteFace(faceUtf8));
    font.setPointSize(points);
    return font;
}

}  // namespace platform
