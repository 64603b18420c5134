#include "ui/main/ConditionList.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeWidget>

#include <algorithm>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/text/Convert.h"
#include "platform/text/LeadByte.h"
#include "platform/window/Dialog.h"
#include "platform/window/EditedText.h"
#include "platform/window/WindowPrompter.h"
#include "settings/JobSettings.h"
#include "settings/SearchInf.h"
#include "settings/SearchList.h"

namespace {

constexpr int AllSkipNoUseCheck = 1125;

struct Column {
    const char* header;  // UTF-8
    int width;           // pixels
    Qt::Alignment alignment;
};

constexpr Column Columns[] = {
    {"検索文字列", 190, Qt::AlignLeft},
    {"状態", 50, Qt::AlignHCenter},
    {"モード", 50, Qt::AlignHCenter},
    {"除外文字列", 110, Qt::AlignLeft},
};

const std::string& ListFullMessage()
{
    static const std::string text = cp932::FromUtf8("登録可能最大数を超えました。検索文字を削除して下さい。").value();
    return text;
}

// At most ColumnTextLimit bytes of text, cut before a character rather than
// through one.
std::string_view ClippedColumnText(std::string_view text)
{
    std::size_t length = std::min<std::size_t>(text.size(), ConditionList::ColumnTextLimit);
    if (!cp932::IsCharBoundary(text, length))
        --length;
    return text.substr(0, length);
}

bool OpenStrAddDlg(CSearchInf& condition, StrAddMode mode, QWidget* owner)
{
    CStrAddDlg editor(condition, mode, owner);
    return editor.DoModal() == 1;
}

}  // namespace

ConditionList::ConditionList(platform::Dialog& window, SearchList& conditions, JobSettings& job, WindowExchange exchange)
    : m_window(window), m_conditions(conditions), m_job(job), m_exchange(std::move(exchange)), m_editor(OpenStrAddDlg)
{
}

void ConditionList::Initialise()
{
    QTreeWidget& list = ListView();
    list.setColumnCount(static_cast<int>(std::size(Columns)));
    QTreeWidgetItem* header = list.headerItem();
    for (int column = 0; column < list.columnCount(); ++column) {
        header->setText(column, QString::fromUtf8(Columns[column].header));
        header->setTextAlignment(column, Columns[column].alignment | Qt::AlignVCenter);
        list.header()->resizeSection(column, Columns[column].width);
    }
    list.installEventFilter(this);
    connect(&list, &QTreeWidget::doubleClicked, this, [this] { Edit(); });
    RefillList();
}

void ConditionList::RenderRow(int position, const CSearchInf& condition)
{
    QTreeWidget& list = ListView();
    const bool showSkipStr = m_job.AllSkipNoUse == 0 && condition.SkipUse != 0;
    auto* row = new QTreeWidgetItem;
    row->setText(0, platform::ShownText(condition.SearchString));
    row->setText(1, condition.SearchNotUse == 1 ? QStringLiteral("無効") : QStringLiteral("有効"));
    row->setText(2, condition.IsMatchMode() ? QStringLiteral("と一致") : QStringLiteral("を含む"));
    row->setText(3, showSkipStr ? platform::ShownText(ClippedColumnText(condition.SkipStr)) : QString());
    for (int column = 0; column < list.columnCount(); ++column)
        row->setTextAlignment(column, Columns[column].alignment | Qt::AlignVCenter);
    list.insertTopLevelItem(position < 0 ? list.topLevelItemCount() : position, row);
}

void ConditionList::RefillList()
{
    ListView().clear();
    for (int position = 0; position < m_conditions.Count(); ++position)
        RenderRow(-1, m_conditions.At(position));
}

void ConditionList::Add()
{
    auto condition = std::make_unique<CSearchInf>();
    // A refused control has been reported and has the focus; a refresh after
    // the editor would overwrite what the user typed there, so nothing happens.
    if (!m_exchange.ReadBack())
        return;
    if (ListView().topLevelItemCount() >= SearchList::MaxCount) {
        platform::CurrentPrompter().Tell(ListFullMessage(), platform::MessageIcon::Stop);
        return;
    }
    if (!m_editor(*condition, StrAddMode::Add, &m_window))
        return;
    const CSearchInf& added = *condition;
    if (m_conditions.Append(std::move(condition)) != SearchList::AddResult::Added)
        return;
    RenderRow(-1, added);
    m_exchange.Refresh();
}

void ConditionList::Edit()
{
    if (!m_exchange.ReadBack())
        return;
    QTreeWidget& list = ListView();
    int topmost = -1;
    for (QTreeWidgetItem* item : list.selectedItems()) {
        const int position = list.indexOfTopLevelItem(item);
        if (topmost < 0 || position < topmost)
            topmost = position;
    }
    if (topmost < 0)
        return;
    CSearchInf& condition = m_conditions.At(topmost);
    if (!m_editor(condition, StrAddMode::Edit, &m_window))
        return;
    delete list.takeTopLevelItem(topmost);
    RenderRow(topmost, condition);
    m_exchange.Refresh();
}

void ConditionList::Delete()
{
    QTreeWidget& list = ListView();
    std::vector<int> positions;
    for (QTreeWidgetItem* item : list.selectedItems())
        positions.push_back(list.indexOfTopLevelItem(item));
    // From the bottom up, so that the positions still to go stay valid.
    std::sort(positions.begin(), positions.end(), std::greater<>());
    for (int position : positions) {
        delete list.takeTopLevelItem(position);
        m_conditions.RemoveAt(position);
    }
}

void ConditionList::ExclusionSwitched()
{
    // Column 3 follows the check box even when the read back stopped at
    // another control before reaching it.
    m_exchange.ReadBack();
    m_job.AllSkipNoUse = m_window.IsChecked(AllSkipNoUseCheck);
    RefillList();
}

void ConditionList::ConditionFile()
{
    if (!m_exchange.ReadBack())
        return;
    if (m_conditionFileFlow)
        m_conditionFileFlow(ListView().topLevelItemCount());
}

void ConditionList::SetEditor(Editor editor)
{
    m_editor = std::move(editor);
}

void ConditionList::SetConditionFileFlow(ConditionFileFlow flow)
{
    m_conditionFileFlow = std::move(flow);
}

QTreeWidget& ConditionList::ListView() const
{
    return *m_window.ItemAs<QTreeWidget>(ListViewId);
}

bool ConditionList::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Insert:
        Add();
        return true;
    case Qt::Key_Delete:
        Delete();
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}
