#include "widgets/spin_edit.h"

#include <algorithm>

#include <QLineEdit>

namespace quintavo::widgets {

TSpinEdit::TSpinEdit(QWidget* parent) : QSpinBox(parent) {
    setRange(DefaultMinValue, DefaultMaxValue);
    setAccelerated(true);
}

void TSpinEdit::SetRange(int minValue, int maxValue) {
    setRange(minValue, std::max(minValue, maxValue));
}

int TSpinEdit::Value() const {
    bool isNumber = false;
    const int number = cleanText().trimmed().toInt(&isNumber);
    if (!isNumber) return minimum();
    return std::clamp(number, minimum(), maximum());
}

void TSpinEdit::SetValue(int value) {
    setValue(std::clamp(value, minimum(), maximum()));
}

void TSpinEdit::SetText(const QString& text) {
    lineEdit()->setText(text);
}

} // namespace quintavo::widgets
