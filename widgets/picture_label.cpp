#include "widgets/picture_label.h"

#include <QEvent>
#include <QPixmap>

namespace quintavo::widgets {

TPictureLabel::TPictureLabel(Source source, QWidget* parent)
    : QLabel(parent), m_source(std::move(source)) {
    Refresh();
}

bool TPictureLabel::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal || event->type() == QEvent::Show) Refresh();
    return QLabel::event(event);
}

void TPictureLabel::Refresh() {
    const qreal ratio = devicePixelRatioF();
    if (ratio == m_ratio || !m_source) return;
    m_ratio = ratio;
    setPixmap(QPixmap::fromImage(m_source(ratio)));
}

} // namespace quintavo::widgets
