// The journal month: reading, writing back in place, entry, order, deletion,
// pending entries and totals.

#include "treasurytest.h"

#include <QRegularExpression>

namespace {

const QString kMarch = QStringLiteral("200103");
const QDate kToday(2026, 3, 15);

QString padded(const QString &amount)
{
    return amount.rightJustified(16, QLatin1Char(' '));
}

} // namespace

TEST(JournalMonth, WritesTheUsedRowsAfterEveryOtherLineAndReadsThemBack)
{
    RecordList journal(QStringList{"200102000001/02/2001", "notes"});
    JournalMonth month({2001, 3});
    month.read(journal);
    EXPECT_EQ(month.count(), 0);
    EXPECT_EQ(month.enter(entry("05/03/2001", "60600", "Papier", "12.5"), kToday), JournalMonth::Entered::Stored);
    EXPECT_EQ(month.enter(entry("02/03/2001", "70600", "Vente", "", "40"), kToday), JournalMonth::Entered::Stored);
    ASSERT_TRUE(month.write(journal));
    ASSERT_EQ(journal.size(), 14);
    EXPECT_EQ(journal.at(0), "200102000001/02/2001");
    EXPECT_EQ(journal.at(1), "notes");
    EXPECT_EQ(journal.at(2), "2001030000" "02/03/2001");
    EXPECT_EQ(journal.at(8), "2001030010" "05/03/2001");
    EXPECT_EQ(journal.at(11), "2001030013" + padded("12,50"));
    EXPECT_EQ(journal.at(13), "2001030015");

    JournalMonth again({2001, 3});
    again.read(journal);
    EXPECT_EQ(again.usedRows(), month.usedRows());
    EXPECT_FALSE(again.write(journal)) << "an unchanged month is not written";

    // Deleting the only entries leaves no line of the month.
    again.remove(0);
    again.remove(0);
    EXPECT_EQ(again.count(), 0);
    again.write(journal);
    EXPECT_EQ(journal.toStringList(), (QStringList{"200102000001/02/2001", "notes"}));
}

TEST(JournalMonth, WhatItCannotReadStaysByteForByteAndPendingEntriesBecomeRows)
{
    QStringList lines{"200102000015/02/2001", "200103", "200103abc0x", "2001031280row 128", "2001030006col 6",
                      "2001039995pending col 5"};
    lines += entryLines(kMarch, 0, {"05/03/2001", "60600", "Encre", "   10,00", "", ""});
    lines += entryLines(kMarch, 999, {"07/03/2001", "70600", "Don", "", "25.5"});
    lines += QStringList{JournalLine::compose(kMarch, 999, 0, "09/03/2001")}; // never closed
    RecordList journal(lines);
    journal.appendRaw(QByteArrayView("2001030x1\x81\xff", 11)); // bytes of no character of ours
    const RecordList before = journal;

    JournalMonth month({2001, 3});
    month.read(journal);
    ASSERT_EQ(month.count(), 2);
    EXPECT_EQ(month.row(1), (JournalRow{"07/03/2001", "70600", "Don", "", padded("25,50"), ""}));
    EXPECT_EQ(month.pendingLeft(), 0);
    EXPECT_FALSE(month.write(journal));
    EXPECT_EQ(journal, before) << "pending entries stay pending until the month changes";

    month.enter(entry("01/03/2001", "60600", "Timbres", "3"), kToday);
    ASSERT_TRUE(month.write(journal));
    // Everything not read, in its order, then the three rows.
    QStringList kept;
    for (const int i : {0, 1, 2, 3, 4, 5, 17, 18})
        kept.append(rawLines(before).at(i));
    EXPECT_EQ(rawLines(journal).mid(0, 8), kept);
    ASSERT_EQ(journal.size(), 8 + 18);
    EXPECT_EQ(journal.at(8), "2001030000" "01/03/2001");
    EXPECT_EQ(journal.at(20), "2001030020" "07/03/2001");

    // Written again after another change, the unread lines still do not move.
    month.toggleMark(0);
    month.write(journal);
    EXPECT_EQ(rawLines(journal).mid(0, 8), kept);
    EXPECT_EQ(journal.at(journal.size() - 13), "2001030005" + JournalMonth::markText());
}

TEST(JournalMonth, APendingEntryHoldingNothingIsNoRowAndAWrittenMonthReadsBackAsShown)
{
    // Found by fuzzing: the empty pending entry took a row that the month,
    // once written, no longer had.
    const RecordList journal(QStringList{"202603000015/03/22603000015/03/2026", "202603000175600",
                                         "2026030002Cotisation 0/03/20", "2026039994", ""});
    JournalMonth month({2026, 3});
    month.read(journal);
    ASSERT_EQ(month.count(), 1);
    RecordList written = journal;
    month.toggleMark(0);
    month.toggleMark(0);
    ASSERT_TRUE(month.write(written));
    JournalMonth again({2026, 3});
    again.read(written);
    EXPECT_EQ(again.usedRows(), month.usedRows());
    EXPECT_EQ(rawLines(written).filter(QRegularExpression("^202603999")), QStringList());
}

TEST(JournalMonth, MovingBetweenMonthsReadsWhatAFreshReadFinds)
{
    QStringList lines;
    for (int m = 1; m <= 4; ++m)
        for (int r = 0; r < 3; ++r) {
            const QString key = Period::monthKey(2001, m);
            lines += entryLines(key, r, {QString("%1/0%2/2001").arg(10 + r).arg(m), "60600", key, "1"});
            lines += JournalLine::compose(key, 200, 0, "illisible");
            lines += entryLines(key, 999, {"01/01/2001", "70600", "attente", "", "2"});
        }
    RecordList journal(lines);
    JournalMonth month({2001, 2});
    month.read(journal);
    const int moves[] = {1, -1, 2, -3, 1, 1, 1, -2};
    for (const int delta : moves) {
        month.enter(entry("", "60600", "ajout", "3"), kToday);
        month.move(journal, delta);
        JournalMonth fresh(month.shown());
        fresh.read(journal);
        EXPECT_EQ(month.usedRows(), fresh.usedRows()) << month.shown().caption().toStdString();
        EXPECT_EQ(month.count(), fresh.count());
    }
    EXPECT_EQ(journal.toStringList().filter("illisible").size(), 12);
}

TEST(JournalMonth, AFullMonthRefusesTheNextEntryAndLeavesPendingOnesPending)
{
    QStringList lines;
    for (int r = 0; r < 126; ++r)
        lines += entryLines(kMarch, r, {"10/03/2001", "60600", QString::number(r), "1,00"});
    for (int p = 0; p < 3; ++p)
        lines += entryLines(kMarch, 999, {"11/03/2001", "70600", "Attente " + QString::number(p), "", "2"});
    RecordList journal(lines);
    JournalMonth month({2001, 3});
    month.read(journal);
    EXPECT_EQ(month.count(), 128);
    EXPECT_EQ(month.pendingLeft(), 1);
    EXPECT_EQ(month.row(127)[ColLabel], "Attente 1");

    EXPECT_EQ(month.enter(entry("12/03/2001", "60600", "De trop", "1"), kToday), JournalMonth::Entered::Full);
    EXPECT_EQ(month.count(), 128);
    EXPECT_FALSE(month.changed());

    // A change in place is still taken; the entry left waiting stays so.
    ASSERT_TRUE(month.beginChange(0));
    EXPECT_EQ(month.enter(entry("10/03/2001", "60600", "Changé", "2"), kToday), JournalMonth::Entered::Stored);
    month.write(journal);
    EXPECT_EQ(journal.toStringList().filter(QRegularExpression("^2001039990")).size(), 1);
    EXPECT_EQ(journal.toStringList().filter(QRegularExpression("^2001039992Attente 2$")).size(), 1);
    JournalMonth again({2001, 3});
    again.read(journal);
    EXPECT_EQ(again.count(), 128);
    EXPECT_EQ(again.pendingLeft(), 1);

    // Any number of pending entries is taken while there is room.
    QStringList many;
    for (int p = 0; p < 15; ++p)
        many += entryLines("200104", 999, {"01/04/2001", "70600", QString::number(p), "", "1"});
    JournalMonth april({2001, 4});
    april.read(RecordList(many));
    EXPECT_EQ(april.count(), 15);
    EXPECT_EQ(april.row(14)[ColLabel], "14");
}

TEST(JournalMonth, SortsByDayKeepingTheOrderOfEntriesOfOneDay)
{
    JournalMonth month({2001, 3});
    month.read(RecordList());
    const char *const entered[][2] = {{"15/03/2001", "A"}, {"03/03/2001", "B"}, {"09/03/2001", "C"},
                                      {"03/03/2001", "D"}, {"15/03/2001", "E"}, {"03/03/2001", "F"}};
    for (const auto &e : entered)
        month.enter(entry(e[0], "60600", e[1], "1"), kToday);
    QStringList order;
    for (const JournalRow &r : month.usedRows())
        order.append(r[ColLabel]);
    EXPECT_EQ(order, (QStringList{"B", "D", "F", "C", "A", "E"}));
    month.Tri();
    EXPECT_EQ(month.row(1)[ColLabel], "D");
}

TEST(JournalMonth, CountsToTheLastUsedRowAndDeletesOnlyUsedRows)
{
    QStringList lines = entryLines(kMarch, 0, {"02/03/2001", "60600", "Un", "   5,00"});
    lines += entryLines(kMarch, 5, {"", "70600", "Sans date", "", "   7,00"});
    JournalMonth month({2001, 3});
    month.read(RecordList(lines));
    EXPECT_EQ(month.count(), 6);
    EXPECT_EQ(month.totals().receipts, 700);

    EXPECT_FALSE(month.beginChange(6)) << "a row past the used ones is not opened";
    EXPECT_FALSE(month.remove(6));
    ASSERT_TRUE(month.beginChange(5));
    ASSERT_TRUE(month.remove(0));
    EXPECT_EQ(month.editedRow(), -1) << "deleting ends the change in progress";
    EXPECT_EQ(month.count(), 5);
    EXPECT_EQ(month.row(4)[ColLabel], "Sans date");
    EXPECT_EQ(month.row(5), JournalRow{});
    EXPECT_EQ(month.totals().expenses, 0);
    EXPECT_TRUE(month.changed());
}

TEST(JournalMonth, EntersWhatWasTypedOrRefusesItWhole)
{
    JournalMonth month({2026, 3});
    month.read(RecordList());
    EXPECT_EQ(month.enter(entry("", "60600", "x", " ", ""), kToday), JournalMonth::Entered::NoAmount);
    EXPECT_EQ(month.enter(entry("", "60600", "x", "12", "1,2,3"), kToday), JournalMonth::Entered::BadAmount);
    EXPECT_EQ(month.count(), 0);
    EXPECT_FALSE(month.changed());

    for (int i = 0; i < 10; ++i)
        month.enter(entry("", "70600", "Dix centimes", "", "0,10"), kToday);
    EXPECT_EQ(month.row(0)[ColDate], "15/03/2026") << "an empty date is today's";
    EXPECT_EQ(month.totals().receipts, 100);

    ASSERT_TRUE(month.beginChange(3));
    EXPECT_EQ(month.beginChange(3)->receipt, "0,10");
    month.enter(entry("20/03/2026", "60600", "Changé", "0.105", ""), kToday);
    EXPECT_EQ(month.count(), 10);
    EXPECT_EQ(month.row(9)[ColExpense], padded("0,11"));
    EXPECT_EQ(month.totals().receipts, 90);
}

TEST(Period, MovesBetweenMonthsAndYearsWithinFourDigitYears)
{
    using Period::YearMonth;
    EXPECT_EQ((YearMonth{2001, 1}.step(-1)), (YearMonth{2000, 12}));
    EXPECT_EQ((YearMonth{2001, 12}.step(1)), (YearMonth{2002, 1}));
    EXPECT_EQ((YearMonth{1900, 1}.step(-1)), (YearMonth{1900, 1}));
    EXPECT_EQ((YearMonth{9999, 12}.step(1)), (YearMonth{9999, 12}));
    EXPECT_EQ(Period::stepYear(9999, 1), 9999);
    EXPECT_EQ((YearMonth{2001, 3}.caption()), "Mars 2001");
}
