#pragma once
// The progress dialog of an extraction run: the file being scanned, its
// record count, which file of how many, the records written so far, a bar
// over the records of the file and a looping animation, and the "中止"
// button, the one way to stop a run. The run calls it between records; its
// pump is the only place where the program handles input during a run.

#include <cstdint>
#include <string>

#include "engine/ProgressMonitor.h"
#include "platform/window/Dialog.h"

class QProgressBar;

namespace platform {
class AnimationView;
}

class CMsgDlg : public platform::Dialog, public ProgressMonitor {
public:
    // owner is the main window, over which the dialog stands.
    explicit CMsgDlg(QWidget* owner);

    // The message line until the first file starts; set before Create.
    void SetMessage(const std::string& text);
    // Shows the dialog at once, without waiting.
    void Create() override;
    // Closes the window for good.
    void Destroy();

    void SetFileInfo(const std::string& path, int fileNumber, int fileTotal) override;
    void SetRecordTotal(int recordCount) override;
    void SetRecordPos(int recordNumber) override;
    void SetHitCount(int hitCount) override;
    void PumpMessages() override;
    bool IsCanceled() const override;

protected:
    bool OnInitDialog() override;
    // "中止" and Escape: ask, and remember the answer. The dialog stays open.
    void OnCancel() override;
    void showEvent(QShowEvent* event) override;

private:
    void RefreshNumbers();
    void ShowNumber(int id, std::int32_t value);
    void StartAnimation();
    int BarPixels(int position) const;

    std::string m_fileName;
    std::string m_message;
    std::int32_t m_recordCount = 0;
    std::int32_t m_hitCount = 0;
    std::int32_t m_fileNumber = 0;
    std::int32_t m_fileTotal = 0;
    bool m_canceled = false;
    bool m_pumping = false;      // shown, so the pump has a window to serve
    platform::AnimationView* m_animation = nullptr;  // owned by its placeholder
    QProgressBar* m_bar = nullptr;
    int m_barWidth = 0;          // pixels the bar fills at its end
    int m_barPixels = 0;         // pixels filled as last drawn
};
