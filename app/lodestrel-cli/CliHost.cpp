// The command-line program's side of a run.

#include "app/lodestrel-cli/CliHost.h"

#include <cstdio>

#include "platform/text/Convert.h"

// The progress display of one run: the terminal progress line for as long as
// the run holds it. Letting it go clears the line and marks the run's end.
class CliHost::Lease final : public ProgressMonitor {
public:
    explicit Lease(CliHost& host) : m_host(host) {}
    ~Lease() override
    {
        m_host.m_line.Clear();
        m_host.m_progressClosed = true;
    }

    void SetFileInfo(const std::string& path, int fileNumber, int fileTotal) override
    {
        m_host.m_progress.SetFileInfo(path, fileNumber, fileTotal);
    }
    void SetRecordTotal(int recordCount) override { m_host.m_progress.SetRecordTotal(recordCount); }
    void SetRecordPos(int recordNumber) override { m_host.m_progress.SetRecordPos(recordNumber); }
    void SetHitCount(int hitCount) override { m_host.m_progress.SetHitCount(hitCount); }
    void PumpMessages() override { m_host.m_progress.PumpMessages(); }
    bool IsCanceled() const override { return m_host.m_progress.IsCanceled(); }

private:
    CliHost& m_host;
};

CliHost::CliHost(Answering answering, SummaryStream summaryStream, ScreenSaverUse screenSaverUse)
    : m_line(StatusLine::ModeForStandardError(summaryStream == SummaryStream::StandardError)),
      m_prompter(m_line, answering),
      m_summaryStream(summaryStream)
{
    if (screenSaverUse == ScreenSaverUse::SwitchedOffDuringRun)
        m_screenSave.emplace();
}

ScreenSaverSwitch& CliHost::GetScreenSaver()
{
    if (m_screenSave)
        return *m_screenSave;
    return m_noScreenSaver;
}

std::unique_ptr<ProgressMonitor> CliHost::OpenProgress(const std::string&)
{
    m_progressClosed = false;
    return std::make_unique<Lease>(*this);
}

void CliHost::WriteSummary(const std::string& text)
{
    std::FILE* stream = m_summaryStream == SummaryStream::StandardOutput ? stdout : stderr;
    std::fputs((cp932::ToUtf8Lossy(text) + "\n").c_str(), stream);
    std::fflush(stream);
}

platform::MessageAnswer CliHost::SummaryRouter::Ask(const std::string& text, platform::MessageIcon icon,
                                                    platform::MessageButtons buttons)
{
    if (m_host.m_progressClosed && icon == platform::MessageIcon::Information &&
        buttons == platform::MessageButtons::Ok) {
        m_host.m_progressClosed = false;
        m_host.WriteSummary(text);
        return platform::MessageAnswer::Ok;
    }
    return m_host.m_prompter.Ask(text, icon, buttons);
}
