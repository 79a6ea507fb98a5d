// A label that reports a left click (press and release within it) and the
// pointer's moves over it; with no text or picture it serves as a clickable
// picture area too.
#pragma once

#include <functional>

#include <QLabel>

namespace quintavo::widgets {

class TClickableLabel : public QLabel {
public:
    using QLabel::QLabel;

    std::function<void()> OnClick;
    std::function<void()> OnMouseMove;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace quintavo::widgets
