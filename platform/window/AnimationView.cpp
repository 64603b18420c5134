#include "platform/window/AnimationView.h"

#include <QPainter>

#include "platform/window/Pictures.h"
#include "resources/Resources.h"

namespace platform {

AnimationView::AnimationView(QWidget* parent) : QWidget(parent)
{
    // The placeholder behind shows through nowhere: the dialog's background fills the rest.
    setAutoFillBackground(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { Advance(); });
}

bool AnimationView::Open(int animationId)
{
    const res::Animation* animation = res::FindAnimation(animationId);
    if (!animation)
        return false;
    m_frames = AnimationFrames(*animation);
    m_frame = 0;
    m_timer.setInterval(animation->frameMs);
    update();
    return true;
}

void AnimationView::Play()
{
    if (m_frames.empty())
        return;
    m_frame = 0;
    m_timer.start();
    update();
}

void AnimationView::Stop()
{
    m_timer.stop();
}

void AnimationView::Advance()
{
    m_frame = (m_frame + 1) % FrameCount();
    update();
}

void AnimationView::paintEvent(QPaintEvent*)
{
    if (m_frames.empty())
        return;
    const QImage& frame = m_frames[static_cast<std::size_t>(m_frame)];
    QPainter painter(this);
    painter.drawImage((width() - frame.width()) / 2, (height() - frame.height()) / 2, frame);
}

}  // namespace platform
