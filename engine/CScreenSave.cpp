// The screen-saver switch over the X server's time-outs.

#include "engine/CScreenSave.h"

CScreenSave::CScreenSave() : m_captured(platform::ReadScreenTimeouts()) {}

void CScreenSave::SwitchOff()
{
    if (m_captured)
        platform::WriteScreenTimeouts(platform::ScreenTimeouts{});
}

void CScreenSave::Restore()
{
    if (m_captured)
        platform::WriteScreenTimeouts(*m_captured);
}
