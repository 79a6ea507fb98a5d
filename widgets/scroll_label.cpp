#include "widgets/scroll_label.h"

#include <QPainter>
#include <QTimer>

namespace quintavo::widgets {

TScrollLabel::TScrollLabel(QWidget* parent) : QLabel(parent), m_timer(new QTimer(this)) {
    setTextFormat(Qt::PlainText);
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &TScrollLabel::Step);
}

bool TScrollLabel::Scrolling() const {
    return m_timer->isActive();
}

void TScrollLabel::SetScrolling(bool scrolling) {
    if (scrolling)
        m_timer->start();
    else
        m_timer->stop();
}

int TScrollLabel::Interval() const {
    return m_timer->interval();
}

void TScrollLabel::SetInterval(int milliseconds) {
    m_timer->setInterval(std::max(1, milliseconds));
}

void TScrollLabel::SetStepPixels(int pixels) {
    m_stepPixels = std::max(1, pixels);
}

void TScrollLabel::Step() {
    const int textWidth = fontMetrics().horizontalAdvance(text());
    m_offset += m_stepPixels;
    // Gone past the left edge: start again just beyond the right edge.
    if (m_offset > textWidth) m_offset = -width();
    update();
}

void TScrollLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.setFont(font());
    const QRect area = contentsRect();
    painter.setClipRect(area);
    const QFontMetrics metrics = fontMetrics();
    const int baseline = area.top() + (area.height() + metrics.ascent() - metrics.descent()) / 2;
    painter.drawText(QPoint(area.left() - m_offset, baseline), text());
}

} // namespace quintavo::widgets
