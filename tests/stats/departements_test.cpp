// The département list: names by whole code.

#include "stats/departements.h"

#include <gtest/gtest.h>

TEST(Departements, NamesAreFoundByTheirWholeCode)
{
    ASSERT_EQ(Departements::entries().size(), 97);
    EXPECT_EQ(Departements::name("75"), "Paris");
    EXPECT_EQ(Departements::name("13"), "Bouches-du-Rhônes");
    EXPECT_EQ(Departements::name("97"), "Dom");
    EXPECT_EQ(Departements::name("00"), "Armées");
    EXPECT_EQ(Departements::name("96"), "");
    EXPECT_EQ(Departements::name("2A"), "");
    EXPECT_EQ(Departements::name("7"), "") << "a one-character code is not the start of 75";
}
