#pragma once
// Keeping a damaged store: a store file that is not a database or fails its
// integrity check is moved aside, never deleted, so that nothing of the user's
// is destroyed and a fresh store can take its place.

#include <filesystem>
#include <optional>

// Renames storeFile to "<storeFile>.damaged-<YYYYMMDD-HHMMSS>" (with "-2",
// "-3", ... added when that name is taken), together with the SQLite journal
// files beside it, which belong to it. Returns the new name, or nullopt when
// the file could not be moved; an existing file is never replaced.
std::optional<std::filesystem::path> MoveDamagedStoreAside(const std::filesystem::path& storeFile);
