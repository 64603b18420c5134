#pragma once
// The wait cursor with the mouse captured by a window, for as long as the
// object lives: while a long step runs without handling input, the user sees
// that the program is busy and clicks cannot reach other windows.

class QWidget;

namespace platform {

class WaitCursor {
public:
    // capture may be nullptr: then only the cursor changes.
    explicit WaitCursor(QWidget* capture);
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    QWidget* m_capture;
};

}  // namespace platform
