#include "ui/main/CLodestrelDlg.h"

#include <QWidget>

#include "engine/SourceSurvey.h"
#include "platform/window/Exchange.h"
#include "platform/window/Pictures.h"
#include "platform/window/WindowPrompter.h"
#include "resources/Resources.h"
#include "ui/main/MainWindowTexts.h"
#include "ui/main/WindowRunHost.h"

namespace {

// Controls of the source area.
constexpr int kFileModeRadio = 1042;
constexpr int kDirModeRadio = 1049;
constexpr int kSourceEdit = 1008;
constexpr int kBrowseSource = 1012;
constexpr int kViewSource = 1019;
constexpr int kRecordCount = 1018;
constexpr int kMaxFieldCount = 1023;
constexpr int kReload = 1025;
constexpr int kFolderEdit = 1010;
constexpr int kBrowseFolder = 1014;
constexpr int kPatternEdit = 1011;
constexpr int kSubDir = 1122;
// The result file.
constexpr int kViewResult = 1024;
constexpr int kResultEdit = 1021;
constexpr int kBrowseResult = 1022;
// File kinds, search and output modes.
constexpr int kFileKindRadios[] = {1040, 1043, 1046, 1052, 1041};
constexpr int kOtherDelimiter = 4;
constexpr int kDelimiterEdit = 1032;
constexpr int kLineSearch = 1044;
constexpr int kFieldSearch = 1045;
constexpr int kSearchColEdit = 1005;
constexpr int kChooseSearchCol = 1034;
constexpr int kPickModeRadios[] = {1060, 1063, 1061};
constexpr int kFieldOutput = 2;
constexpr int kKeyColEdit = 1002;
constexpr int kChooseKeyCol = 1035;
constexpr int kFindBreak = 1124;
constexpr int kAplExec = 1121;
constexpr int kAllSkipNoUse = 1125;
// Menu items without a button of their own.
constexpr int kMenuReload = 1020;
constexpr int kMenuExit = 57665;
constexpr int kMenuHelp = 57670;
constexpr int kMenuOnMemory = 32781;
constexpr int kMenuUppChk = 1007;
constexpr int kMenuDelQuot = 142;
constexpr int kMenuScrOFF = 32779;
constexpr int kMenuFileSaveRest = 32784;
constexpr int kMenuListSeq = 32785;
constexpr int kMenuCompanion = 32782;
constexpr int kComentItems[] = {1073, 1038, 1039, 1047, 1074};

constexpr bool InRange(int value, int count)
{
    return value >= 0 && value < count;
}

}  // namespace

CLodestrelDlg::CLodestrelDlg(QWidget* owner)
    : CToolTipDialog(res::kMainDialog, owner),
      m_conditionRows(*this, m_searchList, m_job, {[this] { return ReadBack(); }, [this] { Refresh(); }}),
      m_busy(*this),
      m_openDocument(platform::OpenDocument)
{
    m_folderEdit.AcceptFolder = 1;
    SetCustomControl(kSourceEdit, m_sourceEdit);
    SetCustomControl(kFolderEdit, m_folderEdit);
    SetCustomControl(kResultEdit, m_resultEdit);
    ConnectCommands();
    ConnectOptionMenu();
}

CLodestrelDlg::~CLodestrelDlg() = default;

void CLodestrelDlg::ConnectCommands()
{
    OnCommand(kFileModeRadio, [this] { SetDirMode(0); });
    OnCommand(kDirModeRadio, [this] { SetDirMode(1); });
    OnCommand(kReload, &CLodestrelDlg::Reload);
    OnCommand(kMenuReload, &CLodestrelDlg::Reload);
    OnCommand(kBrowseSource, &CLodestrelDlg::BrowseSourceFile);
    OnCommand(kBrowseResult, &CLodestrelDlg::BrowseResultFile);
    OnCommand(kBrowseFolder, &CLodestrelDlg::BrowseFolder);
    OnCommand(kViewSource, [this] { View(&JobSettings::SourceFile); });
    OnCommand(kViewResult, [this] { View(&JobSettings::ResultFile); });
    for (int kind = 0; kind < static_cast<int>(std::size(kFileKindRadios)); ++kind)
        OnCommand(kFileKindRadios[kind], [this, kind] { FileKindClicked(kind); });
    OnCommand(kLineSearch, [this] { SearchKindClicked(0); });
    OnCommand(kFieldSearch, [this] { SearchKindClicked(1); });
    for (int mode = 0; mode < static_cast<int>(std::size(kPickModeRadios)); ++mode)
        OnCommand(kPickModeRadios[mode], [this, mode] { PickModeClicked(mode); });
    OnCommand(kAplExec, &CLodestrelDlg::AplExecClicked);
    OnCommand(1027, [this] { m_conditionRows.Add(); });
    OnCommand(1031, [this] { m_conditionRows.Delete(); });
    OnCommand(kAllSkipNoUse, [this] { m_conditionRows.ExclusionSwitched(); });
    OnCommand(1064, [this] { m_conditionRows.ConditionFile(); });
    OnCommand(kMenuExit, [this] { RunCommand(2); });
    OnCommand(kMenuHelp, [this] {
        if (m_helpCommand)
            m_helpCommand();
    });
    // FIXME: the field selector (1034, 1035), the companion set-up (32782) and
    // the About box (57664) open their dialogs once those exist.
}

void CLodestrelDlg::ConnectOptionMenu()
{
    OnCommand(kMenuOnMemory, &CLodestrelDlg::ToggleOnMemory);
    OnCommand(kMenuUppChk, [this] { Toggle(&JobSettings::UppChk); });
    OnCommand(kMenuDelQuot, [this] { Toggle(&JobSettings::DelQuot); });
    OnCommand(kMenuScrOFF, [this] { Toggle(&JobSettings::ScrOFF); });
    OnCommand(kMenuFileSaveRest, [this] { Toggle(&JobSettings::FileSaveRest); });
    OnCommand(kMenuListSeq, [this] { Toggle(&JobSettings::ListSeq); });
    for (int coment = 0; coment < static_cast<int>(std::size(kComentItems)); ++coment)
        OnCommand(kComentItems[coment], [this, coment] { SetComent(coment); });
}

bool CLodestrelDlg::OnInitDialog()
{
    CToolTipDialog::OnInitDialog();
    setWindowIcon(platform::ApplicationIcon());
    m_conditionRows.Initialise();
    if (m_job.DirMode == 0 || m_job.DirMode == 1)
        EnableSourceControls();
    ApplyFileKind(m_job.FileKind);
    if (!InRange(m_job.PickMode, static_cast<int>(std::size(kPickModeRadios))))
        m_job.PickMode = 0;
    ApplyPickMode(m_job.PickMode);
    ApplySearchKind(m_job.SearchKind != 0 ? 1 : 0);
    if (InRange(m_job.Coment, static_cast<int>(std::size(kComentItems))))
        m_job.ComentChar = ComentCharFor(m_job.Coment);
    if (m_job.DelQuot != 0)
        m_job.DelQuot = 1;
    RefreshMenuChecks();
    if (!m_job.SourceFile.empty())
        SurveySourceFile();
    Refresh();
    return true;
}

void CLodestrelDlg::DoDataExchange(platform::Exchange& ex)
{
    ex.Text(kSourceEdit, m_job.SourceFile)
        .Text(kResultEdit, m_job.ResultFile)
        .Int(kRecordCount, m_survey.RecordCount)
        .Int(kKeyColEdit, m_job.KeyCol)
        .Int(kMaxFieldCount, m_survey.MaxFieldCount)
        .Radio(kFileKindRadios[0], m_job.FileKind)
        .Radio(kPickModeRadios[0], m_job.PickMode)
        .Text(kDelimiterEdit, m_job.EtcDelim, 1)
        .Radio(kLineSearch, m_job.SearchKind)
        .Text(kSearchColEdit, m_job.SearchCol)
        .Check(kAplExec, m_job.AplExec)
        .Text(kFolderEdit, m_job.SearchDir)
        .Radio(kFileModeRadio, m_job.DirMode)
        .Text(kPatternEdit, m_job.SearchFile)
        .Check(kSubDir, m_job.SubDir)
        .Check(kFindBreak, m_job.FindBreak)
        .Check(kAllSkipNoUse, m_job.AllSkipNoUse);
}

void CLodestrelDlg::OnOK()
{
    // A value the controls cannot give (an empty output field number) stops
    // the run before anything is created; the exchange has told the user.
    if (!ReadBack())
        return;
    WindowRunHost host(*this, m_busy, m_screenSave, [this] { Refresh(); });
    JobState state{m_job, m_searchList, m_survey, m_hitCount, m_skipCount};
    m_lastRun = RunExtraction(state, host);
    // However the run ended (done, cancelled, a failed write), the controls show the job as it now is.
    Refresh();
    if (m_lastRun.focusControl != 0)
        FocusControl(m_lastRun.focusControl);
}

void CLodestrelDlg::done(int result)
{
    ReadBack();
    m_survey.SampleRecords.clear();
    CToolTipDialog::done(result);
}

void CLodestrelDlg::FocusControl(int id)
{
    if (QWidget* control = Item(id))
        control->setFocus(Qt::OtherFocusReason);
}

// Source area

void CLodestrelDlg::EnableSourceControls()
{
    const bool fileMode = m_job.DirMode == 0;
    for (int id : {kBrowseSource, kSourceEdit, kViewSource, kReload})
        SetItemEnabled(id, fileMode);
    for (int id : {kBrowseFolder, kFolderEdit, kPatternEdit, kSubDir})
        SetItemEnabled(id, !fileMode);
    Refresh();
}

void CLodestrelDlg::SetDirMode(int DirMode)
{
    ReadBack();
    m_job.DirMode = DirMode;
    EnableSourceControls();
}

void CLodestrelDlg::SurveySourceFile()
{
    SurveySource(Survey::Interactive, m_job, m_survey, platform::CurrentPrompter(), m_busy);
}

void CLodestrelDlg::Reload()
{
    ReadBack();
    if (m_job.SourceFile.empty())
        return;
    SurveySourceFile();
    Refresh();
}

// File kind, search and output modes

void CLodestrelDlg::ApplyFileKind(int FileKind)
{
    if (InRange(FileKind, static_cast<int>(std::size(kFileKindRadios))))
        SetItemEnabled(kDelimiterEdit, FileKind == kOtherDelimiter);
}

void CLodestrelDlg::FileKindClicked(int FileKind)
{
    // Only the enabling follows the click; FileKind takes the radio at the next read back.
    ApplyFileKind(FileKind);
}

void CLodestrelDlg::ApplySearchKind(int SearchKind)
{
    const bool fields = SearchKind != 0;
    SetItemEnabled(kSearchColEdit, fields);
    SetItemEnabled(kChooseSearchCol, fields);
    m_job.SearchKind = SearchKind;
    if (!fields)
        m_job.SearchCol.clear();
}

void CLodestrelDlg::SearchKindClicked(int SearchKind)
{
    ReadBack();
    ApplySearchKind(SearchKind);
    Refresh();
}

void CLodestrelDlg::ApplyPickMode(int PickMode)
{
    const bool field = PickMode == kFieldOutput;
    SetItemEnabled(kKeyColEdit, field);
    SetItemEnabled(kChooseKeyCol, field);
    m_job.PickMode = PickMode;
    if (!field)
        m_job.KeyCol = 1;
}

void CLodestrelDlg::PickModeClicked(int PickMode)
{
    ReadBack();
    ApplyPickMode(PickMode);
    Refresh();
}

void CLodestrelDlg::AplExecClicked()
{
    if (m_job.AplName.empty()) {
        m_job.AplExec = 0;
        SetCheck(kAplExec, 0);
        return;
    }
    m_job.AplExec = IsChecked(kAplExec);
}

// Browsing and viewing

void CLodestrelDlg::BrowseSourceFile()
{
    ReadBack();
    const std::optional<std::string> chosen = platform::BrowseForFile(
        this, {platform::FileDialogKind::Open, main_text::SourceFileTitle(), main_text::SourceFileFilter(),
               m_job.SourceFile, platform::FileMustExist | platform::PathMustExist});
    if (!chosen)
        return;
    m_job.SourceFile = *chosen;
    SurveySourceFile();
    Refresh();
}

void CLodestrelDlg::BrowseResultFile()
{
    ReadBack();
    const std::optional<std::string> chosen = platform::BrowseForFile(
        this, {platform::FileDialogKind::Save, main_text::ResultFileTitle(), main_text::ResultFileFilter(),
               m_job.ResultFile, platform::PathMustExist | platform::AskOverwrite});
    if (!chosen)
        return;
    m_job.ResultFile = *chosen;
    Refresh();
}

void CLodestrelDlg::BrowseFolder()
{
    ReadBack();
    const std::string title
        = m_job.SearchDir.empty() ? main_text::FolderTitle() : main_text::FolderTitleWith(m_job.SearchDir);
    if (const std::optional<std::string> chosen = platform::CurrentPrompter().ChooseFolder(this, {title, m_job.SearchDir}))
        m_job.SearchDir = *chosen;
    Refresh();
}

void CLodestrelDlg::View(const std::string JobSettings::*file)
{
    ReadBack();
    ViewFile(m_job.*file, m_job.AplName, m_openDocument, platform::CurrentPrompter());
}

// Option menu

void CLodestrelDlg::Toggle(int JobSettings::*field)
{
    m_job.*field = m_job.*field == 0 ? 1 : 0;
    RefreshMenuChecks();
}

void CLodestrelDlg::ToggleOnMemory()
{
    Toggle(&JobSettings::OnMemory);
    if (m_job.SourceFile.empty() || !platform::CurrentPrompter().Confirm(main_text::ReloadQuestion()))
        return;
    ReadBack();
    if (m_job.SourceFile.empty())
        return;
    SurveySourceFile();
    Refresh();
}

void CLodestrelDlg::SetComent(int Coment)
{
    m_job.Coment = Coment;
    m_job.ComentChar = ComentCharFor(Coment);
    RefreshMenuChecks();
}

void CLodestrelDlg::RefreshMenuChecks()
{
    SetMenuCheck(kMenuUppChk, m_job.UppChk != 0);
    SetMenuCheck(kMenuDelQuot, m_job.DelQuot != 0);
    SetMenuCheck(kMenuScrOFF, m_job.ScrOFF != 0);
    SetMenuCheck(kMenuOnMemory, m_job.OnMemory != 0);
    SetMenuCheck(kMenuListSeq, m_job.ListSeq != 0);
    for (int coment = 0; coment < static_cast<int>(std::size(kComentItems)); ++coment)
        SetMenuCheck(kComentItems[coment], m_job.Coment == coment);
    SetMenuCheck(kMenuCompanion, !m_job.AplName.empty());
    SetMenuCheck(kMenuFileSaveRest, m_job.FileSaveRest != 0);
}
