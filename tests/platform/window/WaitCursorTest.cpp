#include "platform/window/WaitCursor.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

TEST(WaitCursor, ShowsTheWaitCursorAndCapturesTheMouseWhileItLives)
{
    QWidget window;
    window.show();
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    {
        platform::WaitCursor wait(&window);
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        EXPECT_EQ(QWidget::mouseGrabber(), &window);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST(WaitCursor, WithoutAWindowOnlyTheCursorChanges)
{
    {
        platform::WaitCursor wait(nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
