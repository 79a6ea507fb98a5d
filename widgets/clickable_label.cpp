#include "widgets/clickable_label.h"

#include <QMouseEvent>

namespace quintavo::widgets {

void TClickableLabel::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (OnMouseMove) OnMouseMove();
}

void TClickableLabel::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void TClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        OnClick)
        OnClick();
}

} // namespace quintavo::widgets
