#pragma once
// A private virtual X server for tests that need a real display: started on a
// free display number, named in DISPLAY while the object lives, stopped after.
// It does not reset when its last client leaves, so settings made by one
// connection are still there for the next.

#include <string>
#include <sys/types.h>

class XvfbServer {
public:
    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    bool Running() const { return m_pid > 0; }
    const std::string& Display() const { return m_display; }

private:
    pid_t m_pid = -1;
    std::string m_display;
    std::string m_oldDisplay;
    bool m_hadDisplay = false;
};
