#pragma once
// The program's numbered resources and how to find them by number.

#include <optional>
#include <span>
#include <string_view>

#include "resources/Template.h"

namespace res {

// Dialog templates.
inline constexpr int kAboutDialog = 100;
inline constexpr int kMainDialog = 102;
inline constexpr int kConditionEditor = 132;
inline constexpr int kConditionFileMode = 133;
inline constexpr int kConditionFileSelect = 134;
inline constexpr int kFieldSelector = 139;
inline constexpr int kSampleCodeDialog = 143;
inline constexpr int kCompanionAppDialog = 145;
inline constexpr int kProgressDialog = 1097;

// Menus, the icon and the animation.
inline constexpr int kMainMenu = 128;
inline constexpr int kSampleMenu = 144;
inline constexpr int kAppIcon = 128;
inline constexpr int kProgressAnimation = 129;

// nullptr when there is no such resource.
const DialogTemplate* FindDialog(int id);
const Menu* FindMenu(int id);
const Animation* FindAnimation(int id);
const PixelArt* FindIcon(int id);

// The string-table entry of id (UTF-8), if there is one.
std::optional<std::string_view> FindString(int id);

std::span<const DialogTemplate* const> AllDialogs();
std::span<const StringEntry> StringTable();

}  // namespace res
