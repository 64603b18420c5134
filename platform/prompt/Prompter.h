#pragma once
// The one way the program asks the user something or tells them something in a
// message box. The window program answers with real message boxes, the
// command-line program on the terminal, and tests with a scripted responder.

#include <string>

namespace platform {

enum class MessageIcon { Stop, Information, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class Prompter {
public:
    virtual ~Prompter() = default;
    // text is code page 932 and may hold "\n" line breaks.
    virtual MessageAnswer Ask(const std::string& text, MessageIcon icon, MessageButtons buttons) = 0;

    void Tell(const std::string& text, MessageIcon icon) { Ask(text, icon, MessageButtons::Ok); }
    bool Confirm(const std::string& text) { return Ask(text, MessageIcon::Question, MessageButtons::YesNo) == MessageAnswer::Yes; }
};

}  // namespace platform
