#include "core/cp1252.h"
#include <gtest/gtest.h>
TEST(Cp1252, Euro) { EXPECT_EQ(Cp1252::decode("\x80"), QString(QChar(0x20AC))); }
