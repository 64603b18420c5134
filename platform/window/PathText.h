#pragma once
// File paths between the program (code page 932) and the file system and Qt
// (Unicode, UTF-8 on disk).

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The path as Qt names it. Bytes that do not convert show as U+FFFD and so
// name no existing file.
QString PathToQt(std::string_view cp932);

// nullopt when the path has a character without a code page 932 form.
std::optional<std::string> PathFromQt(const QString& path);

// The message for a path the program cannot hold, naming it (code page 932).
std::string UnrepresentablePathMessage(const QString& path);

}  // namespace platform
