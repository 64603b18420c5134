#pragma once
// While it lives, the user's input (mouse, keyboard, closing a window) goes
// only to one window and to the windows opened after the gate, such as a
// message box that window asks; the other windows still repaint but ignore
// input. This is what lets a long run handle its progress window's events
// without the rest of the program reacting.

#include <QObject>
#include <QSet>

class QWidget;

namespace platform {

class InputGate : public QObject {
public:
    explicit InputGate(QWidget& open);
    ~InputGate() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSet<const QWidget*> m_closed;  // the windows that existed before, except the open one
};

}  // namespace platform
