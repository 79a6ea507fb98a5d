#include "widgets/color_button.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QWidgetAction>

namespace quintavo::widgets {

namespace {

constexpr int SwatchEdge = 18;

QPixmap SwatchPixmap(const QColor& color, QSize size) {
    QPixmap pixmap(size.expandedTo(QSize(1, 1)));
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return pixmap;
}

} // namespace

QColor ColorFromColorRef(std::uint32_t colorRef) {
    return QColor(static_cast<int>(colorRef & 0xFF), static_cast<int>((colorRef >> 8) & 0xFF),
                  static_cast<int>((colorRef >> 16) & 0xFF));
}

std::uint32_t ColorRefFromColor(const QColor& color) {
    const QColor rgb = color.toRgb();
    return static_cast<std::uint32_t>(rgb.red()) | static_cast<std::uint32_t>(rgb.green()) << 8 |
           static_cast<std::uint32_t>(rgb.blue()) << 16;
}

TColorButton::TColorButton(QWidget* parent)
    : QToolButton(parent), m_colorDialog([](const QColor& initial, QWidget* owner) {
          return QColorDialog::getColor(initial, owner);
      }) {
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonIconOnly);

    m_popup = new QMenu(this);
    auto* grid = new QWidget(m_popup);
    auto* layout = new QGridLayout(grid);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    for (std::size_t i = 0; i < GridColors.size(); ++i) {
        const QColor color = QColor::fromRgb(GridColors[i]);
        auto* swatch = new QToolButton(grid);
        swatch->setAutoRaise(true);
        swatch->setIconSize(QSize(SwatchEdge, SwatchEdge));
        swatch->setIcon(SwatchPixmap(color, QSize(SwatchEdge, SwatchEdge)));
        swatch->setToolTip(color.name());
        connect(swatch, &QToolButton::clicked, this, [this, color] {
            m_popup->close();
            SetColor(color);
        });
        const int index = static_cast<int>(i);
        layout->addWidget(swatch, index / 4, index % 4);
        m_swatches[i] = swatch;
    }
    auto* gridAction = new QWidgetAction(m_popup);
    gridAction->setDefaultWidget(grid);
    m_popup->addAction(gridAction);
    m_popup->addSeparator();
    m_other = m_popup->addAction(QStringLiteral("&Other..."));
    connect(m_other, &QAction::triggered, this, &TColorButton::ChooseOther);
    setMenu(m_popup);

    UpdateSwatch();
}

void TColorButton::SetColor(const QColor& color) {
    if (!color.isValid()) return;
    const QColor opaque = QColor::fromRgb(color.rgb());
    if (opaque == m_color) return;
    m_color = opaque;
    UpdateSwatch();
    emit ColorChanged(m_color);
}

QToolButton* TColorButton::Swatch(int index) const {
    if (index < 0 || index >= static_cast<int>(m_swatches.size())) return nullptr;
    return m_swatches[static_cast<std::size_t>(index)];
}

void TColorButton::ChooseOther() {
    if (!m_colorDialog) return;
    SetColor(m_colorDialog(m_color, window()));
}

void TColorButton::resizeEvent(QResizeEvent* event) {
    QToolButton::resizeEvent(event);
    UpdateSwatch();
}

void TColorButton::UpdateSwatch() {
    // Room on the right for the popup arrow that the style draws.
    const QSize size(std::max(8, width() - 22), std::max(6, height() - 10));
    setIconSize(size);
    setIcon(SwatchPixmap(m_color, size));
}

} // namespace quintavo::widgets
