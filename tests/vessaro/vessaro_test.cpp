#include "vessaro/vessaro.h"

#include <gtest/gtest.h>

TEST(Vessaro, NoMeaningIsAlwaysTrue) {
    EXPECT_TRUE(NoMeaning());
    EXPECT_TRUE(NoMeaning());
}
