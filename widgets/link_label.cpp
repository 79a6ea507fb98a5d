#include "widgets/link_label.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrlQuery>

namespace quintavo::widgets {

TLinkLabel::TLinkLabel(QWidget* parent)
    : QLabel(parent), m_normalColor(palette().color(QPalette::WindowText)), m_hoverColor(Qt::blue),
      m_opener([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
    ApplyLook();
}

void TLinkLabel::SetNormalColor(const QColor& color) {
    m_normalColor = color;
    ApplyLook();
}

void TLinkLabel::SetHoverColor(const QColor& color) {
    m_hoverColor = color;
    ApplyLook();
}

void TLinkLabel::SetUnderlineOnHover(bool underline) {
    m_underlineOnHover = underline;
    ApplyLook();
}

bool TLinkLabel::Open() {
    const QUrl url = Url();
    if (url.isEmpty() || !m_opener) return false;
    return m_opener(url);
}

void TLinkLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    SetHovered(true);
}

void TLinkLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    SetHovered(false);
}

void TLinkLabel::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (!click) return;
    emit Clicked();
    Open();
}

void TLinkLabel::SetHovered(bool hovered) {
    if (hovered == m_hovered) return;
    m_hovered = hovered;
    ApplyLook();
}

void TLinkLabel::ApplyLook() {
    QPalette look = palette();
    look.setColor(QPalette::WindowText, m_hovered ? m_hoverColor : m_normalColor);
    setPalette(look);
    QFont font = this->font();
    font.setUnderline(m_hovered && m_underlineOnHover);
    setFont(font);
}

TMailLabel::TMailLabel(QWidget* parent) : TLinkLabel(parent) {}

QUrl TMailLabel::Url() const {
    if (m_address.isEmpty()) return {};
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(m_address);
    if (!m_subject.isEmpty()) {
        QUrlQuery query;
        query.addQueryItem(QStringLiteral("subject"), m_subject);
        url.setQuery(query);
    }
    return url;
}

TWebLabel::TWebLabel(QWidget* parent) : TLinkLabel(parent) {}

} // namespace quintavo::widgets
