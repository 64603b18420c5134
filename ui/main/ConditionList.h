#pragma once
// The condition list of the main window: list view 1067 shows SearchList, one
// row per condition in list order, and the commands that add (1027, Insert
// key), edit (double click), delete (1031, Delete key) and switch all
// exclusion strings off (check box 1125) keep the rows and SearchList alike.
//
// The list works on the main window's controls but knows nothing of the main
// window itself: the window's read back and refresh are given to it, and the
// window routes its commands here:
//
//     OnCommand(1027, [this] { m_conditions.Add(); });
//     OnCommand(1031, [this] { m_conditions.Delete(); });
//     OnCommand(1125, [this] { m_conditions.ExclusionSwitched(); });
//     OnCommand(1064, [this] { m_conditions.ConditionFile(); });
//
// and calls Initialise from its OnInitDialog. The keys and the double click
// are picked up from the list view by the list itself.

#include <QObject>

#include <functional>

#include "ui/dialogs/CStrAddDlg.h"

class CSearchInf;
struct JobSettings;
class QTreeWidget;
class SearchList;

namespace platform {
class Dialog;
}

class ConditionList : public QObject {
public:
    // The main window's two whole-window steps.
    struct WindowExchange {
        std::function<bool()> ReadBack;  // controls into fields; false when it stopped at a control
        std::function<void()> Refresh;   // fields into controls
    };

    // Opens the condition editor modally on condition; true when it ended with
    // OK. The default is CStrAddDlg owned by the main window.
    using Editor = std::function<bool(CSearchInf& condition, StrAddMode mode, QWidget* owner)>;

    // The read or write of a condition file, given the number of rows; after
    // reading conditions it calls RefillList and the window's refresh.
    using ConditionFileFlow = std::function<void(int rowCount)>;

    static constexpr int ListViewId = 1067;
    static constexpr int ColumnTextLimit = 2047;  // bytes of a column's text that are shown

    ConditionList(platform::Dialog& window, SearchList& conditions, JobSettings& job, WindowExchange exchange);

    // After the window's controls exist: the columns, the key and double-click
    // handling, and the rows of SearchList.
    void Initialise();

    // Inserts a row for condition at position (-1: at the end), not selected.
    void RenderRow(int position, const CSearchInf& condition);
    // Every row again, from SearchList.
    void RefillList();

    void Add();
    void Edit();
    void Delete();
    void ExclusionSwitched();
    // Button 1064: read back, then the condition-file flow, when one is set.
    void ConditionFile();

    void SetEditor(Editor editor);
    void SetConditionFileFlow(ConditionFileFlow flow);

    QTreeWidget& ListView() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    platform::Dialog& m_window;
    SearchList& m_conditions;
    JobSettings& m_job;
    WindowExchange m_exchange;
    Editor m_editor;
    ConditionFileFlow m_conditionFileFlow;
};
