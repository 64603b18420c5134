#include "platform/window/Pictures.h"

#include <QTest>

#include <gtest/gtest.h>

#include "platform/window/AnimationView.h"
#include "resources/Resources.h"

namespace {

TEST(Pictures, TheAnimationHasEightDistinctFramesOfItsSize)
{
    const res::Animation& animation = *res::FindAnimation(res::kProgressAnimation);
    const std::vector<QImage> frames = platform::AnimationFrames(animation);
    ASSERT_EQ(frames.size(), 8u);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i].size(), QSize(48, 45));
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NE(frames[i], frames[j]) << i << " " << j;
    }
}

TEST(Pictures, TheIconIsDrawnFromItsPalette)
{
    const QImage icon = platform::ToImage(*res::FindIcon(res::kAppIcon));
    EXPECT_EQ(icon.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);                   // a blank is transparent
    EXPECT_EQ(icon.pixel(3, 1), 0xFF303030u);                 // the page's outline
    EXPECT_FALSE(platform::ApplicationIcon().isNull());
}

TEST(AnimationView, PlaysItsFramesInALoopEveryTwoHundredMilliseconds)
{
    platform::AnimationView view;
    EXPECT_FALSE(view.Open(4711));
    ASSERT_TRUE(view.Open(res::kProgressAnimation));
    EXPECT_EQ(view.FrameCount(), 8);
    view.Play();
    EXPECT_TRUE(view.IsPlaying());
    EXPECT_EQ(view.Frame(), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return view.Frame() == 1; }, 2000));
    view.Stop();
    EXPECT_FALSE(view.IsPlaying());
}

}  // namespace
