#pragma once
// The condition editor: the modal dialog in which the user writes one search
// condition (search string, disabled flag, wildcard flag, exclusion strings).
// It works on the record it is given and changes it only when it ends with OK.

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/main/CToolTipDialog.h"

class CSearchInf;

// Add: a fresh condition for the list; Edit: a condition already in the list.
enum class StrAddMode { Add, Edit };

class CStrAddDlg : public CToolTipDialog {
public:
    static constexpr int TemplateId = 132;

    CStrAddDlg(CSearchInf& record, StrAddMode mode, QWidget* owner = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::Exchange& exchange) override;
    void OnOK() override;

private:
    void ApplyEnabling();
    void SwitchClicked();
    void InsertKeyword(std::string_view keyword);

    CSearchInf& m_record;
    StrAddMode m_mode;
    std::string m_searchString;
    std::int32_t m_skipUse = 0;
    std::string m_skipStr;
    std::int32_t m_searchNotUse = 0;
    std::int32_t m_wildMode = 1;
};
