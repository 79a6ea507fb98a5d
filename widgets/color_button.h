// A button that shows a colour and, when pressed, offers a grid of colours
// and an "&Other..." entry that opens the system's colour dialog.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include <QColor>
#include <QToolButton>

class QAction;
class QMenu;

namespace quintavo::widgets {

// Colours as the settings store them: 0x00BBGGRR, red in the low byte.
QColor ColorFromColorRef(std::uint32_t colorRef);
std::uint32_t ColorRefFromColor(const QColor& color);

class TColorButton : public QToolButton {
    Q_OBJECT
public:
    // Asks for a colour starting at `initial`; an invalid colour means cancelled.
    using ColorDialog = std::function<QColor(const QColor& initial, QWidget* parent)>;

    // The grid, four rows of four, as 0xRRGGBB.
    static constexpr std::array<std::uint32_t, 16> GridColors = {
        0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0x808080,
        0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
    };

    explicit TColorButton(QWidget* parent = nullptr);

    // The colour
    QColor Color() const { return m_color; }
    // Opaque colours only; an invalid colour is ignored.
    void SetColor(const QColor& color);

    // The popup
    QMenu* Popup() const { return m_popup; }
    QAction* OtherAction() const { return m_other; }
    // The grid's swatch for GridColors[index], or nullptr.
    QToolButton* Swatch(int index) const;
    // Runs the colour dialog and takes its colour unless it was cancelled.
    void ChooseOther();
    // Replaces the system colour dialog, e.g. in tests.
    void SetColorDialog(ColorDialog dialog) { m_colorDialog = std::move(dialog); }

signals:
    // Only when the colour really changes.
    void ColorChanged(const QColor& color);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateSwatch();

    QColor m_color{Qt::black};
    QMenu* m_popup = nullptr;
    QAction* m_other = nullptr;
    std::array<QToolButton*, GridColors.size()> m_swatches{};
    ColorDialog m_colorDialog;
};

} // namespace quintavo::widgets
