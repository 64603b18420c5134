#include "ui/app/CLodestrelApp.h"

#include "platform/window/WindowPrompter.h"

CLodestrelApp::CLodestrelApp()
{
    m_dialog.SetHelpCommand([this] { OnHelp(); });
}

CLodestrelApp::CLodestrelApp(std::filesystem::path storeFile) : m_store(std::move(storeFile))
{
    m_dialog.SetHelpCommand([this] { OnHelp(); });
}

bool CLodestrelApp::InitInstance()
{
    m_store.Load(m_dialog.Job(), m_dialog.Conditions());
    m_dialog.DoModal();
    m_store.Save(m_dialog.Job(), m_dialog.Conditions());
    return false;
}

int CLodestrelApp::ExitInstance()
{
    m_dialog.Conditions().DeleteAll();
    m_help.RemoveTemporaryCopy();
    return 0;
}

void CLodestrelApp::OnHelp()
{
    m_help.Open(platform::CurrentPrompter());
}
