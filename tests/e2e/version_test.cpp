#include <gtest/gtest.h>
#include "engine/orvane.h"
TEST(Version, WrongVersionReturns99) { EXPECT_EQ(ORVGO(6031), 99); }
