#pragma once
// Code page 932 text shown in a control and read back after the user may have
// edited it. What the user left alone comes back as the very bytes it was set
// from, even bytes that could only be shown as U+FFFD; what the user typed is
// converted, and the whole is refused when some of it has no code page 932 form.

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The text to show for code page 932 bytes (U+FFFD for what does not convert).
QString ShownText(std::string_view cp932);

// The bytes of edited, given the bytes original the control was set from:
// the unchanged start and end keep the original bytes, the part between is
// converted. nullopt when that part holds a character without a code page
// 932 form.
std::optional<std::string> EditedBytes(std::string_view original, const QString& edited);

}  // namespace platform
