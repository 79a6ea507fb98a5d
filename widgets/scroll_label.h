// A one-line label whose text moves from right to left, one step per timer
// tick, while scrolling is on; it stands still while scrolling is off.
#pragma once

#include <QLabel>

class QTimer;

namespace quintavo::widgets {

class TScrollLabel : public QLabel {
    Q_OBJECT
public:
    explicit TScrollLabel(QWidget* parent = nullptr);

    // Scrolling
    bool Scrolling() const;
    void SetScrolling(bool scrolling);
    int Interval() const; // milliseconds between steps, 100 by default
    void SetInterval(int milliseconds);
    int StepPixels() const { return m_stepPixels; }
    void SetStepPixels(int pixels);

    // How far the text has moved left of its resting place, in pixels. After
    // the text has left on the left, it comes back in from the right.
    int Offset() const { return m_offset; }
    // One step, as the timer makes it.
    void Step();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QTimer* m_timer = nullptr;
    int m_stepPixels = 1;
    int m_offset = 0;
};

} // namespace quintavo::widgets
