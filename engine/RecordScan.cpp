// The record scan.

#include "engine/RecordScan.h"

#include <algorithm>
#include <charconv>

#include "engine/FieldNumbers.h"
#include "engine/FieldSplit.h"
#include "engine/Messages.h"

namespace {

constexpr int PumpInterval = 100;
constexpr int TagJumpOutput = 1;
constexpr int FieldOutput = 2;

}  // namespace

RecordScan::RecordScan(const JobSettings& job, const SurveyValues& survey, const CompiledConditions& conditions,
                       ResultSink& result, ProgressMonitor& monitor, platform::Prompter& prompter,
                       std::function<void()> repaint, int& HitCount, int& SkipCount)
    : m_job(job),
      m_survey(survey),
      m_conditions(conditions),
      m_result(result),
      m_monitor(monitor),
      m_prompter(prompter),
      m_repaint(std::move(repaint)),
      m_hitCount(HitCount),
      m_skipCount(SkipCount)
{
}

ScanResult RecordScan::ExtractFile(const std::string& path, int fileNumber, int fileTotal)
{
    if (m_job.ListSeq == 0)
        return ScanFile(path, fileNumber, fileTotal, -1);
    ScanResult outcome = ScanResult::Completed;
    for (int index = 0; index < m_conditions.Count(); ++index) {
        const ScanResult pass = ScanFile(path, fileNumber, fileTotal, index);
        if (pass == ScanResult::Cancelled || pass == ScanResult::WriteFailed)
            return pass;
        if (pass == ScanResult::SourceFailed)
            outcome = pass;
    }
    return outcome;
}

bool RecordScan::OpenSource(const std::string& path)
{
    if (MemoryMode())
        return true;
    if (m_reader.Open(path)) {
        m_prompter.Tell(msg::SourceOpen(path), platform::MessageIcon::Stop);
        return false;
    }
    return true;
}

void RecordScan::PreparePass()
{
    m_searchFields.clear();
    if (m_job.SearchKind != 0)
        m_searchFields = ParseFieldNumbers(m_job.SearchCol);
    // Split only as far as the comment test, the field search and the field
    // output look.
    int needed = m_job.Coment != 0 ? 1 : 0;
    for (int number : m_searchFields)
        needed = std::max(needed, number);
    if (m_job.PickMode == FieldOutput)
        needed = std::max(needed, m_job.KeyCol);
    m_fieldsNeeded = std::min(needed, m_survey.MaxFieldCount);
}

ScanResult RecordScan::ScanFile(const std::string& path, int fileNumber, int fileTotal, int conditionIndex)
{
    if (!OpenSource(path))
        return ScanResult::SourceFailed;
    PreparePass();
    m_monitor.SetFileInfo(path, fileNumber, fileTotal);
    m_monitor.SetRecordTotal(m_survey.RecordCount);

    ScanResult outcome = ScanResult::Completed;
    std::string_view record;
    for (int index = 0;; ++index) {
        if (index % PumpInterval == 0) {
            m_repaint();
            m_monitor.PumpMessages();
            if (m_monitor.IsCanceled()) {
                outcome = ScanResult::Cancelled;
                break;
            }
        }
        m_monitor.SetRecordPos(index + 1);
        if (!NextRecord(index, record))
            break;
        if (m_fieldsNeeded > 0)
            SplitFields(record, m_fields, m_fieldsNeeded, m_survey.FieldDelimiter);
        if (IsComment() || !IsHit(record, conditionIndex))
            continue;
        BuildOutput(path, index + 1, record);
        if (platform::FileResult error = m_result.Write(m_output)) {
            m_writeError = std::move(error);
            outcome = ScanResult::WriteFailed;
            break;
        }
        ++m_hitCount;
        m_monitor.SetHitCount(m_hitCount);
        if (m_job.FindBreak == 1)
            break;
    }
    if (!MemoryMode()) {
        if (outcome == ScanResult::Completed && m_reader.Failed()) {
            m_prompter.Tell(msg::SourceRead(path, m_reader.Error()->reason), platform::MessageIcon::Stop);
            outcome = ScanResult::SourceFailed;
        }
        m_reader.Close();
    }
    return outcome;
}

bool RecordScan::NextRecord(int index, std::string_view& record)
{
    if (!MemoryMode())
        return m_reader.Next(record);
    if (static_cast<std::size_t>(index) >= m_survey.SourceLines.size())
        return false;
    record = m_survey.SourceLines[index];
    return true;
}

bool RecordScan::IsComment() const
{
    if (m_job.Coment == 0 || m_fieldsNeeded < 1 || m_job.ComentChar.empty())
        return false;
    const std::string& first = m_fields.front();
    return !first.empty() && first.front() == m_job.ComentChar.front();
}

std::string_view RecordScan::Field(int number) const
{
    // A field the record (or the file) does not have is an empty text.
    if (number < 1 || number > m_fieldsNeeded)
        return {};
    return m_fields[number - 1];
}

bool RecordScan::IsHit(std::string_view record, int conditionIndex)
{
    if (m_job.SearchKind == 0)
        return TestText(record, conditionIndex);
    for (int number : m_searchFields)
        if (TestText(Field(number), conditionIndex))
            return true;
    return false;
}

bool RecordScan::TestText(std::string_view text, int conditionIndex)
{
    if (conditionIndex < 0)
        return m_conditions.MatchAny(text, m_skipCount, m_scratch);
    return m_conditions.MatchOne(conditionIndex, text, m_skipCount, m_scratch);
}

void RecordScan::BuildOutput(const std::string& path, int recordNumber, std::string_view record)
{
    m_output.clear();
    if (m_job.PickMode == TagJumpOutput) {
        char number[16];
        const auto end = std::to_chars(number, number + sizeof number, recordNumber).ptr;
        m_output += path;
        m_output += '(';
        m_output.append(number, end);
        m_output += "):";
        m_output += record;
    } else if (m_job.PickMode == FieldOutput) {
        m_output += Field(m_job.KeyCol);
    } else {
        m_output += record;
    }
    m_output += '\n';
}
