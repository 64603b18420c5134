#include "platform/window/MenuBar.h"

#include <QAction>
#include <QMenu>

#include <vector>

namespace platform {

MenuBar::MenuBar(const res::Menu& menu, std::function<void(int)> command, QWidget* parent) : QMenuBar(parent)
{
    std::vector<QMenu*> open;  // the popups entered and not yet closed
    for (const res::MenuLine& line : menu.lines) {
        const QString text = QString::fromUtf8(line.text);
        switch (line.entry) {
        case res::MenuEntry::Popup:
            open.push_back(open.empty() ? addMenu(text) : open.back()->addMenu(text));
            break;
        case res::MenuEntry::End:
            open.pop_back();
            break;
        case res::MenuEntry::Separator:
            open.back()->addSeparator();
            break;
        case res::MenuEntry::Item: {
            QAction* action = open.back()->addAction(text);
            const int id = line.id;
            connect(action, &QAction::triggered, this, [command, id] { command(id); });
            m_items[id] = action;
            break;
        }
        }
    }
}

QAction* MenuBar::Item(int id) const
{
    const auto found = m_items.find(id);
    return found == m_items.end() ? nullptr : found->second;
}

void MenuBar::SetChecked(int id, bool checked)
{
    if (QAction* action = Item(id)) {
        action->setCheckable(checked);
        action->setChecked(checked);
    }
}

bool MenuBar::IsChecked(int id) const
{
    const QAction* action = Item(id);
    return action && action->isChecked();
}

}  // namespace platform
