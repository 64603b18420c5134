#pragma once
// The prompter that asks a person: Qt's message box, file dialog, and our
// folder browser and font chooser.

#include "platform/window/WindowPrompter.h"

namespace platform {

class DesktopPrompter : public WindowPrompter {
public:
    MessageAnswer Ask(const std::string& text, MessageIcon icon, MessageButtons buttons) override;
    std::optional<std::string> ChooseFile(QWidget* owner, const FileDialogRequest& request) override;
    std::optional<std::string> ChooseFolder(QWidget* owner, const FolderRequest& request) override;
    std::optional<FontChoice> ChooseFont(QWidget* owner, const FontChoice& initial) override;
};

}  // namespace platform
