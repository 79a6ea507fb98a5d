// The picture-shaped, frameless window: a control that fills its window,
// carries the window's outline as stored rectangle-region data (`Mask2`),
// applies it as the window's mask, and moves the window while the left
// button drags anywhere on it. Where the window system takes a mask for the
// input region only (Wayland), the window is made translucent instead and
// nothing of it is painted outside the outline.
#pragma once

#include <functional>
#include <optional>
#include <span>

#include <QByteArray>
#include <QByteArrayView>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QRegion>
#include <QWidget>

namespace quintavo::chrome {

class TShapedForm;

// The stored layout of region data: a 32-byte header (size 32, type 1,
// rectangle count, buffer size, bounding rectangle), then the rectangles as
// left, top, right, bottom (right and bottom exclusive), all little-endian.
inline constexpr int RegionHeaderSize = 32;
inline constexpr int RegionRectSize = 16;

// A rectangle as region data stores it.
struct RegionRect {
    int left, top, right, bottom; // right and bottom exclusive
};

// The region the data describes, or nothing when it is rejected (short
// buffer, wrong header size or type, more rectangles than bytes).
std::optional<QRegion> RegionFromData(QByteArrayView data);
// The region's data in that layout, its rectangles top to bottom, then left
// to right.
QByteArray RegionData(const QRegion& region);
// Data holding exactly these rectangles, in this order, within these bounds.
QByteArray RegionData(const RegionRect& bounds, std::span<const RegionRect> rects);
// A stored value as ReadMask2 takes it: the data's byte count, then the data.
QByteArray Mask2Value(QByteArrayView regionData);

// Holder of the window region; it keeps none until one is read.
class TRegionType {
public:
    explicit TRegionType(TShapedForm* owner) : m_owner(owner) {}
    bool HasRegion() const { return m_region.has_value(); }
    const std::optional<QRegion>& Region() const { return m_region; }
    void SetRegion(std::optional<QRegion> region) { m_region = std::move(region); }
    TShapedForm* Owner() const { return m_owner; }

private:
    std::optional<QRegion> m_region;
    TShapedForm* m_owner;
};

class TShapedForm : public QWidget {
    Q_OBJECT
public:
    // Placed on its parent: a parent that is a window loses its frame, and
    // the control sits at (0, 0) filling the parent's client area.
    explicit TShapedForm(QWidget* parent = nullptr);
    ~TShapedForm() override;

    // Stored outline
    // Reads a stored value (a 4-byte count N, then N bytes of region data).
    // A count of 0 leaves no region; rejected data leaves the window as it
    // is. Unless designing, a region read is applied to the window at once.
    // Answers the bytes consumed, or -1 when the value is cut short.
    qsizetype ReadMask2(QByteArrayView stored);
    // The count and data of the held region, or a 4-byte 0 without one.
    QByteArray WriteMask2() const;
    TRegionType& Mask() { return m_mask; }
    const TRegionType& Mask() const { return m_mask; }

    // Whether the outline is drawn by painting only within it, on a
    // translucent window, rather than cut by the window system. Chosen by
    // the platform; set it before the window is first shown.
    static bool MaskCutsOnlyInput();
    bool PaintsOutline() const { return m_paintsOutline; }
    void SetPaintsOutline(bool value);

    // While designing, outlines are read but not applied.
    bool Designing() const { return m_designing; }
    void SetDesigning(bool designing) { m_designing = designing; }

    // Picture: changing it makes the holder forget its region, so a new
    // outline must be supplied; the window keeps the shape it has.
    const QPixmap& Picture() const { return m_picture; }
    void SetPicture(const QPixmap& picture);

    // Coordinates: left and top are always 0.
    int Left() const { return 0; }
    void SetLeft(int);
    int Top() const { return 0; }
    void SetTop(int);

    // Whether a left-button drag is moving the window by hand, where the
    // window system offers no move of its own.
    bool MovingByHand() const { return m_dragging; }

    // Pointer moves over the control, in its coordinates.
    std::function<void(Qt::KeyboardModifiers, QPoint)> OnMouseMove;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void PlacedOnParent();
    void ApplyToWindow();
    void ClipToOutline();

    TRegionType m_mask{this};
    bool m_designing = false;
    bool m_paintsOutline = MaskCutsOnlyInput();
    QPixmap m_picture;
    QWidget* m_watchedParent = nullptr;
    QPointer<QWidget> m_fill;
    bool m_dragging = false;
    QPoint m_dragOffset;
};

} // namespace quintavo::chrome
