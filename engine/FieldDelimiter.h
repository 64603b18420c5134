#pragma once
// The field delimiter of a source file: chosen from FileKind, or detected from
// the first lines of the file. LF stands for no delimiter: records never hold
// one, so each record is then one field.
//
// The delimiter is a value the survey of a file returns and the scan of that
// file is given (SurveyValues::FieldDelimiter), not a process-wide variable.

#include <optional>
#include <span>
#include <string_view>

struct JobSettings;
namespace platform {
class RecordReader;
}

inline constexpr char NoDelimiter = '\n';

// The number of lines at the start of a file that detection looks at.
inline constexpr int DetectLineLimit = 11;

// The delimiter the first lines of a file decide: the first non-empty line among
// the first DetectLineLimit lines that holds a TAB, a comma or a vertical bar
// decides, TAB before comma before bar. The second byte of a double-byte
// character is never taken for one of them. nullopt when no line decides.
std::optional<char> DetectDelimiter(std::span<const std::string_view> firstLines);

// The same decision on an open source file, read from its start; the reader is
// left at the start again. A file that cannot be read or repositioned decides
// nothing (nullopt), so it is taken for one without a delimiter.
std::optional<char> DetectDelimiter(platform::RecordReader& source);

// The delimiter a file of job's FileKind is split at: 1 comma, 2 TAB, 3 none,
// 4 the first byte of EtcDelim. Kind 0 takes detected, the result of
// DetectDelimiter on the file (nullopt: none found, or the file could not be
// read). An empty EtcDelim and an unknown kind give no delimiter.
char ChooseFieldDelimiter(const JobSettings& job, std::optional<char> detected);
