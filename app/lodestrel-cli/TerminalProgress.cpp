// Building and drawing the progress line.

#include "app/lodestrel-cli/TerminalProgress.h"

#include <algorithm>
#include <cstdint>

#include "app/lodestrel-cli/Interrupt.h"
#include "platform/text/Convert.h"
#include "platform/text/LeadByte.h"

namespace {

constexpr auto RedrawInterval = std::chrono::milliseconds(200);

// The part of a code page 932 path after its last slash.
std::string LastPart(const std::string& path)
{
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The start of text in at most columns columns, cut on a character boundary.
// A code page 932 character is as wide on the terminal as it has bytes: double-
// byte characters are full width, single bytes (half-width katakana too) half.
std::string Shorten(const std::string& text, std::size_t columns)
{
    if (text.size() <= columns)
        return text;
    const std::string_view ellipsis = "...";
    if (columns < ellipsis.size())
        return {};
    std::size_t end = 0;
    while (end < text.size()) {
        std::size_t next = end + cp932::CharLength(text, end);
        if (next > columns - ellipsis.size())
            break;
        end = next;
    }
    return text.substr(0, end) + std::string(ellipsis);
}

}  // namespace

void TerminalProgress::SetFileInfo(const std::string& path, int fileNumber, int fileTotal)
{
    m_fileName = LastPart(path);
    m_fileNumber = fileNumber;
    m_fileTotal = fileTotal;
    m_recordTotal = 0;
    m_position = 0;
    Redraw();
}

void TerminalProgress::SetRecordTotal(int recordCount)
{
    m_recordTotal = recordCount;
    Redraw();
}

void TerminalProgress::PumpMessages()
{
    if (!m_line.Enabled())
        return;
    if (std::chrono::steady_clock::now() - m_lastDrawn >= RedrawInterval)
        Redraw();
}

bool TerminalProgress::IsCanceled() const
{
    return InterruptRequested();
}

std::string TerminalProgress::LineText(int width) const
{
    // The record being scanned is not read yet; the records before it are.
    const int done = std::clamp(m_position - 1, 0, std::max(m_recordTotal, 0));
    const int percent = m_recordTotal > 0
        ? static_cast<int>(static_cast<std::int64_t>(done) * 100 / m_recordTotal)
        : 0;
    const std::string counts = "  " + std::to_string(done) + "/" + std::to_string(m_recordTotal) + " records  " +
                               std::to_string(m_hits) + " hits  " + std::to_string(percent) + "%";
    const std::string prefix = "[" + std::to_string(m_fileNumber) + "/" + std::to_string(m_fileTotal) + "] ";
    const std::size_t fixed = prefix.size() + counts.size();
    const std::size_t room = width > 0 && static_cast<std::size_t>(width) > fixed ? width - fixed : 0;
    return prefix + cp932::ToUtf8Lossy(Shorten(m_fileName, room)) + counts;
}

void TerminalProgress::Redraw()
{
    if (!m_line.Enabled())
        return;
    m_line.Draw(LineText(m_line.Width()));
    m_lastDrawn = std::chrono::steady_clock::now();
}
