#pragma once
// The fonts of the windows: the Windows face names that the templates and the
// program name are replaced by the IPA fonts installed with the program.

#include <QFont>
#include <QString>

#include <string_view>

namespace platform {

// "ＭＳ Ｐゴシック" becomes "IPAPGothic", "ＭＳ ゴシック" "IPAGothic"; other faces stay.
QString SubstituteFace(std::string_view faceUtf8);

// The font of a dialog template: face (UTF-8, substituted) and size in points.
QFont DialogFont(std::string_view faceUtf8, int points);

}  // namespace platform
