// The survey of a source file.

#include "engine/SourceSurvey.h"

#include <algorithm>
#include <climits>
#include <string_view>

#include "engine/FieldDelimiter.h"
#include "engine/FieldSplit.h"
#include "engine/FileIdentity.h"
#include "engine/Messages.h"
#include "platform/system/AvailableMemory.h"

using platform::MessageIcon;

namespace {

constexpr int AutomaticKind = 0;
constexpr int PlainTextKind = 3;

void ResetCounts(SurveyValues& values)
{
    values.RecordCount = 0;
    values.MaxFieldCount = 0;
    values.SourceLines.clear();
}

}  // namespace

SurveyResult SurveySource(Survey kind, JobSettings& job, SurveyValues& values,
                          platform::Prompter& prompter, BusyIndicator& busy)
{
    if (!IdentifyFile(job.SourceFile)) {
        prompter.Tell(msg::MissingSource(job.SourceFile), MessageIcon::Stop);
        return SurveyResult::Missing;
    }
    values.SampleRecords.clear();

    {
        // An open failure shows only in the memory check; detection then
        // finds nothing. Only the automatic kind reads the first lines.
        platform::RecordReader source;
        const bool opened = !source.Open(job.SourceFile);
        const bool detect = opened && job.FileKind == AutomaticKind;
        values.FieldDelimiter = ChooseFieldDelimiter(job, detect ? DetectDelimiter(source) : std::nullopt);
        if (job.OnMemory == 1) {
            const MemoryFit fit = CheckMemoryFit(source);
            if (fit == MemoryFit::NotOpen) {
                prompter.Tell(msg::SurveyOpen(job.SourceFile), MessageIcon::Stop);
                return SurveyResult::NotOpened;
            }
            if (fit == MemoryFit::MayNotFit && !prompter.Confirm(msg::MemoryQuestionText))
                return SurveyResult::Declined;
        }
    }

    BusyScope busyScope(busy);
    const int counted = CountRecords(job, values, prompter);
    BuildSampleRecords(values);
    if (kind == Survey::Interactive)
        job.KeyCol = 1;
    return counted == 0 ? SurveyResult::Done : SurveyResult::CountFailed;
}

MemoryFit CheckMemoryFit(const platform::RecordReader& source)
{
    if (!source.IsOpen())
        return MemoryFit::NotOpen;
    return FitsInMemory(source.Size(), platform::AvailableMemory()) ? MemoryFit::Fits : MemoryFit::MayNotFit;
}

bool FitsInMemory(std::uint64_t length, std::optional<std::uint64_t> available)
{
    // length × 3 <= available, without overflowing the product.
    return length <= available.value_or(0) / 3;
}

int CountRecords(const JobSettings& job, SurveyValues& values, platform::Prompter& prompter)
{
    ResetCounts(values);
    platform::RecordReader source;
    if (source.Open(job.SourceFile)) {
        prompter.Tell(msg::CountOpen(job.SourceFile), MessageIcon::Stop);
        return -1;
    }
    const bool keepLines = job.OnMemory == 1;
    int smallest = INT_MAX;
    std::string_view record;
    while (source.Next(record)) {
        const int fields = job.FileKind == PlainTextKind ? 1 : CountFields(record, values.FieldDelimiter);
        if (fields != 0) {
            values.MaxFieldCount = std::max(values.MaxFieldCount, fields);
            smallest = std::min(smallest, fields);
        }
        if (keepLines)
            values.SourceLines.emplace_back(record);
        ++values.RecordCount;
    }
    if (source.Failed()) {
        ResetCounts(values);
        values.SourceLines.shrink_to_fit();
        prompter.Tell(msg::SourceRead(job.SourceFile, source.Error()->reason), MessageIcon::Stop);
        return -1;
    }
    source.Close();
    values.SourceLines.shrink_to_fit();

    if (job.DirMode == 0 && values.MaxFieldCount != 0 && smallest != values.MaxFieldCount)
        prompter.Tell(msg::UnevenFields(smallest, values.MaxFieldCount), MessageIcon::Information);
    return 0;
}

void BuildSampleRecords(SurveyValues& values)
{
    values.SampleRecords.clear();
    const std::size_t count = std::min<std::size_t>(values.SourceLines.size(), SampleRecordLimit);
    values.SampleRecords.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        SplitFields(values.SourceLines[i], values.SampleRecords[i], values.MaxFieldCount, values.FieldDelimiter);
}
