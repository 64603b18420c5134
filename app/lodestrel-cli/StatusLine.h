#pragma once
// The one line at the bottom of a terminal's standard error that the progress
// display redraws in place. Messages clear it before they are written, so that
// they never run into it. When standard error is not a terminal nothing is
// ever drawn.

#include <string_view>

enum class StatusLineMode { Off, OnTerminal };

class StatusLine {
public:
    explicit StatusLine(StatusLineMode mode) : m_mode(mode) {}
    StatusLine(const StatusLine&) = delete;
    StatusLine& operator=(const StatusLine&) = delete;
    ~StatusLine() { Clear(); }

    // On when standard error is a terminal, unless the hits go to standard
    // output on a terminal too, where the line would run into them.
    static StatusLineMode ModeForStandardError(bool resultToStandardOutput);

    bool Enabled() const { return m_mode == StatusLineMode::OnTerminal; }
    // Columns available for the text; a line must not wrap, or it could not be
    // redrawn in place.
    int Width() const;

    // Replaces the line with utf8 (a single line, at most Width() columns).
    void Draw(std::string_view utf8);
    void Clear();

private:
    StatusLineMode m_mode;
    bool m_drawn = false;
};
