#include "platform/window/PaintPending.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "tests/platform/window/support/PaintCounter.h"

using testing_support::PaintCounter;

TEST(PaintPending, PaintsAnInvalidatedChildAtOnceWithoutRunningTheEventLoop)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* label = new QLabel("text");
    auto* other = new QLabel("other");
    layout->addWidget(label);
    layout->addWidget(other);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();

    PaintCounter labelPaints(label);
    PaintCounter otherPaints(other);
    label->update();
    platform::PaintPending(*label);
    EXPECT_EQ(labelPaints.paints, 1);
    EXPECT_EQ(otherPaints.paints, 0);  // only what was invalid is painted

    platform::PaintPending(window);  // nothing waits: nothing is painted
    EXPECT_EQ(labelPaints.paints, 1);
}
