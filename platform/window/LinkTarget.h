#pragma once
// The desktop's shortcuts: a symbolic link, or a desktop entry file of type
// Link pointing at a local file or folder.

#include <QString>

#include <optional>

namespace platform {

// The path the shortcut at path leads to; nullopt when path is no shortcut,
// cannot be read, or leads nowhere local.
std::optional<QString> LinkTarget(const QString& path);

}  // namespace platform
