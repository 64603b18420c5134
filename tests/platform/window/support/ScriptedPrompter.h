#pragma once
// A prompter for tests: it records every question and answers from a script,
// so that no test waits on a modal window. A question without a scripted
// answer fails the test and is answered No or cancelled.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/window/WindowPrompter.h"

namespace testing_support {

struct AskedMessage {
    std::string text;  // code page 932
    platform::MessageIcon icon;
    platform::MessageButtons buttons;
};

class ScriptedPrompter : public platform::WindowPrompter {
public:
    // Answers of Yes/No boxes, in order. OK boxes need none.
    std::deque<platform::MessageAnswer> answers;
    std::deque<std::optional<std::string>> files;
    std::deque<std::optional<std::string>> folders;
    std::deque<std::optional<platform::FontChoice>> fonts;
    // Runs while a file dialog is "open", before it answers.
    std::function<void()> whileFileDialogOpen;

    std::vector<AskedMessage> messages;
    std::vector<platform::FileDialogRequest> fileRequests;
    std::vector<platform::FolderRequest> folderRequests;

    platform::MessageAnswer Ask(const std::string& text, platform::MessageIcon icon,
                                platform::MessageButtons buttons) override;
    std::optional<std::string> ChooseFile(QWidget* owner, const platform::FileDialogRequest& request) override;
    std::optional<std::string> ChooseFolder(QWidget* owner, const platform::FolderRequest& request) override;
    std::optional<platform::FontChoice> ChooseFont(QWidget* owner, const platform::FontChoice& initial) override;
};

// The UTF-8 literal as code page 932 bytes, for comparing with what the program says.
std::string Cp932(const char* utf8);

}  // namespace testing_support
