#include "platform/window/InputGate.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

struct Window {
    Window()
    {
        auto* layout = new QVBoxLayout(&widget);
        layout->addWidget(&button);
        QObject::connect(&button, &QPushButton::clicked, [this] { ++clicks; });
        widget.show();
    }
    QWidget widget;
    QPushButton button{QStringLiteral("button")};
    int clicks = 0;
};

TEST(InputGate, OnlyTheOpenWindowAndWindowsOpenedLaterTakeInput)
{
    Window open, closed;
    {
        platform::InputGate gate(open.widget);
        Window later;
        QTest::mouseClick(&open.button, Qt::LeftButton);
        QTest::mouseClick(&closed.button, Qt::LeftButton);
        QTest::mouseClick(&later.button, Qt::LeftButton);
        closed.button.setFocus();
        QTest::keyClick(&closed.button, Qt::Key_Space);
        EXPECT_EQ(open.clicks, 1);
        EXPECT_EQ(closed.clicks, 0);
        EXPECT_EQ(later.clicks, 1);
    }
    QTest::mouseClick(&closed.button, Qt::LeftButton);
    EXPECT_EQ(closed.clicks, 1);
}

}  // namespace
