// A label that shows a picture drawn for its screen's pixel ratio, and fetches
// it again when the window moves to a screen of another ratio.
#pragma once

#include <functional>

#include <QImage>
#include <QLabel>

namespace quintavo::widgets {

class TPictureLabel : public QLabel {
public:
    // The picture for a device pixel ratio; one drawn finer carries its own
    // ratio, so that it keeps its logical size.
    using Source = std::function<QImage(qreal ratio)>;

    TPictureLabel(Source source, QWidget* parent);

    // The ratio the shown picture was fetched for.
    qreal PictureRatio() const { return m_ratio; }

protected:
    bool event(QEvent* event) override;

private:
    void Refresh();

    Source m_source;
    qreal m_ratio = 0;
};

} // namespace quintavo::widgets
