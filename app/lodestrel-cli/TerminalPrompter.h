#pragma once
// The program's message boxes on the terminal: every message goes to standard
// error, converted to UTF-8 and prefixed with the program name; a question is
// answered from the terminal when standard input is one, Yes with --yes, and
// otherwise No. The question and the answer taken are always written, so that
// a log shows what was decided.

#include "app/lodestrel-cli/StatusLine.h"
#include "platform/prompt/Prompter.h"

enum class Answering {
    FromTerminal,  // read y or n from standard input
    AlwaysYes,     // --yes
    AlwaysNo,      // no terminal to ask
};

class TerminalPrompter final : public platform::Prompter {
public:
    TerminalPrompter(StatusLine& line, Answering answering) : m_line(line), m_answering(answering) {}

    // FromTerminal when standard input is a terminal, otherwise AlwaysNo;
    // AlwaysYes when the user gave --yes.
    static Answering ChooseAnswering(bool assumeYes);

    platform::MessageAnswer Ask(const std::string& text, platform::MessageIcon icon,
                                platform::MessageButtons buttons) override;

private:
    platform::MessageAnswer AskYesNo(const std::string& question);

    StatusLine& m_line;
    Answering m_answering;
};

// Whether a typed reply means Yes: y, yes (any case) or はい, blanks around ignored.
bool IsYesReply(std::string_view reply);
