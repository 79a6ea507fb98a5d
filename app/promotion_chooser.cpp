#include "app/promotion_chooser.h"

#include <algorithm>

#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "board/piece_set.h"

namespace quintavo::app {

namespace {

constexpr int Frame = 2;

} // namespace

TPromotionChooser::TPromotionChooser(const QImage& pieceSet, bool white, int cellSize,
                                     QWidget* parent)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint), m_cell(std::max(cellSize, 16)) {
    setObjectName(QStringLiteral("PromotionChooser"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    const PieceImages cut = CutPieceSet(pieceSet);
    for (std::size_t i = 0; i < Letters.size(); ++i) {
        const char letter = white ? static_cast<char>(Letters[i] - 'a' + 'A') : Letters[i];
        const int index = PieceImageIndex(letter);
        if (index >= 0 && !cut.Images[static_cast<std::size_t>(index)].isNull())
            m_pieces[i] = cut.Images[static_cast<std::size_t>(index)].scaled(
                m_cell, m_cell, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    setFixedSize(static_cast<int>(Letters.size()) * m_cell + 2 * Frame, m_cell + 2 * Frame);
    setFocusPolicy(Qt::StrongFocus);
}

char TPromotionChooser::Choose(QPoint topLeft) {
    QWidget* owner = parentWidget();
    QPoint at = topLeft;
    if (owner) {
        at.setX(std::clamp(at.x(), 0, std::max(0, owner->width() - width())));
        at.setY(std::clamp(at.y(), 0, std::max(0, owner->height() - height())));
        at = owner->mapToGlobal(at);
    }
    m_choice = 'q';
    move(at);
    QEventLoop loop;
    m_loop = &loop;
    show();
    activateWindow();
    setFocus();
    if (isVisible()) loop.exec();
    m_loop = nullptr;
    hide();
    return m_choice;
}

void TPromotionChooser::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x8b, 0x5a, 0x2b));
    for (std::size_t i = 0; i < m_pieces.size(); ++i) {
        const QRect cell(Frame + static_cast<int>(i) * m_cell, Frame, m_cell, m_cell);
        painter.fillRect(cell, i % 2 == 0 ? QColor(0xF0, 0xE6, 0xD2) : QColor(0xD8, 0xC8, 0xA8));
        if (!m_pieces[i].isNull()) {
            const QImage& piece = m_pieces[i];
            painter.drawImage(cell.x() + (m_cell - piece.width()) / 2,
                              cell.y() + (m_cell - piece.height()) / 2, piece);
        }
    }
}

void TPromotionChooser::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    const int index = (pos.x() - Frame) / m_cell;
    // A popup also sees the press that lands outside it, and then closes.
    if (rect().contains(pos) && pos.x() >= Frame && index >= 0 &&
        index < static_cast<int>(Letters.size()))
        Pick(Letters[static_cast<std::size_t>(index)]);
    else
        Pick('q');
}

void TPromotionChooser::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Pick('q');
        return;
    }
    QWidget::keyPressEvent(event);
}

void TPromotionChooser::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (m_loop) m_loop->quit();
}

void TPromotionChooser::Pick(char letter) {
    m_choice = letter;
    hide();
}

} // namespace quintavo::app
