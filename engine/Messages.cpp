// Filling in the engine's messages.

#include "engine/Messages.h"

namespace msg {

std::string FillIn(std::string_view format, std::initializer_list<std::string_view> values)
{
    std::string text;
    text.reserve(format.size() + 64);
    auto next = values.begin();
    for (std::size_t pos = 0; pos < format.size(); ++pos) {
        const bool place = format[pos] == '%' && pos + 1 < format.size()
            && (format[pos + 1] == 's' || format[pos + 1] == 'd');
        if (place && next != values.end()) {
            text += *next++;
            ++pos;
        } else {
            text += format[pos];
        }
    }
    return text;
}

std::string ResultOpen(std::string_view resultFile)
{
    return FillIn(ResultOpenFormat, {resultFile});
}

std::string ResultWrite(std::string_view resultFile, std::string_view reason)
{
    return FillIn(ResultWriteFormat, {resultFile, reason});
}

std::string Summary(int filesDone, int HitCount, std::string_view resultFile, int SkipCount,
                    std::string_view startStamp, std::string_view endStamp)
{
    return FillIn(SummaryFormat, {std::to_string(filesDone), std::to_string(HitCount), resultFile,
                                  std::to_string(SkipCount), startStamp, endStamp});
}

std::string SourceOpen(std::string_view path)
{
    return FillIn(SourceOpenFormat, {path});
}

std::string SourceRead(std::string_view path, std::string_view reason)
{
    return FillIn(SourceReadFormat, {path, reason});
}

std::string DirectoryLimit(int limit)
{
    return FillIn(DirectoryLimitFormat, {std::to_string(limit)});
}

std::string MissingSource(std::string_view path)
{
    return FillIn(MissingSourceFormat, {path});
}

std::string SurveyOpen(std::string_view path)
{
    return FillIn(SurveyOpenFormat, {path});
}

std::string CountOpen(std::string_view path)
{
    return FillIn(CountOpenFormat, {path});
}

std::string UnevenFields(int smallest, int largest)
{
    return FillIn(UnevenFieldsFormat, {std::to_string(smallest), std::to_string(largest)});
}

std::string LaunchFailed(std::string_view commandLine, int code)
{
    return FillIn(LaunchFailedFormat, {commandLine, std::to_string(code)});
}

}  // namespace msg
