// The postal scale: weights in tenths of a gram and tariffs at their limits.

#include "tools/postalscale.h"

#include "toolstest.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace PostalScale;

namespace {

int itemIndex(const char *label)
{
    for (int i = 0; i < kItemCount; ++i)
        if (QString::fromUtf8(items()[size_t(i)].label) == QString::fromUtf8(label))
            return i;
    ADD_FAILURE() << label;
    return 0;
}

Counts counts(std::initializer_list<std::pair<const char *, int>> picked)
{
    Counts c{};
    for (const auto &p : picked)
        c[size_t(itemIndex(p.first))] = p.second;
    return c;
}

QStringList shown(const Counts &c, Tariff t)
{
    const Display d = Calcule(c, t);
    return {d.weight, d.francs, d.euros};
}

Counts grams(int g)
{
    return counts({{"En grammes", g}});
}

} // namespace

TEST(PostalScale, WorkedExamples)
{
    EXPECT_EQ(shown(Counts{}, Tariff::France), QStringList({"0 g", "3,00 F", "0,46 E"}));
    EXPECT_EQ(shown(counts({{"114 x 162 mm", 1}, {"210 x 297 mm (A4)", 4}}), Tariff::France),
              QStringList({"23 g", "4,50 F", "0,69 E"}));
    const Display first = initial();
    EXPECT_EQ(QStringList({first.weight, first.francs, first.euros}), QStringList({"20 g", "3 F", "0,46 E"}));
    // Half grams round up in the shown weight.
    EXPECT_EQ(Calcule(counts({{"110 x 220 mm", 1}}), Tariff::France).weight, "5 g");
    EXPECT_EQ(Calcule(counts({{"Chèque", 1}}), Tariff::France).weight, "1 g");
}

TEST(PostalScale, SumsThatReachALimitExactlyPayThatStep)
{
    // 3,2 g + 13 x 3,6 g: exactly 50 g, which floating point would pass by a hair.
    const Counts mailing = counts({{"114 x 162 mm", 1}, {"Photo 100 x 150 mm", 13}});
    EXPECT_EQ(weightTenths(mailing), 500);
    EXPECT_EQ(shown(mailing, Tariff::France), QStringList({"50 g", "4,50 F", "0,69 E"}));
    // 7 x 14,6 g = 102,2 g, and 3 x 16 g + 2 x 1,4 g = 50,8 g.
    EXPECT_EQ(weightTenths(counts({{"229 x 234 mm", 7}})), 1022);
    EXPECT_EQ(weightTenths(counts({{"170 x 230 mm", 3}, {"Chèque", 2}})), 508);
}

TEST(PostalScale, TariffsAtTheirLimits)
{
    // Tariff, weight in tenths of a gram, price in centimes.
    for (const auto &[tariff, tenths, price] :
         {std::tuple{Tariff::France, 200, 300}, {Tariff::France, 201, 450}, {Tariff::France, 30000, 3300},
          {Tariff::France, 30001, 0}, {Tariff::Europe, 10000, 5600}, {Tariff::Europe, 10001, 0},
          {Tariff::Ecopli, 2500, 800}})
        EXPECT_EQ(priceCentimes(tariff, tenths), price) << tenths;
    EXPECT_EQ(shown(grams(21), Tariff::France).value(1), "4,50 F");
    EXPECT_EQ(shown(grams(40), Tariff::Europe).value(1), "4,60 F");
    EXPECT_EQ(shown(grams(41), Tariff::Europe).value(1), "6,00 F");
    EXPECT_EQ(shown(grams(300), Tariff::Ecopli), QStringList({"300 g", "0,00 F", "0,00 E"}));
}
