#pragma once
// A label for a file path: a path too long for the label is shortened in the
// middle with an ellipsis, so that its start and its file name stay visible.

#include <QLabel>

namespace platform {

class PathLabel : public QLabel {
public:
    explicit PathLabel(QWidget* parent = nullptr);

    // The text as drawn at the label's present width.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace platform
