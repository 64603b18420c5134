#pragma once
// The main window: it holds the job's options and the condition list, shows
// every option in a control, keeps the controls' enabled state in step with
// the chosen modes, and carries the program's commands: browse for and view
// the source and result files, survey the source file again, the option
// menu, the condition list, the extraction run ("抽出", Enter) and closing.

#include <functional>
#include <string>

#include "engine/CScreenSave.h"
#include "engine/ExtractionRun.h"
#include "settings/JobSettings.h"
#include "settings/SearchList.h"
#include "settings/SurveyValues.h"
#include "ui/main/CDropEdit.h"
#include "ui/main/CToolTipDialog.h"
#include "ui/main/ConditionList.h"
#include "ui/main/ViewFile.h"
#include "ui/main/WindowBusyIndicator.h"

class CLodestrelDlg : public CToolTipDialog {
public:
    explicit CLodestrelDlg(QWidget* owner = nullptr);
    ~CLodestrelDlg() override;

    JobSettings& Job() { return m_job; }
    SearchList& Conditions() { return m_searchList; }
    const SurveyValues& Survey() const { return m_survey; }
    ConditionList& ConditionRows() { return m_conditionRows; }
    int HitCount() const { return m_hitCount; }
    int SkipCount() const { return m_skipCount; }
    // How the last extraction run ended.
    const RunOutcome& LastRun() const { return m_lastRun; }

    // File mode enables the source-file controls, directory mode the
    // directory controls; then the controls show the fields.
    void EnableSourceControls();
    // The option menu's check marks from the fields.
    void RefreshMenuChecks();

    // The application's help command (menu 57670).
    void SetHelpCommand(std::function<void()> help) { m_helpCommand = std::move(help); }
    // The desktop's viewer for the view commands.
    void SetDocumentOpener(DocumentOpener opener) { m_openDocument = std::move(opener); }

    // Every way of closing ends here: the fields take what the controls show last.
    void done(int result) override;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::Exchange& exchange) override;
    // The extraction run.
    void OnOK() override;

private:
    void ConnectCommands();
    void ConnectOptionMenu();

    void SurveySourceFile();
    void SetDirMode(int DirMode);
    void Reload();

    void ApplyFileKind(int FileKind);
    void ApplySearchKind(int SearchKind);
    void ApplyPickMode(int PickMode);
    void FileKindClicked(int FileKind);
    void SearchKindClicked(int SearchKind);
    void PickModeClicked(int PickMode);
    void AplExecClicked();

    void BrowseSourceFile();
    void BrowseResultFile();
    void BrowseFolder();
    void View(const std::string JobSettings::*file);

    void Toggle(int JobSettings::*field);
    void ToggleOnMemory();
    void SetComent(int Coment);

    void FocusControl(int id);

    JobSettings m_job;
    SearchList m_searchList;
    SurveyValues m_survey;
    int m_hitCount = 0;   // records written by the last run
    int m_skipCount = 0;  // hits cancelled by an exclusion string in the last run
    RunOutcome m_lastRun;

    CDropEdit m_sourceEdit;  // 1008
    CDropEdit m_folderEdit;  // 1010
    CDropEdit m_resultEdit;  // 1021
    ConditionList m_conditionRows;
    WindowBusyIndicator m_busy;
    CScreenSave m_screenSave;  // the display's time-outs as the program found them
    std::function<void()> m_helpCommand;
    DocumentOpener m_openDocument;
};
