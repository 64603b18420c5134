#pragma once
// The progress of a run on the terminal: one status line with the file number,
// the records read of the current file, the hits of the run and the percentage,
// redrawn at most a few times a second. Cancelling is asked by Ctrl-C.

#include <chrono>
#include <string>

#include "app/lodestrel-cli/StatusLine.h"
#include "engine/ProgressMonitor.h"

class TerminalProgress final : public ProgressMonitor {
public:
    explicit TerminalProgress(StatusLine& line) : m_line(line) {}

    void SetFileInfo(const std::string& path, int fileNumber, int fileTotal) override;
    void SetRecordTotal(int recordCount) override;
    void SetRecordPos(int recordNumber) override { m_position = recordNumber; }
    void SetHitCount(int hitCount) override { m_hits = hitCount; }
    void PumpMessages() override;
    bool IsCanceled() const override;

    // The text of the line for the current state, at most width columns.
    std::string LineText(int width) const;

private:
    void Redraw();

    StatusLine& m_line;
    std::string m_fileName;  // the last part of the source path, code page 932
    int m_fileNumber = 0;
    int m_fileTotal = 0;
    int m_recordTotal = 0;
    int m_position = 0;
    int m_hits = 0;
    std::chrono::steady_clock::time_point m_lastDrawn;
};
