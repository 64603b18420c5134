#pragma once
// Counts the paint events a widget receives.

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace testing_support {

class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

}  // namespace testing_support
