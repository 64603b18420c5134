#pragma once
// A window for the condition list's tests: the main window's template with
// the list's commands routed to it, the check box 1125 and the output field
// number edit 1002 bound, and the condition editor replaced by a script.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/window/Dialog.h"
#include "platform/window/Exchange.h"
#include "resources/Resources.h"
#include "settings/JobSettings.h"
#include "settings/SearchInf.h"
#include "settings/SearchList.h"
#include "ui/main/ConditionList.h"

namespace conditions_test {

// One opening of the editor: how it was opened and what the condition held then.
struct EditorCall {
    StrAddMode mode;
    const CSearchInf* condition;
    CSearchInf before;
};

class ListHost : public platform::Dialog {
public:
    // Scripted: editorAnswer stands in for the condition editor; Real: the list's own editor opens.
    enum class EditorKind { Scripted, Real };

    explicit ListHost(EditorKind editor = EditorKind::Scripted) : platform::Dialog(res::kMainDialog)
    {
        OnCommand(1027, [this] { list.Add(); });
        OnCommand(1031, [this] { list.Delete(); });
        OnCommand(1125, [this] { list.ExclusionSwitched(); });
        OnCommand(1064, [this] { list.ConditionFile(); });
        if (editor == EditorKind::Scripted)
            list.SetEditor([this](CSearchInf& condition, StrAddMode mode, QWidget*) {
                editorCalls.push_back({mode, &condition, condition});
                return editorAnswer(condition);
            });
    }

    JobSettings job;
    SearchList conditions;
    ConditionList list{*this, conditions, job, {[this] { return ReadBack(); }, [this] { Refresh(); }}};
    // What the scripted editor does with the condition; true stands for OK.
    std::function<bool(CSearchInf&)> editorAnswer = [](CSearchInf&) { return false; };
    std::vector<EditorCall> editorCalls;

protected:
    bool OnInitDialog() override
    {
        const bool focusFirst = platform::Dialog::OnInitDialog();
        list.Initialise();
        return focusFirst;
    }

    void DoDataExchange(platform::Exchange& exchange) override
    {
        exchange.Int(1002, job.KeyCol).Check(1125, job.AllSkipNoUse);
    }
};

}  // namespace conditions_test
