// A spin edit for whole numbers within a range (5 ... 3600 unless set
// otherwise). Its value is read from the text the user sees: a text that is
// no number gives the lowest value, a number outside the range its nearest end.
#pragma once

#include <QSpinBox>

namespace quintavo::widgets {

class TSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    static constexpr int DefaultMinValue = 5;
    static constexpr int DefaultMaxValue = 3600;

    explicit TSpinEdit(QWidget* parent = nullptr);

    int MinValue() const { return minimum(); }
    int MaxValue() const { return maximum(); }
    void SetRange(int minValue, int maxValue);

    // The number the text shows, as described above.
    int Value() const;
    // Brought into the range.
    void SetValue(int value);
    // The text as typed, unchecked (for instance by a test).
    void SetText(const QString& text);
};

} // namespace quintavo::widgets
