#pragma once
// How the engine tells its host that it is busy without pumping messages (the
// survey's count, the directory walk): the window program captures the mouse
// and shows the wait cursor between Begin and End; a host without a window
// shows nothing.

class BusyIndicator {
public:
    virtual ~BusyIndicator() = default;
    virtual void Begin() = 0;
    virtual void End() = 0;
};

// Begin on construction, End on destruction.
class BusyScope {
public:
    explicit BusyScope(BusyIndicator& indicator) : m_indicator(indicator) { m_indicator.Begin(); }
    ~BusyScope() { m_indicator.End(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    BusyIndicator& m_indicator;
};
