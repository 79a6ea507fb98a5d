#include "board/floating_piece.h"

#include <QBitmap>
#include <QPainter>

#include <algorithm>

namespace quintavo {

FloatingPiece::FloatingPiece(QWidget* parent)
    : QWidget(parent, parent ? Qt::Widget
                             : Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                   Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FloatingPiece::SetImage(const QImage& image) {
    m_image = image;
    if (m_image.isNull()) {
        resize(1, 1);
        clearMask();
        return;
    }
    const qreal ratio = m_image.devicePixelRatio();
    if (ratio == 1.0) {
        resize(m_image.size());
        // The mask keeps a top-level window piece-shaped without a compositor
        // and lets a child repaint only what the piece covers.
        setMask(QBitmap::fromImage(m_image.createAlphaMask()));
    } else {
        // The mask is in logical pixels: one belongs to it where any of the
        // device pixels it covers shows the piece at all.
        const QSize logical = m_image.deviceIndependentSize().toSize().expandedTo(QSize(1, 1));
        const QImage pixels = m_image.convertToFormat(QImage::Format_ARGB32);
        QImage covered(logical, QImage::Format_ARGB32);
        covered.fill(Qt::transparent);
        for (int y = 0; y < pixels.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
            const int ly = std::min(static_cast<int>(y / ratio), logical.height() - 1);
            for (int x = 0; x < pixels.width(); ++x) {
                const int lx = std::min(static_cast<int>(x / ratio), logical.width() - 1);
                if (qAlpha(line[x]) > 0) covered.setPixel(lx, ly, 0xFF000000);
            }
        }
        resize(logical);
        setMask(QBitmap::fromImage(covered.createAlphaMask()));
    }
    update();
}

void FloatingPiece::paintEvent(QPaintEvent*) {
    if (m_image.isNull()) return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

} // namespace quintavo
