#pragma once
// The weight and postage of a mailing, worked out from what goes into it.
// Weights are whole tenths of a gram, so that a sum that should reach a
// tariff's limit exactly does not pass it by a binary hair.

#include <QString>

#include <array>

namespace PostalScale {

struct Item
{
    const char *group;     // the group box
    const char *label;     // the label left of the count
    const char *component; // the count's name
    int tenths;            // weight of one, in tenths of a gram
};

// The twenty items and, last, the extra weight (one gram per unit).
constexpr int kItemCount = 21;
const std::array<Item, kItemCount> &items();

enum class Tariff { France, Ecopli, Europe };

// The tariff's caption and the name of its button.
QString tariffCaption(Tariff t);
const char *tariffComponent(Tariff t);

using Counts = std::array<int, kItemCount>;

int weightTenths(const Counts &counts);
// The price in centimes of the step the weight falls into, the first step
// starting at 0 g; 0 above the tariff's last step.
int priceCentimes(Tariff tariff, int tenths);

struct Display
{
    QString weight; // "23 g"
    QString francs; // "4,50 F"
    QString euros;  // "0,69 E"
};
Display Calcule(const Counts &counts, Tariff tariff);
// What the window shows before the first change.
Display initial();

// Francs to euros at the fixed rate of 6,55957 francs to the euro.
double euros(double francs);

} // namespace PostalScale
