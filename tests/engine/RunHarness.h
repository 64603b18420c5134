#pragma once
// The job state of a run and a host that records everything the run does to
// it: message boxes, the busy indicator, the screen-saver switch, the progress
// display and the window refresh, in one event list that keeps their order.

#include <memory>
#include <string>
#include <vector>

#include "RecordingPrompter.h"
#include "Sjis.h"
#include "engine/ExtractionRun.h"

// Event texts are ASCII, apart from message texts, which are code page 932.
class EventLog {
public:
    void Add(std::string event) { events.push_back(std::move(event)); }
    std::vector<std::string> events;
};

class LoggingPrompter : public RecordingPrompter {
public:
    explicit LoggingPrompter(EventLog& log) : m_log(log) {}
    platform::MessageAnswer Ask(const std::string& text, platform::MessageIcon icon,
                                platform::MessageButtons buttons) override
    {
        m_log.Add("prompt " + text);
        return RecordingPrompter::Ask(text, icon, buttons);
    }

private:
    EventLog& m_log;
};

class LoggingBusy : public BusyIndicator {
public:
    explicit LoggingBusy(EventLog& log) : m_log(log) {}
    void Begin() override { m_log.Add("busy begin"); }
    void End() override { m_log.Add("busy end"); }

private:
    EventLog& m_log;
};

class LoggingScreenSaver : public ScreenSaverSwitch {
public:
    explicit LoggingScreenSaver(EventLog& log) : m_log(log) {}
    void SwitchOff() override { m_log.Add("screen saver off"); }
    void Restore() override { m_log.Add("screen saver restored"); }

private:
    EventLog& m_log;
};

// What the progress display was told, kept by the host because the run
// destroys the display itself.
struct ProgressLog {
    struct FileInfo {
        std::string path;
        int fileNumber;
        int fileTotal;
    };
    std::vector<FileInfo> files;
    std::vector<int> recordTotals;
    int lastRecordPos = 0;
    std::vector<int> hitCounts;
    int pumps = 0;
    int cancelAtPump = 0;  // the pump (from 1) from which on IsCanceled is true; 0 never
};

class RecordingMonitor : public ProgressMonitor {
public:
    RecordingMonitor(ProgressLog& log, EventLog& events) : m_log(log), m_events(events) {}
    ~RecordingMonitor() override { m_events.Add("progress closed"); }

    void SetFileInfo(const std::string& path, int fileNumber, int fileTotal) override
    {
        m_log.files.push_back({path, fileNumber, fileTotal});
    }
    void SetRecordTotal(int recordCount) override { m_log.recordTotals.push_back(recordCount); }
    void SetRecordPos(int recordNumber) override { m_log.lastRecordPos = recordNumber; }
    void SetHitCount(int hitCount) override { m_log.hitCounts.push_back(hitCount); }
    void PumpMessages() override { ++m_log.pumps; }
    bool IsCanceled() const override { return m_log.cancelAtPump > 0 && m_log.pumps >= m_log.cancelAtPump; }

private:
    ProgressLog& m_log;
    EventLog& m_events;
};

class RunHarness : public RunHost {
public:
    // ScrOFF on, so that every test sees what a run does to the screen saver.
    RunHarness() { job.ScrOFF = 1; }

    platform::Prompter& GetPrompter() override { return prompter; }
    BusyIndicator& GetBusyIndicator() override { return busy; }
    ScreenSaverSwitch& GetScreenSaver() override { return screenSaverOverride ? *screenSaverOverride : screenSaver; }
    std::unique_ptr<ProgressMonitor> OpenProgress(const std::string& message) override
    {
        log.Add("progress opened " + message);
        return std::make_unique<RecordingMonitor>(progress, log);
    }
    void Repaint() override { ++repaints; }
    void RefreshControls() override { log.Add("controls refreshed"); }
    std::string TimeStamp() override { return stamps.at(stampsTaken++ % stamps.size()); }

    RunOutcome Run(const RunOptions& options = {})
    {
        JobState state{job, list, survey, HitCount, SkipCount};
        return RunExtraction(state, *this, options);
    }

    // Appends a condition; search and exclusions are UTF-8.
    CSearchInf& Add(std::string_view search, std::string_view exclusions = {}, int WildMode = 1)
    {
        auto condition = std::make_unique<CSearchInf>();
        condition->SearchString = Sjis(search);
        condition->WildMode = WildMode;
        condition->SkipUse = exclusions.empty() ? 0 : 1;
        condition->SkipStr = Sjis(exclusions);
        CSearchInf& added = *condition;
        list.Append(std::move(condition));
        return added;
    }

    // The events that are message boxes, their texts only.
    std::vector<std::string> Prompts() const { return prompter.Texts(); }
    bool Logged(const std::string& event) const
    {
        for (const std::string& e : log.events)
            if (e == event)
                return true;
        return false;
    }

    JobSettings job;
    SearchList list;
    SurveyValues survey;
    int HitCount = 0;
    int SkipCount = 0;

    EventLog log;
    LoggingPrompter prompter{log};
    LoggingBusy busy{log};
    LoggingScreenSaver screenSaver{log};
    ScreenSaverSwitch* screenSaverOverride = nullptr;
    ProgressLog progress;
    int repaints = 0;
    std::vector<std::string> stamps{"09:00:00", "09:00:05"};
    std::size_t stampsTaken = 0;
};

// Lines joined with the CR LF every result line ends with.
inline std::string CrLfLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// Lines joined with LF, as a source file may be written.
inline std::string LfLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}
