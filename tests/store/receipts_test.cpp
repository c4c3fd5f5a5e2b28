#include "core/clock.h"
#include "store/receipts.h"

#include "support/blocks.h"

namespace {

class ReceiptStore : public VelmoraTest
{
protected:
    // Receipt blocks with the given numbers and line 1 texts, in list order.
    void blocks(const QList<int> &numbers, const QStringList &line1s = {})
    {
        QStringList lines;
        for (int i = 0; i < numbers.size(); ++i)
            lines += block(Kind::Receipt, numbers[i], {{1, line1s.value(i, "NUMR202601001")}, {5, "Payeur"}});
        setList(s, Kind::Receipt, lines);
    }
    RecordStore s;
};

TEST_F(ReceiptStore, NumbersRunWithinTheMonthAndCountOnlyReceipts)
{
    EXPECT_EQ(s.Numerof(), 202603001);
    blocks({0, 1, 2, 3, 4}, {"NUMR202603002", "NUMR  202603007 ", "NUMF202603050", "NUMA202603060", "NUMRdouze"});
    EXPECT_EQ(s.Numerof(), 202603008);

    Clock::setFixed(QDateTime(QDate(2026, 4, 2), QTime(9, 0)));
    EXPECT_EQ(s.Numerof(), 202604001);
    blocks({0, 1}, {"NUMR202603007", "NUMR202605003"});
    EXPECT_EQ(s.Numerof(), 202605004) << "a higher number than the month's goes on";
}

TEST_F(ReceiptStore, ANewReceiptTakesTheFirstFreeBlockNumber)
{
    EXPECT_EQ(Receipts::newReceiptNumber(s), 0);
    EXPECT_EQ(s.state(Kind::Receipt).count, 1);
    blocks({0, 1});
    EXPECT_EQ(Receipts::newReceiptNumber(s), 2);
    EXPECT_EQ(Receipts::newReceiptNumber(s), 2) << "a new receipt never written is not skipped";
    EXPECT_EQ(s.state(Kind::Receipt).count, 3);
    blocks({0, 1, 3});
    EXPECT_EQ(Receipts::newReceiptNumber(s), 2) << "a stored receipt is never shown as a new one";

    s.ReceiptLines().setStringList({" ", "texte"});
    s.state(Kind::Receipt).count = 4;
    EXPECT_EQ(Receipts::newReceiptNumber(s), 0) << "fewer than five lines count as no receipt";
    EXPECT_EQ(s.state(Kind::Receipt).count, 1);

    QStringList full;
    for (int n = 0; n < RecordStore::kMaxRecords; ++n)
        full << RecordStore::openTag(n);
    s.ReceiptLines().setStringList(full);
    EXPECT_EQ(Receipts::newReceiptNumber(s), -1);
    EXPECT_EQ(dialogs().texts("message"), QStringList{"Le fichier est plein"});
}

TEST(ReceiptTotals, CountOnlyNumbersAndAddThemAsShown)
{
    QStringList cells(Receipts::kRows, QString());
    cells[0] = "abc";
    cells[1] = "  20";
    cells[2] = "  ";
    cells[3] = "1.5";
    cells[Receipts::kRows - 1] = "0,00";
    const auto bracket = [](const QString &text) { return '[' + text + ']'; };
    Receipts::Totals t = Receipts::totals(cells, bracket);
    EXPECT_EQ(t.amounts.mid(0, 5), (QStringList{"abc", "[20,00]", "  ", "[1,50]", ""}));
    EXPECT_EQ(t.amounts.last(), "[0,00]");
    EXPECT_EQ(t.euros, "21,50");
    EXPECT_EQ(t.words, "Vingt et un Euros -  cinquante Cts");

    // The total is the sum of the lines as printed: 10,555 shows and counts as 10,56.
    cells = QStringList{"10,555", "10,555"};
    t = Receipts::totals(cells, bracket);
    EXPECT_EQ(t.amounts[0], "[10,56]");
    EXPECT_EQ(t.euros, "21,12");
}

TEST(ReceiptBlock, MapsTheFieldsToTheBlockAndBack)
{
    Receipts::Fields f{"202603004", "14/03/2026", "Chèque", "Facture", {"Dupont Jean", "3 rue Haute", "", "Paris"},
                       {{"Cotisation 2026", "   25,00"}, {"Don", ""}}};
    const BlockData b = Receipts::toBlock(f, 2);
    EXPECT_EQ(b.fixed, (QStringList{"NUMF202603004", f.date, f.mode, f.kind} + f.payer));
    EXPECT_EQ(Receipts::fromBlock(b), f);
    EXPECT_EQ(Receipts::toBlock(f, 1).rows.size(), 1) << "only the lines in use";
    f.kind.clear();
    EXPECT_EQ(Receipts::fromBlock(Receipts::toBlock(f, 2)).number, f.number) << "no digit is lost without a kind";
    BlockData padded = b;
    padded.fixed[0] = "NUMR  202603009 ";
    EXPECT_EQ(Receipts::fromBlock(padded).number, "202603009");
}

TEST(ReceiptLines, DeletingALineMovesOnlyTheLinesInUseUp)
{
    QList<QStringList> rows{{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}, {"e", "5"}};
    const QList<QStringList> before = rows;
    int count = 4;
    EXPECT_FALSE(Receipts::deleteLine(&rows, 5, &count));
    EXPECT_FALSE(Receipts::deleteLine(&rows, 0, &count));
    EXPECT_EQ(rows, before);
    ASSERT_TRUE(Receipts::deleteLine(&rows, 2, &count));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(rows, (QList<QStringList>{before[0], before[2], before[3], {"", ""}, before[4]}));
}

TEST(ReceiptPayer, FillsOnlyTheEmptyLinesFromTheMember)
{
    BlockData member;
    member.fixed = QStringList{"10001", "M.", "Dupont", "Jean", "3 rue Haute", "Bât. B", "45000", "Orléans"};
    EXPECT_EQ(Receipts::payerFromMember({"Mairie", "", "Sports", ""}, member),
              (QStringList{"Mairie", "3 rue Haute", "Sports", "45000 Orléans"}));
}

} // namespace
