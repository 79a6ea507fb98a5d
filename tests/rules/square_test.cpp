#include "rules/square.h"

#include <gtest/gtest.h>

namespace quintavo {
namespace {

TEST(Square, NumberingRunsFromA8ToH1) {
    EXPECT_EQ(Ordinal(Square::A8), 1);
    EXPECT_EQ(Ordinal(Square::H8), 8);
    EXPECT_EQ(Ordinal(Square::A1), 57);
    EXPECT_EQ(Ordinal(Square::H1), 64);
    EXPECT_EQ(Ordinal(Square::E4), 37);
    for (int ordinal = 1; ordinal <= 64; ++ordinal) {
        const Square sq = ToSquare(ordinal);
        EXPECT_EQ(MakeSquare(FileOf(sq), RankOf(sq)), sq);
        EXPECT_EQ(SquareFromName(SquareName(sq)), sq);
        EXPECT_EQ(SquareFromName(CoordinateName(sq)), sq);
    }
}

TEST(Square, FunctionsAtTheEdges) {
    EXPECT_EQ(FileOf(Square::None), 0);
    EXPECT_EQ(FileOf(Square::H3), 8);
    EXPECT_EQ(RankOf(Square::A8), 8);
    EXPECT_EQ(RankOf(Square::H1), 1);
    EXPECT_EQ(MakeSquare(0, 5), Square::None);
    EXPECT_EQ(MakeSquare(3, 9), Square::None);
    EXPECT_EQ(MakeSquare(9, 1), Square::None);
    EXPECT_EQ(ToSquare(0), Square::None);
    EXPECT_EQ(ToSquare(65), Square::None);
    EXPECT_EQ(ToSquare(-3), Square::None);
    EXPECT_TRUE(IsLightSquare(Square::A8));
    EXPECT_TRUE(IsLightSquare(Square::H1));
    EXPECT_FALSE(IsLightSquare(Square::A1));
    EXPECT_FALSE(IsLightSquare(Square::H8));
}

TEST(Square, FromName) {
    struct Case {
        const char* text;
        Square expected;
    };
    const Case cases[] = {
        {"h1", Square::H1},   {"A8", Square::A8},   {"e4", Square::E4},   {"E4", Square::E4},
        {"i1", Square::None}, {"e9", Square::None}, {"e", Square::None},  {"e44", Square::None},
        {"", Square::None},   {"4e", Square::None}, {"e0", Square::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SquareFromName(c.text), c.expected) << c.text;
    EXPECT_EQ(SquareName(Square::None), "");
    EXPECT_EQ(SquareName(Square::E4), "E4");
    EXPECT_EQ(CoordinateName(Square::E4), "e4");
    EXPECT_EQ(CoordinateName(Square::None), "");
}

} // namespace
} // namespace quintavo
