#include "ui/dialogs/CStrAddDlg.h"

#include <QWidget>

#include <array>
#include <utility>

#include "engine/Keywords.h"
#include "platform/text/Convert.h"
#include "platform/window/Exchange.h"
#include "platform/window/WindowPrompter.h"
#include "settings/SearchInf.h"

namespace {

constexpr int SearchStringEdit = 1016;
constexpr int SkipUseCheck = 1125;
constexpr int SkipStrEdit = 1026;
constexpr int NotUseCheck = 1126;
constexpr int WildModeCheck = 1127;
constexpr int SampleButton = 1080;

// Each keyword button and the class of the keyword it inserts.
constexpr std::array<std::pair<int, ClassMask>, 19> KeywordButtons = {{
    {1091, ClassBit::HalfDigit},
    {1092, ClassBit::HalfAlpha},
    {1093, ClassBit::HalfPunct},
    {1094, ClassBit::HalfKana},
    {1095, ClassBit::HalfControl},
    {1086, ClassBit::Symbol1},
    {1087, ClassBit::Symbol2},
    {1088, ClassBit::FullAlnum},
    {1089, ClassBit::Hiragana},
    {1090, ClassBit::Katakana},
    {1082, ClassBit::Greek},
    {1083, ClassBit::Cyrillic},
    {1084, ClassBit::Kanji1},
    {1085, ClassBit::Kanji2},
    {1076, ClassBit::Special},
    {1078, ClassBit::UserDefined},
    {1079, ClassBit::Extended},
    {1081, ClassBit::FullSmall},
    {1096, ClassBit::FullCapital},
}};

std::string_view KeywordOf(ClassMask keywordClass)
{
    for (const SpecialKeyword& keyword : SpecialKeywords)
        if (keyword.Class == keywordClass)
            return keyword.Text;
    return {};
}

const std::string& NoSkipStrMessage()
{
    static const std::string text = cp932::FromUtf8("除外文字列を入力して下さい。").value();
    return text;
}

}  // namespace

CStrAddDlg::CStrAddDlg(CSearchInf& record, StrAddMode mode, QWidget* owner)
    : CToolTipDialog(TemplateId, owner), m_record(record), m_mode(mode)
{
    OnCommand(NotUseCheck, [this] { SwitchClicked(); });
    OnCommand(SkipUseCheck, [this] { SwitchClicked(); });
    for (const auto& [id, keywordClass] : KeywordButtons)
        OnCommand(id, [this, keyword = KeywordOf(keywordClass)] { InsertKeyword(keyword); });
    // FIXME: "サンプル" (1080) is to open the character sample viewer, which the
    // program does not have yet; until then the button does nothing.
}

bool CStrAddDlg::OnInitDialog()
{
    const bool result = CToolTipDialog::OnInitDialog();
    setWindowTitle(m_mode == StrAddMode::Add ? QStringLiteral("検索文字列の追加") : QStringLiteral("検索文字列の変更"));
    m_searchNotUse = m_record.SearchNotUse;
    m_wildMode = m_record.WildMode;
    m_searchString = m_record.SearchString;
    m_skipUse = m_record.SkipUse;
    m_skipStr = m_record.SkipStr;
    Refresh();
    ApplyEnabling();
    return result;
}

void CStrAddDlg::DoDataExchange(platform::Exchange& exchange)
{
    // The flags first: the enabling rules need them even when a text is refused.
    exchange.Check(NotUseCheck, m_searchNotUse)
        .Check(WildModeCheck, m_wildMode)
        .Check(SkipUseCheck, m_skipUse)
        .Text(SearchStringEdit, m_searchString)
        .Text(SkipStrEdit, m_skipStr);
}

void CStrAddDlg::OnOK()
{
    if (!ReadBack())
        return;
    if (m_skipUse != 0 && m_skipStr.empty()) {
        platform::CurrentPrompter().Tell(NoSkipStrMessage(), platform::MessageIcon::Stop);
        Item(SkipStrEdit)->setFocus();
        return;
    }
    if (m_searchString.empty()) {
        Item(SearchStringEdit)->setFocus();
        return;
    }
    m_record.SearchNotUse = m_searchNotUse;
    m_record.WildMode = m_wildMode;
    m_record.SearchString = m_searchString;
    m_record.SkipUse = m_skipUse;
    m_record.SkipStr = m_skipStr;
    EndDialog(1);
}

void CStrAddDlg::SwitchClicked()
{
    // A refused text has been reported; the flags, read first, are taken anyway.
    ReadBack();
    ApplyEnabling();
}

void CStrAddDlg::ApplyEnabling()
{
    const bool usable = m_searchNotUse != 1;
    for (int id : {SearchStringEdit, WildModeCheck, SampleButton, SkipUseCheck})
        SetItemEnabled(id, usable);
    for (const auto& [id, keywordClass] : KeywordButtons)
        SetItemEnabled(id, usable);
    SetItemEnabled(SkipStrEdit, usable && m_skipUse != 0);
}

void CStrAddDlg::InsertKeyword(std::string_view keyword)
{
    m_searchString = keyword;
    SetItemText(SearchStringEdit, m_searchString);
}
