#pragma once
// What an extraction run reports while it goes, and how it learns that the user
// wants it stopped. The window program shows it in the progress dialog, the
// command-line program on the terminal.

#include <string>

class ProgressMonitor {
public:
    virtual ~ProgressMonitor() = default;

    // A new source file starts: its path (code page 932), its number from 1 and the number of files.
    virtual void SetFileInfo(const std::string& path, int fileNumber, int fileTotal) = 0;
    // The record count of the current file.
    virtual void SetRecordTotal(int recordCount) = 0;
    // The number (from 1) of the record being scanned; called for every record, so keep it cheap.
    virtual void SetRecordPos(int recordNumber) = 0;
    // Records written so far in the whole run.
    virtual void SetHitCount(int hitCount) = 0;
    // Lets the user interface handle pending input; called every hundredth record.
    virtual void PumpMessages() = 0;
    virtual bool IsCanceled() const = 0;
};
