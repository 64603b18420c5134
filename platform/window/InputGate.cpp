#include "platform/window/InputGate.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace platform {
namespace {

bool IsUserInput(const QEvent& event)
{
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::Drop:
        return true;
    case QEvent::Close:
        return event.spontaneous();
    default:
        return false;
    }
}

}  // namespace

InputGate::InputGate(QWidget& open)
{
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window != &open)
            m_closed.insert(window);
    qApp->installEventFilter(this);
}

InputGate::~InputGate()
{
    qApp->removeEventFilter(this);
}

bool InputGate::eventFilter(QObject* watched, QEvent* event)
{
    if (!watched->isWidgetType() || !IsUserInput(*event))
        return false;
    return m_closed.contains(static_cast<QWidget*>(watched)->window());
}

}  // namespace platform
