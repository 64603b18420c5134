// Messages and questions on standard error and standard input.

#include "app/lodestrel-cli/TerminalPrompter.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "platform/text/Convert.h"

namespace {

constexpr const char* ProgramPrefix = "lodestrel-cli: ";

void WriteError(const std::string& utf8)
{
    std::fputs(utf8.c_str(), stderr);
    std::fflush(stderr);
}

// One line typed on standard input, without its line end. nullopt at the end
// of input, or when a signal (Ctrl-C) interrupts the read.
std::optional<std::string> ReadReply()
{
    std::string reply;
    char byte = 0;
    for (;;) {
        ssize_t got = ::read(STDIN_FILENO, &byte, 1);
        if (got < 0 && errno == EINTR)
            return std::nullopt;
        if (got <= 0)
            return reply.empty() ? std::nullopt : std::optional<std::string>(reply);
        if (byte == '\n')
            return reply;
        reply += byte;
    }
}

std::string_view Trim(std::string_view text)
{
    const std::string_view blanks = " \t\r";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

}  // namespace

bool IsYesReply(std::string_view reply)
{
    std::string word(Trim(reply));
    for (char& c : word) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return word == "y" || word == "yes" || word == "はい";
}

Answering TerminalPrompter::ChooseAnswering(bool assumeYes)
{
    if (assumeYes)
        return Answering::AlwaysYes;
    return ::isatty(STDIN_FILENO) ? Answering::FromTerminal : Answering::AlwaysNo;
}

platform::MessageAnswer TerminalPrompter::Ask(const std::string& text, platform::MessageIcon,
                                              platform::MessageButtons buttons)
{
    m_line.Clear();
    if (buttons == platform::MessageButtons::YesNo)
        return AskYesNo(text);
    WriteError(ProgramPrefix + cp932::ToUtf8Lossy(text) + "\n");
    return platform::MessageAnswer::Ok;
}

platform::MessageAnswer TerminalPrompter::AskYesNo(const std::string& question)
{
    const std::string asked = ProgramPrefix + cp932::ToUtf8Lossy(question) + " [y/N] ";
    switch (m_answering) {
    case Answering::AlwaysYes:
        WriteError(asked + "y (--yes)\n");
        return platform::MessageAnswer::Yes;
    case Answering::AlwaysNo:
        WriteError(asked + "n (no terminal to ask; --yes answers y)\n");
        return platform::MessageAnswer::No;
    case Answering::FromTerminal:
        break;
    }
    WriteError(asked);
    std::optional<std::string> reply = ReadReply();
    if (!reply) {
        WriteError("n\n");
        return platform::MessageAnswer::No;
    }
    return IsYesReply(*reply) ? platform::MessageAnswer::Yes : platform::MessageAnswer::No;
}
