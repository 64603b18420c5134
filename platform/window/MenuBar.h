#pragma once
// A dialog's menu bar built from a menu resource; each item sends its number
// to the dialog's command handler.

#include <QMenuBar>

#include <functional>
#include <map>

#include "resources/Template.h"

class QAction;

namespace platform {

class MenuBar : public QMenuBar {
public:
    MenuBar(const res::Menu& menu, std::function<void(int)> command, QWidget* parent);

    // The item with this number; nullptr when there is none.
    QAction* Item(int id) const;

    // A checked item shows a check mark; unchecked ones show nothing.
    void SetChecked(int id, bool checked);
    bool IsChecked(int id) const;

private:
    std::map<int, QAction*> m_items;
};

}  // namespace platform
