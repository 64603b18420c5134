#pragma once
// What the extraction run needs from the command-line program: messages and
// questions on the terminal, the progress line, the screen-saver switch. The
// run's summary is not a message here but the program's output: it goes to
// standard output, or to standard error when the hits themselves go to
// standard output.

#include <memory>
#include <optional>

#include "app/lodestrel-cli/StatusLine.h"
#include "app/lodestrel-cli/TerminalProgress.h"
#include "app/lodestrel-cli/TerminalPrompter.h"
#include "engine/CScreenSave.h"
#include "engine/ExtractionRun.h"

// Where the run's summary goes: standard output, or standard error when the
// hits themselves go to standard output.
enum class SummaryStream { StandardOutput, StandardError };
enum class ScreenSaverUse { Untouched, SwitchedOffDuringRun };

class CliHost final : public RunHost {
public:
    CliHost(Answering answering, SummaryStream summaryStream, ScreenSaverUse screenSaverUse);

    platform::Prompter& GetPrompter() override { return m_summaryRouter; }
    BusyIndicator& GetBusyIndicator() override { return m_busy; }
    ScreenSaverSwitch& GetScreenSaver() override;
    std::unique_ptr<ProgressMonitor> OpenProgress(const std::string& message) override;

private:
    // The run shows its summary as an information message once its progress
    // display is closed; that one message becomes the program's output, every
    // other goes to the terminal prompter.
    class SummaryRouter final : public platform::Prompter {
    public:
        explicit SummaryRouter(CliHost& host) : m_host(host) {}
        platform::MessageAnswer Ask(const std::string& text, platform::MessageIcon icon,
                                    platform::MessageButtons buttons) override;

    private:
        CliHost& m_host;
    };

    class Lease;

    // Nothing to show: the run's survey and walk are short next to its scan,
    // and the progress line follows them at once.
    class QuietBusy final : public BusyIndicator {
    public:
        void Begin() override {}
        void End() override {}
    };

    // ScrOFF 0: the run never calls the switch.
    class NoScreenSaver final : public ScreenSaverSwitch {
    public:
        void SwitchOff() override {}
        void Restore() override {}
    };

    void WriteSummary(const std::string& text);

    StatusLine m_line;
    TerminalPrompter m_prompter;
    SummaryRouter m_summaryRouter{*this};
    TerminalProgress m_progress{m_line};
    QuietBusy m_busy;
    std::optional<CScreenSave> m_screenSave;  // captured at start, only when it will be used
    NoScreenSaver m_noScreenSaver;
    SummaryStream m_summaryStream;
    bool m_progressClosed = false;
};
