#pragma once
// A prompter for tests: records every message box (text, icon, buttons) and
// answers questions from a script, then with a default answer.

#include <deque>
#include <string>
#include <vector>

#include "platform/prompt/Prompter.h"

struct PromptRecord {
    std::string text;  // code page 932
    platform::MessageIcon icon;
    platform::MessageButtons buttons;
};

class RecordingPrompter : public platform::Prompter {
public:
    platform::MessageAnswer Ask(const std::string& text, platform::MessageIcon icon,
                                platform::MessageButtons buttons) override
    {
        prompts.push_back({text, icon, buttons});
        if (buttons == platform::MessageButtons::Ok)
            return platform::MessageAnswer::Ok;
        if (answers.empty())
            return defaultAnswer;
        const platform::MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const PromptRecord& prompt : prompts)
            texts.push_back(prompt.text);
        return texts;
    }

    std::vector<PromptRecord> prompts;
    std::deque<platform::MessageAnswer> answers;  // for Yes/No questions, in order
    platform::MessageAnswer defaultAnswer = platform::MessageAnswer::Yes;
};
