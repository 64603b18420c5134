#pragma once
// Where the settings store lives: registry.db in Orvik/Lodestrel/ under the
// user's configuration directory ($XDG_CONFIG_HOME, else ~/.config). The paths
// are native file-system paths, taken from the environment as they are.

#include <filesystem>

// The store file for the given environment values; either may be null or empty.
// A relative XDG_CONFIG_HOME is ignored, as the XDG base directory rules ask.
// Empty when neither gives an absolute folder.
std::filesystem::path StoreFileFor(const char* xdgConfigHome, const char* home);

// The store file of the current user: from XDG_CONFIG_HOME and HOME, else from
// the home folder in the user database.
std::filesystem::path DefaultStoreFile();
