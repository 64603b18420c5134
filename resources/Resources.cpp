// Finds the resources by number.
#include "resources/Resources.h"

#include "resources/Pictures.h"
#include "resources/dialogs/Dialogs.h"
#include "resources/menus/Menus.h"

namespace res {
namespace {

constexpr const DialogTemplate* kDialogs[] = {
    &dialogs::kAbout,
    &dialogs::kMain,
    &dialogs::kConditionEditor,
    &dialogs::kConditionFileMode,
    &dialogs::kConditionFileSelect,
    &dialogs::kFieldSelector,
    &dialogs::kSampleCode,
    &dialogs::kCompanionApp,
    &dialogs::kProgress,
};

constexpr const Menu* kMenus[] = {&menus::kMain, &menus::kSample};

}  // namespace

std::span<const DialogTemplate* const> AllDialogs()
{
    return kDialogs;
}

const DialogTemplate* FindDialog(int id)
{
    for (const DialogTemplate* dialog : kDialogs)
        if (dialog->id == id)
            return dialog;
    return nullptr;
}

const Menu* FindMenu(int id)
{
    for (const Menu* menu : kMenus)
        if (menu->id == id)
            return menu;
    return nullptr;
}

const PixelArt* FindIcon(int id)
{
    return id == kAppIcon ? &pictures::kApplicationIcon : nullptr;
}

const Animation* FindAnimation(int id)
{
    return id == kProgressAnimation ? &pictures::kProgressLoop : nullptr;
}

}  // namespace res
