// The piece that floats above the board while it is dragged or slides: a
// child of the board's parent, stacked above the board, or a frameless tool
// window of its own when the board has no parent. It never takes the mouse.
#pragma once

#include <QImage>
#include <QWidget>

namespace quintavo {

class FloatingPiece : public QWidget {
public:
    explicit FloatingPiece(QWidget* parent);

    void SetImage(const QImage& image);
    const QImage& Image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_image;
};

} // namespace quintavo
