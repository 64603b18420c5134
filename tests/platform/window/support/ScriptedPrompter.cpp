#include "tests/platform/window/support/ScriptedPrompter.h"

#include <gtest/gtest.h>

#include "platform/text/Convert.h"

namespace testing_support {
namespace {

template <class Answer>
Answer Next(std::deque<Answer>& script, Answer fallback, const char* what)
{
    if (script.empty()) {
        ADD_FAILURE() << "no scripted answer for " << what;
        return fallback;
    }
    Answer answer = script.front();
    script.pop_front();
    return answer;
}

}  // namespace

platform::MessageAnswer ScriptedPrompter::Ask(const std::string& text, platform::MessageIcon icon,
                                              platform::MessageButtons buttons)
{
    messages.push_back({text, icon, buttons});
    if (buttons == platform::MessageButtons::Ok)
        return platform::MessageAnswer::Ok;
    return Next(answers, platform::MessageAnswer::No, "a question");
}

std::optional<std::string> ScriptedPrompter::ChooseFile(QWidget*, const platform::FileDialogRequest& request)
{
    fileRequests.push_back(request);
    if (whileFileDialogOpen)
        whileFileDialogOpen();
    return Next(files, std::optional<std::string>(), "a file dialog");
}

std::optional<std::string> ScriptedPrompter::ChooseFolder(QWidget*, const platform::FolderRequest& request)
{
    folderRequests.push_back(request);
    return Next(folders, std::optional<std::string>(), "a folder browser");
}

std::optional<platform::FontChoice> ScriptedPrompter::ChooseFont(QWidget*, const platform::FontChoice&)
{
    return Next(fonts, std::optional<platform::FontChoice>(), "a font dialog");
}

std::string Cp932(const char* utf8)
{
    return cp932::FromUtf8(utf8).value();
}

}  // namespace testing_support
