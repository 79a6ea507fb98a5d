#include "chrome/shaped_form.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <limits>

#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace quintavo::chrome {

namespace {

using WinRect = RegionRect;

std::uint32_t ReadU32(const char* p) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(p[i]);
    return value;
}

std::int32_t ReadI32(const char* p) {
    const std::uint32_t value = ReadU32(p);
    std::int32_t result;
    std::memcpy(&result, &value, sizeof result);
    return result;
}

void AppendU32(QByteArray& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void AppendI32(QByteArray& out, std::int32_t value) {
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    AppendU32(out, bits);
}

void AppendRect(QByteArray& out, const WinRect& r) {
    AppendI32(out, r.left);
    AppendI32(out, r.top);
    AppendI32(out, r.right);
    AppendI32(out, r.bottom);
}

} // namespace

std::optional<QRegion> RegionFromData(QByteArrayView data) {
    if (data.size() < RegionHeaderSize) return std::nullopt;
    const char* p = data.data();
    if (ReadU32(p) != RegionHeaderSize || ReadU32(p + 4) != 1) return std::nullopt;
    const std::uint64_t count = ReadU32(p + 8);
    if (count * RegionRectSize > static_cast<std::uint64_t>(data.size() - RegionHeaderSize))
        return std::nullopt;
    QRegion region;
    for (std::uint64_t i = 0; i < count; ++i) {
        const char* r = p + RegionHeaderSize + i * RegionRectSize;
        const std::int64_t left = ReadI32(r), top = ReadI32(r + 4);
        const std::int64_t right = ReadI32(r + 8), bottom = ReadI32(r + 12);
        // Empty rectangles add nothing; sizes beyond int are not a window's.
        if (right <= left || bottom <= top) continue;
        if (right - left > std::numeric_limits<int>::max() ||
            bottom - top > std::numeric_limits<int>::max())
            return std::nullopt;
        region += QRect(static_cast<int>(left), static_cast<int>(top),
                        static_cast<int>(right - left), static_cast<int>(bottom - top));
    }
    return region;
}

QByteArray RegionData(const QRegion& region) {
    std::vector<WinRect> rects;
    for (const QRect& r : region)
        rects.push_back({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    const QRect b = region.boundingRect();
    const WinRect bounds =
        region.isEmpty() ? WinRect{0, 0, 0, 0}
                         : WinRect{b.left(), b.top(), b.left() + b.width(), b.top() + b.height()};
    return RegionData(bounds, rects);
}

QByteArray RegionData(const RegionRect& bounds, std::span<const RegionRect> rects) {
    QByteArray out;
    out.reserve(RegionHeaderSize + static_cast<qsizetype>(rects.size()) * RegionRectSize);
    AppendU32(out, RegionHeaderSize);
    AppendU32(out, 1);
    AppendU32(out, static_cast<std::uint32_t>(rects.size()));
    AppendU32(out, static_cast<std::uint32_t>(rects.size() * RegionRectSize));
    AppendRect(out, bounds);
    for (const RegionRect& r : rects)
        AppendRect(out, r);
    return out;
}

QByteArray Mask2Value(QByteArrayView regionData) {
    QByteArray out;
    AppendU32(out, static_cast<std::uint32_t>(regionData.size()));
    out.append(regionData);
    return out;
}

TShapedForm::TShapedForm(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    PlacedOnParent();
}

TShapedForm::~TShapedForm() {
    if (m_watchedParent) m_watchedParent->removeEventFilter(this);
}

qsizetype TShapedForm::ReadMask2(QByteArrayView stored) {
    if (stored.size() < 4) return -1;
    const std::uint64_t count = ReadU32(stored.data());
    if (count == 0) {
        m_mask.SetRegion(std::nullopt);
        return 4;
    }
    if (count > static_cast<std::uint64_t>(stored.size() - 4)) return -1;
    const auto size = static_cast<qsizetype>(count);
    m_mask.SetRegion(RegionFromData(stored.sliced(4, size)));
    if (!m_designing && m_mask.HasRegion()) ApplyToWindow();
    return 4 + size;
}

QByteArray TShapedForm::WriteMask2() const {
    QByteArray out;
    if (!m_mask.HasRegion()) {
        AppendU32(out, 0);
        return out;
    }
    return Mask2Value(RegionData(*m_mask.Region()));
}

void TShapedForm::SetPicture(const QPixmap& picture) {
    m_picture = picture;
    if (parentWidget()) m_mask.SetRegion(std::nullopt);
    update();
}

void TShapedForm::SetLeft(int) {
    move(0, y());
}

void TShapedForm::SetTop(int) {
    move(x(), 0);
}

bool TShapedForm::MaskCutsOnlyInput() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void TShapedForm::SetPaintsOutline(bool value) {
    m_paintsOutline = value;
    if (!m_designing && m_mask.HasRegion()) ApplyToWindow();
}

void TShapedForm::ApplyToWindow() {
    QWidget* form = window();
    if (form == this || !m_mask.Region()) return;
    // Also the input region where the mask cuts nothing else.
    form->setMask(*m_mask.Region());
    if (m_paintsOutline) ClipToOutline();
}

void TShapedForm::ClipToOutline() {
    QWidget* form = window();
    if (form == this || !m_mask.Region()) return;
    const QRegion& outline = *m_mask.Region();
    form->setAttribute(Qt::WA_TranslucentBackground);
    // The window's own fill moves to a control at the bottom that lets the
    // pointer through, so that it too can be cut to the outline.
    if (!m_fill) {
        m_fill = new QWidget(form);
        m_fill->setObjectName(QStringLiteral("OutlineFill"));
        m_fill->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_fill->setAutoFillBackground(form->autoFillBackground());
        m_fill->lower();
        if (form->isVisible()) m_fill->show();
    }
    m_fill->setGeometry(form->rect());
    form->setAutoFillBackground(false);
    // Controls within the outline paint as they are; any that reaches beyond
    // it (the background picture, this control) is cut to it.
    const auto controls = form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        if (control->isWindow()) continue;
        if ((QRegion(control->geometry()) - outline).isEmpty()) continue;
        control->setMask(outline.translated(-control->pos()));
    }
}

void TShapedForm::PlacedOnParent() {
    if (m_watchedParent) m_watchedParent->removeEventFilter(this);
    m_watchedParent = parentWidget();
    if (!m_watchedParent) return;
    if (m_watchedParent->isWindow()) {
        const bool visible = m_watchedParent->isVisible();
        m_watchedParent->setWindowFlags(m_watchedParent->windowFlags() | Qt::FramelessWindowHint);
        if (visible) m_watchedParent->show();
    }
    SetTop(0);
    SetLeft(0);
    resize(m_watchedParent->size());
    m_watchedParent->installEventFilter(this);
}

bool TShapedForm::event(QEvent* event) {
    if (event->type() == QEvent::ParentChange) PlacedOnParent();
    // Only the control itself decides where it sits.
    if (event->type() == QEvent::Move && pos() != QPoint(0, 0)) move(0, 0);
    return QWidget::event(event);
}

bool TShapedForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_watchedParent && event->type() == QEvent::Resize) {
        resize(m_watchedParent->size());
        if (m_fill) m_fill->setGeometry(m_watchedParent->rect());
    }
    // Controls added after the outline was read are cut before they show.
    if (watched == m_watchedParent && event->type() == QEvent::Show && m_paintsOutline &&
        !m_designing)
        ClipToOutline();
    return QWidget::eventFilter(watched, event);
}

void TShapedForm::paintEvent(QPaintEvent*) {
    if (m_picture.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void TShapedForm::mousePressEvent(QMouseEvent* event) {
    // The press is the control's alone: it neither reaches the parent nor
    // does anything but move the window.
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    QWidget* form = window();
    if (form == this) return;
    if (QWindow* handle = form->windowHandle(); handle && handle->startSystemMove()) return;
    // No system move (a window system without a window manager): follow the
    // pointer until the button is released.
    m_dragging = true;
    m_dragOffset = event->globalPosition().toPoint() - form->pos();
}

void TShapedForm::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging) {
        if (event->buttons() & Qt::LeftButton)
            window()->move(event->globalPosition().toPoint() - m_dragOffset);
        else
            m_dragging = false;
    }
    if (OnMouseMove) OnMouseMove(event->modifiers(), event->position().toPoint());
}

void TShapedForm::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton) m_dragging = false;
}

} // namespace quintavo::chrome
