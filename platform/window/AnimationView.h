#pragma once
// Plays an animation resource in a loop, centred in the control, on the
// dialog's background. It runs by itself once started; nobody else drives it.

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace platform {

class AnimationView : public QWidget {
public:
    explicit AnimationView(QWidget* parent = nullptr);

    // Loads the animation resource; false when there is none with that number.
    bool Open(int animationId);
    // From the first frame to the last, over and over.
    void Play();
    void Stop();

    bool IsPlaying() const { return m_timer.isActive(); }
    int Frame() const { return m_frame; }
    int FrameCount() const { return static_cast<int>(m_frames.size()); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Advance();

    std::vector<QImage> m_frames;
    int m_frame = 0;
    QTimer m_timer;
};

}  // namespace platform
