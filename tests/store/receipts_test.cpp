#include "core/clock.h"
#include "store/receipts.h"
#include "store/recordstore.h"

#include "support/fakedialogs.h"

namespace {

QString bracket(const QString &text)
{
    return QLatin1Char('[') + text + QLatin1Char(']');
}

QStringList amountCells(const QStringList &first)
{
    QStringList cells = first;
    while (cells.size() < Receipts::kRows)
        cells << QString();
    return cells;
}

class ReceiptStore : public VelmoraTest
{
protected:
    // Receipt blocks with the given numbers and line 1 texts, in list order.
    void blocks(const QList<int> &numbers, const QStringList &line1s = {})
    {
        QStringList lines;
        for (int i = 0; i < numbers.size(); ++i) {
            const QString line1 = line1s.value(i, QStringLiteral("NUMR202601001"));
            lines += RecordStore::blockLines(Kind::Receipt, numbers[i],
                                             BlockData{{line1, QStringLiteral("01/03/2026"), QStringLiteral("Espèces"),
                                                        QStringLiteral("Reçu"), QStringLiteral("Payeur"), QString(),
                                                        QString(), QString()},
                                                       {},
                                                       {}});
        }
        s.ReceiptLines().setStringList(lines);
        s.state(Kind::Receipt).count = s.countTags(Kind::Receipt);
    }
    RecordStore s;
};

TEST_F(ReceiptStore, NumbersRunWithinTheMonthAndCountOnlyReceipts)
{
    EXPECT_EQ(s.Numerof(), 202603001);

    blocks({0, 1, 2, 3, 4},
           {QStringLiteral("NUMR202603002"), QStringLiteral("NUMR  202603007 "), QStringLiteral("NUMF202603050"),
            QStringLiteral("NUMA202603060"), QStringLiteral("NUMRdouze")});
    EXPECT_EQ(s.Numerof(), 202603008);

    Clock::setFixed(QDateTime(QDate(2026, 4, 2), QTime(9, 0)));
    EXPECT_EQ(s.Numerof(), 202604001);
    blocks({0, 1}, {QStringLiteral("NUMR202603007"), QStringLiteral("NUMR202605003")});
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

    s.ReceiptLines().setStringList({QStringLiteral(" "), QStringLiteral("texte")});
    s.state(Kind::Receipt).count = 4;
    EXPECT_EQ(Receipts::newReceiptNumber(s), 0) << "fewer than five lines count as no receipt";
    EXPECT_EQ(s.state(Kind::Receipt).count, 1);
}

TEST_F(ReceiptStore, AFullListTakesNoNewReceipt)
{
    QStringList lines;
    for (int n = 0; n < RecordStore::kMaxRecords; ++n)
        lines << RecordStore::openTag(n);
    s.ReceiptLines().setStringList(lines);
    s.state(Kind::Receipt).count = RecordStore::kMaxRecords;
    EXPECT_EQ(Receipts::newReceiptNumber(s), -1);
    EXPECT_EQ(dialogs().texts(QStringLiteral("message")), QStringList{QStringLiteral("Le fichier est plein")});
}

TEST(ReceiptTotals, AddsTheLinesInEurosFrancsAndWords)
{
    const Receipts::Totals t = Receipts::totals(amountCells({QStringLiteral("10,5"), QStringLiteral("2")}), bracket);
    EXPECT_EQ(t.amounts.mid(0, 3), (QStringList{QStringLiteral("[10,50]"), QStringLiteral("[2,00]"), QString()}));
    EXPECT_EQ(t.euros, QStringLiteral("12,50"));
    EXPECT_EQ(t.francs, QStringLiteral("81,99"));
    EXPECT_EQ(t.words, QStringLiteral("Douze Euros -  cinquante Cts"));
}

TEST(ReceiptTotals, CellsThatAreNotNumbersKeepTheirTextAndCountNothing)
{
    QStringList cells = amountCells({QStringLiteral("abc"), QStringLiteral("  20"), QStringLiteral("  "),
                                     QStringLiteral("1.5")});
    cells[62] = QStringLiteral("0,00");
    const Receipts::Totals t = Receipts::totals(cells, bracket);
    EXPECT_EQ(t.amounts.mid(0, 4), (QStringList{QStringLiteral("abc"), QStringLiteral("[20,00]"), QStringLiteral("  "),
                                                QStringLiteral("[1,50]")}));
    EXPECT_EQ(t.amounts[62], QStringLiteral("[0,00]"));
    EXPECT_EQ(t.euros, QStringLiteral("21,50"));
    EXPECT_EQ(t.words, QStringLiteral("Vingt et un Euros -  cinquante Cts"));
}

TEST(ReceiptTotals, TheTotalIsTheSumOfTheLinesAsShown)
{
    const Receipts::Totals t =
        Receipts::totals(amountCells({QStringLiteral("10,555"), QStringLiteral("10,555")}), bracket);
    EXPECT_EQ(t.amounts[0], QStringLiteral("[10,56]"));
    EXPECT_EQ(t.euros, QStringLiteral("21,12"));
}

TEST(ReceiptBlock, MapsTheFieldsToTheBlockAndBack)
{
    Receipts::Fields f;
    f.number = QStringLiteral("202603004");
    f.date = QStringLiteral("14/03/2026");
    f.mode = QStringLiteral("Chèque");
    f.kind = QStringLiteral("Facture");
    f.payer = {QStringLiteral("Dupont Jean"), QStringLiteral("3 rue Haute"), QString(), QStringLiteral("75001 Paris")};
    f.rows = {{QStringLiteral("Cotisation 2026"), QStringLiteral("   25,00")}, {QStringLiteral("Don"), QString()}};
    const BlockData b = Receipts::toBlock(f, 2);
    EXPECT_EQ(b.fixed, (QStringList{QStringLiteral("NUMF202603004"), f.date, f.mode, f.kind} + f.payer));
    EXPECT_EQ(Receipts::fromBlock(b), f);
    EXPECT_EQ(Receipts::toBlock(f, 1).rows.size(), 1) << "only the lines in use";

    f.kind = QStringLiteral("Avoir     ");
    EXPECT_EQ(Receipts::toBlock(f, 2).fixed[0], QStringLiteral("NUMA202603004"));
    f.kind.clear();
    EXPECT_EQ(Receipts::fromBlock(Receipts::toBlock(f, 2)).number, f.number) << "no digit is lost without a kind";

    BlockData stored = b;
    stored.fixed[0] = QStringLiteral("NUMR  202603009 ");
    EXPECT_EQ(Receipts::fromBlock(stored).number, QStringLiteral("202603009"));
}

TEST(ReceiptLines, DeletingALineMovesTheLinesInUseUp)
{
    QList<QStringList> rows;
    for (const char *name : {"a", "b", "c", "d", "e"})
        rows.append({QLatin1String(name), QStringLiteral("1")});
    const QList<QStringList> before = rows;
    int count = 4;
    EXPECT_FALSE(Receipts::deleteLine(&rows, 5, &count));
    EXPECT_FALSE(Receipts::deleteLine(&rows, 0, &count));
    EXPECT_EQ(rows, before);

    ASSERT_TRUE(Receipts::deleteLine(&rows, 2, &count));
    EXPECT_EQ(count, 3);
    EXPECT_EQ(rows[1], before[2]);
    EXPECT_EQ(rows[2], before[3]);
    EXPECT_EQ(rows[3], (QStringList{QString(), QString()}));
    EXPECT_EQ(rows[4], before[4]) << "a line past the lines in use stays";
}

TEST(ReceiptPayer, FillsTheEmptyLinesFromTheMemberAndKeepsTypedOnes)
{
    BlockData member;
    member.fixed = QStringList(17, QString());
    member.fixed[2] = QStringLiteral("Dupont");
    member.fixed[3] = QStringLiteral("Jean");
    member.fixed[4] = QStringLiteral("3 rue Haute");
    member.fixed[5] = QStringLiteral("Bâtiment B");
    member.fixed[6] = QStringLiteral("45000");
    member.fixed[7] = QStringLiteral("Orléans");
    EXPECT_EQ(Receipts::payerFromMember(QStringList(4, QString()), member),
              (QStringList{QStringLiteral("Dupont Jean"), QStringLiteral("3 rue Haute"), QStringLiteral("Bâtiment B"),
                           QStringLiteral("45000 Orléans")}));
    EXPECT_EQ(Receipts::payerFromMember({QStringLiteral("Mairie"), QString(), QStringLiteral("Sports"), QString()},
                                        member),
              (QStringList{QStringLiteral("Mairie"), QStringLiteral("3 rue Haute"), QStringLiteral("Sports"),
                           QStringLiteral("45000 Orléans")}));
}

} // namespace
