#pragma once
// One pass over a dialog's bound fields, in one direction: *read back* takes
// each control's contents into its field, *refresh* shows each field in its
// control. A dialog lists its bindings once, in DoDataExchange:
//
//     void DoDataExchange(platform::Exchange& ex) override
//     {
//         ex.Text(1008, m_job.SourceFile).Int(1002, m_job.KeyCol).Radio(1040, m_job.FileKind);
//     }
//
// A read back stops at the first control whose contents the field cannot take
// (an edit that is not an integer, a text over its byte limit or with a
// character that has no code page 932 form): the user is told why, the
// control gets the focus, and that field and the ones after it keep their
// values.

#include <cstdint>
#include <string>

namespace platform {

class Dialog;

class Exchange {
public:
    enum class Direction { ReadBack, Refresh };

    Exchange(Dialog& dialog, Direction direction);

    Direction GetDirection() const { return m_direction; }
    // True when a read back stopped at a control.
    bool Stopped() const { return m_stopped; }

    // Code page 932 text; byteLimit 0 for none.
    Exchange& Text(int id, std::string& field, int byteLimit = 0);
    // A decimal integer.
    Exchange& Int(int id, std::int32_t& field);
    // The position, from 0, of the checked radio in the group that starts at
    // firstId; -1 when none is checked.
    Exchange& Radio(int firstId, std::int32_t& field);
    // A check box as 1 or 0.
    Exchange& Check(int id, std::int32_t& field);

private:
    bool Skipping() const { return m_stopped; }
    void Stop(int id, const std::string& message);

    Dialog& m_dialog;
    Direction m_direction;
    bool m_stopped = false;
};

}  // namespace platform
