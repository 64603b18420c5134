// Choosing and detecting the field delimiter.

#include "engine/FieldDelimiter.h"

#include <algorithm>

#include "platform/files/RecordReader.h"
#include "platform/text/Search.h"
#include "settings/JobSettings.h"

namespace {

std::optional<char> DelimiterOfLine(std::string_view line)
{
    for (const char candidate : {'\t', ',', '|'}) {
        if (cp932::FindByte(line, candidate) != std::string_view::npos)
            return candidate;
    }
    return std::nullopt;
}

}  // namespace

std::optional<char> DetectDelimiter(std::span<const std::string_view> firstLines)
{
    const std::size_t count = std::min<std::size_t>(firstLines.size(), DetectLineLimit);
    for (const std::string_view line : firstLines.first(count)) {
        if (const auto delimiter = DelimiterOfLine(line))
            return delimiter;
    }
    return std::nullopt;
}

std::optional<char> DetectDelimiter(platform::RecordReader& source)
{
    if (source.Rewind())
        return std::nullopt;
    std::optional<char> delimiter;
    std::string_view line;
    for (int read = 0; read < DetectLineLimit && !delimiter && source.Next(line); ++read)
        delimiter = DelimiterOfLine(line);
    if (source.Rewind())
        return std::nullopt;
    return delimiter;
}

char ChooseFieldDelimiter(const JobSettings& job, std::optional<char> detected)
{
    switch (job.FileKind) {
    case 0:
        return detected.value_or(NoDelimiter);
    case 1:
        return ',';
    case 2:
        return '\t';
    case 4:
        // The byte 0 that an empty EtcDelim would give is meant to match
        // nothing; a record may hold a NUL byte, but never an LF.
        return job.EtcDelim.empty() || job.EtcDelim[0] == '\0' ? NoDelimiter : job.EtcDelim[0];
    default:
        return NoDelimiter;
    }
}
