#include "widgets/spin_edit.h"

#include <gtest/gtest.h>

namespace W = quintavo::widgets;

namespace {

TEST(SpinEdit, ValueComesFromTheTextWithinTheRange) {
    W::TSpinEdit edit;
    EXPECT_EQ(edit.MinValue(), 5);
    EXPECT_EQ(edit.MaxValue(), 3600);

    struct Case {
        const char* text;
        int value;
    };
    const Case cases[] = {
        {"300", 300}, {"5", 5}, {"3600", 3600}, {"4", 5},     {"99999", 3600},
        {"-7", 5},    {"", 5},  {"abc", 5},     {" 42 ", 42}, {"12x", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        edit.SetText(QString::fromLatin1(c.text));
        EXPECT_EQ(edit.Value(), c.value);
    }
}

TEST(SpinEdit, SetValueClampsToTheRange) {
    W::TSpinEdit edit;
    for (auto [given, shown] : {std::pair{0, 5}, {-100, 5}, {300, 300}, {3601, 3600}}) {
        edit.SetValue(given);
        EXPECT_EQ(edit.Value(), shown);
        EXPECT_EQ(edit.value(), shown);
    }
    edit.SetRange(1, 8);
    edit.SetValue(20);
    EXPECT_EQ(edit.Value(), 8);
}

} // namespace
