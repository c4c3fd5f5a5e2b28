#include "tools/postalscale.h"

#include "core/formats.h"
#include "store/receipts.h"

namespace PostalScale {

namespace {

struct Step
{
    int grams;
    int centimes;
};

constexpr Step kFrance[] = {{20, 300}, {50, 450}, {100, 670}, {250, 1150}, {500, 1600},
                            {1000, 2100}, {2000, 2800}, {3000, 3300}};
constexpr Step kEcopli[] = {{20, 270}, {50, 350}, {100, 420}, {250, 800}};
constexpr Step kEurope[] = {{20, 300}, {40, 460}, {60, 600}, {80, 700}, {100, 800}, {200, 1800},
                            {300, 2800}, {400, 3200}, {500, 3500}, {750, 4700}, {1000, 5600}};

template <size_t N>
int priceIn(const Step (&steps)[N], int tenths)
{
    for (const Step &s : steps)
        if (tenths <= s.grams * 10)
            return s.centimes;
    return 0;
}

} // namespace

const std::array<Item, kItemCount> &items()
{
    static const std::array<Item, kItemCount> all{{
        {"Enveloppes simples", "114 x 162 mm", "SpinEdit1", 32},
        {"Enveloppes simples", "110 x 220 mm", "SpinEdit2", 45},
        {"Enveloppes simples", "162 x 229 mm", "SpinEdit3", 75},
        {"Enveloppes simples", "229 x 234 mm", "SpinEdit4", 146},
        {"Enveloppes matalassées", "170 x 230 mm", "SpinEdit5", 160},
        {"Enveloppes matalassées", "200 x 270 mm", "SpinEdit6", 204},
        {"Enveloppes matalassées", "240 x 280 mm", "SpinEdit7", 250},
        {"Enveloppes matalassées", "260 x 340 mm", "SpinEdit8", 293},
        {"Enveloppes matalassées", "280 x 370 mm", "SpinEdit21", 375},
        {"Feuilles", "210 x 297 mm (A4)", "SpinEdit9", 50},
        {"Feuilles", "297 x 420 mm (A3)", "SpinEdit10", 100},
        {"Feuilles", "180 x 220 mm (cour.)", "SpinEdit11", 25},
        {"Feuilles", "Chèque", "SpinEdit12", 14},
        {"Supports informatiques", "Disquette 3 1/2", "SpinEdit13", 190},
        {"Supports informatiques", "CD-ROM nu", "SpinEdit14", 150},
        {"Supports informatiques", "CD-ROM Etui", "SpinEdit15", 222},
        {"Supports informatiques", "CD-ROm boîte plast.", "SpinEdit16", 920},
        {"Supports informatiques", "Disquette Ioméga", "SpinEdit17", 860},
        {"Photos", "Photo 100 x 150 mm", "SpinEdit18", 36},
        {"Photos", "Photo 130 x 190 mm", "SpinEdit19", 60},
        {"Poids supplémentaire", "En grammes", "SpinEdit20", 10},
    }};
    return all;
}

QString tariffCaption(Tariff t)
{
    switch (t) {
    case Tariff::France: return QStringLiteral("Expédition France rapide");
    case Tariff::Ecopli: return QStringLiteral("Expédition France Ecopli");
    case Tariff::Europe: break;
    }
    return QStringLiteral("Expédition vers l'U.E.");
}

const char *tariffComponent(Tariff t)
{
    switch (t) {
    case Tariff::France: return "RadioButton1";
    case Tariff::Ecopli: return "RadioButton3";
    case Tariff::Europe: break;
    }
    return "RadioButton2";
}

int weightTenths(const Counts &counts)
{
    int tenths = 0;
    for (int i = 0; i < kItemCount; ++i)
        tenths += counts[size_t(i)] * items()[size_t(i)].tenths;
    return tenths;
}

int priceCentimes(Tariff tariff, int tenths)
{
    switch (tariff) {
    case Tariff::France: return priceIn(kFrance, tenths);
    case Tariff::Ecopli: return priceIn(kEcopli, tenths);
    case Tariff::Europe: break;
    }
    return priceIn(kEurope, tenths);
}

double euros(double francs)
{
    return francs * (1.0 / Receipts::kEuroRate);
}

Display Calcule(const Counts &counts, Tariff tariff)
{
    const int tenths = weightTenths(counts);
    const double francs = priceCentimes(tariff, tenths) / 100.0;
    // Whole grams, halves upwards.
    return {QString::number((tenths + 5) / 10) + QStringLiteral(" g"), Formats::amount(francs) + QStringLiteral(" F"),
            Formats::amount(euros(francs)) + QStringLiteral(" E")};
}

Display initial()
{
    return {QStringLiteral("20 g"), QStringLiteral("3 F"), QStringLiteral("0,46 E")};
}

} // namespace PostalScale
