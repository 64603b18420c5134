// Drawing the status line with a carriage return and "erase to end of line".

#include "app/lodestrel-cli/StatusLine.h"

#include <sys/ioctl.h>
#include <unistd.h>

#include <string>

namespace {

constexpr int DefaultWidth = 80;

void WriteAll(std::string_view bytes)
{
    while (!bytes.empty()) {
        ssize_t written = ::write(STDERR_FILENO, bytes.data(), bytes.size());
        if (written <= 0)
            return;  // a lost progress line is not worth more than this
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

}  // namespace

StatusLineMode StatusLine::ModeForStandardError(bool resultToStandardOutput)
{
    if (!::isatty(STDERR_FILENO) || (resultToStandardOutput && ::isatty(STDOUT_FILENO)))
        return StatusLineMode::Off;
    return StatusLineMode::OnTerminal;
}

int StatusLine::Width() const
{
    struct winsize size {};
    if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 1)
        return size.ws_col - 1;
    return DefaultWidth - 1;
}

void StatusLine::Draw(std::string_view utf8)
{
    if (!Enabled())
        return;
    std::string line = "\r";
    line += utf8;
    line += "\x1b[K";
    WriteAll(line);
    m_drawn = true;
}

void StatusLine::Clear()
{
    if (!m_drawn)
        return;
    WriteAll("\r\x1b[K");
    m_drawn = false;
}
