#pragma once
// The application: it owns the main window and the settings store, loads the
// settings, shows the main window once, saves the settings however the window
// was closed, and at the end deletes the conditions and removes the temporary
// copy of the help file. It also carries out the help command.

#include <filesystem>

#include "settings/store/RegStore.h"
#include "ui/app/HelpFile.h"
#include "ui/main/CLodestrelDlg.h"

class CLodestrelApp {
public:
    // The settings store of the current user.
    CLodestrelApp();
    // The settings store in storeFile.
    explicit CLodestrelApp(std::filesystem::path storeFile);

    // Loads the settings, shows the main window until it is closed, and saves
    // them. Returns false: no message loop follows.
    bool InitInstance();
    // Deletes the conditions and removes the temporary help copy; the program's exit code.
    int ExitInstance();
    // Menu 57670: the help file.
    void OnHelp();

    CLodestrelDlg& MainWindow() { return m_dialog; }
    CRegStore& Store() { return m_store; }
    HelpFile& Help() { return m_help; }

private:
    CLodestrelDlg m_dialog;
    CRegStore m_store;
    HelpFile m_help;
};
