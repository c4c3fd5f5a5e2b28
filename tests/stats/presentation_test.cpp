// A statistic sorted and ranked, exported, charted and printed.

#include "stats/chart.h"
#include "stats/tableprint.h"

#include "print/recordingcanvas.h"
#include "support/fakedialogs.h"

#include <gtest/gtest.h>

namespace {

StatTable turnovers(int n)
{
    StatList list(StatKind::TurnoverMembers);
    for (int i = 0; i < n; ++i)
        list.append(StatLine{QString::number(10001 + i), QStringLiteral("Membre"), 100 * i});
    return StatTable::of(list, "Numéro", "Nom", "CA");
}

QList<int> heights(const QList<qint64> &values)
{
    QList<int> out;
    for (const QRect &r : Chart::geometry(values).bars)
        out.append(r.height());
    return out;
}

} // namespace

TEST(StatTable, SortsByKeyAsTextRanksAndExports)
{
    StatList d(StatKind::Departements);
    for (const char *code : {"75", "13", "01", "75", "2A"})
        d.CumulDpt(code);
    QStringList rows;
    for (const StatTable::Row &r : StatTable::of(d, "Code", "Nom", "Qté").rows)
        rows.append(QStringList{r[0], r[1], r[2], r[3]}.join('|'));
    EXPECT_EQ(rows, QStringList({"1|01|Ain|1", "2|13|Bouches-du-Rhônes|1", "3|2A||1", "4|75|Paris|2"}));

    StatList list(StatKind::TurnoverMembers);
    list.append(StatLine{"10010", "Dupont; fils", 1550});
    list.append(StatLine{"10002", "=1+1", -225});
    list.append(StatLine{"10001", "Le \"Café\"", 0});
    const QByteArray csv = StatTable::of(list, "Numéro", "Nom", "CA").csv();
    EXPECT_EQ(csv, "\xEF\xBB\xBF" + QStringLiteral("Rang;Numéro;Nom;CA\r\n"
                                                  "1;10001;\"Le \"\"Café\"\"\";0,00\r\n"
                                                  "2;10002;'=1+1;-2,25\r\n"
                                                  "3;10010;\"Dupont; fils\";15,50\r\n")
                        .toUtf8());
}

TEST(Chart, BarsScaleToTheLargestValueAboveZero)
{
    EXPECT_EQ(heights(Chart::values({"5", "10", "2"})), QList<int>({140, 280, 56}));
    EXPECT_EQ(Chart::geometry({5, 10, 2}).bars[1], QRect(35, 20, 10, 280));
    // Halves go to the even number; amounts are read with their comma.
    EXPECT_EQ(Chart::values({" 2,50 ", "3,50", "-2,50", "12,51", "dix"}), QList<qint64>({2, 4, -2, 13, 0}));
    // Sums far beyond 32 bits keep their proportions.
    EXPECT_EQ(heights({Q_INT64_C(90000000000000000), Q_INT64_C(45000000000000000)}), QList<int>({280, 140}));
    // Nothing above zero: the axes only; below the axis nothing, whatever the others are.
    EXPECT_TRUE(heights(Chart::values({"0,00", "0,00"})).isEmpty());
    EXPECT_TRUE(heights({-5, -1}).isEmpty());
    ASSERT_EQ(Chart::geometry({-5, 10, 0}).bars.size(), 1);
    EXPECT_EQ(Chart::geometry({-5, 10, 0}).bars[0].left(), 35);
}

TEST(Chart, OnlyTheLast32ValuesAreCharted)
{
    const QList<qint64> values = Chart::values(turnovers(41).values()); // 0,00 to 40,00
    ASSERT_EQ(values.size(), 32);
    EXPECT_EQ(values.first(), 9);
    const Chart::Geometry g = Chart::geometry(values);
    ASSERT_EQ(g.bars.size(), 32);
    EXPECT_EQ(g.bars.last(), QRect(20 + 15 * 31, 20, 10, 280));
}

class TablePrintTest : public VelmoraTest
{
protected:
    TablePrintLayout layout{QStringLiteral("Arial"), 10, {64, 63, 294, 85}};

    // The keys printed on a page, found by the key column's position.
    static QStringList keys(const RecordingCanvas &c, int page)
    {
        QStringList out;
        for (const RecordingCanvas::Op &op : c.texts(page))
            if (op.x == c.widthPx() / 25 + 64 * (c.widthPx() / 506) + 10 && op.text != "Numéro")
                out.append(op.text);
        return out;
    }
};

TEST_F(TablePrintTest, EveryPageStartsWithTheDateAndTheTitlesAndHoldsItsRowsUpToTheLast)
{
    RecordingCanvas canvas;
    ASSERT_TRUE(TablePrint::print(canvas, turnovers(100), layout, QString(), 100));
    ASSERT_GT(canvas.pageCount(), 1);
    const int top = canvas.heightPx() / 25;
    canvas.setFont("Arial", 10, true); // the header's font, for measuring it
    QStringList printed;
    for (int page = 0; page < canvas.pageCount(); ++page) {
        const QList<RecordingCanvas::Op> texts = canvas.texts(page);
        ASSERT_GT(texts.size(), 4) << "page " << page << " holds no row";
        EXPECT_TRUE(texts[0].text == "Imprimé le 15/03/2026" && texts[0].bold && texts[0].y == top);
        EXPECT_EQ(texts[0].x + canvas.textWidth(texts[0].text), canvas.widthPx() - canvas.widthPx() / 25);
        EXPECT_EQ(QStringList({texts[1].text, texts[2].text, texts[3].text}), QStringList({"Numéro", "Nom", "CA"}));
        EXPECT_TRUE(std::any_of(canvas.ops().begin(), canvas.ops().end(), [&](const RecordingCanvas::Op &op) {
            return op.page == page && op.type == RecordingCanvas::Op::Fill && op.brush == QColor(0xC0, 0xC0, 0xC0);
        }));
        for (const RecordingCanvas::Op &op : texts.mid(4))
            EXPECT_TRUE(!op.bold && op.y < canvas.heightPx() - top);
        printed += keys(canvas, page);
    }
    ASSERT_EQ(printed.size(), 100);
    EXPECT_EQ(printed.first() + printed.last(), "1000110100");

    // A full last page adds no empty page; values align right; the header is printed.
    const int perPage = int(keys(canvas, 0).size());
    ASSERT_GT(perPage, 10);
    RecordingCanvas exact;
    ASSERT_TRUE(TablePrint::print(exact, turnovers(2 * perPage), layout, "En-tête", 2 * perPage));
    EXPECT_NE(exact.findText("En-tête"), nullptr);
    EXPECT_EQ(exact.pageCount(), 2);
    EXPECT_EQ(keys(exact, 1).last(), QString::number(10000 + 2 * perPage));
    const RecordingCanvas::Op *value = exact.findText("1,00");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->x + exact.textWidth("1,00"), exact.widthPx() / 25 + 506 * (exact.widthPx() / 506) - 10);
}

TEST_F(TablePrintTest, DegenerateLayoutsStillEnd)
{
    // No column width on screen: the scale stays 1 instead of dividing by 0.
    RecordingCanvas canvas;
    EXPECT_TRUE(TablePrint::print(canvas, turnovers(3), {QStringLiteral("Arial"), 10, {0, 0, 0, 0}}, QString(), 3));
    // A page that holds only its header still prints a row on each page.
    RecordingCanvas tiny(400, 60, 100, 16);
    EXPECT_TRUE(TablePrint::print(tiny, turnovers(5), layout, QString(), 5));
    EXPECT_EQ(tiny.pageCount(), 5);
    RecordingCanvas refusing;
    refusing.refuseNewPageFrom(1);
    EXPECT_FALSE(TablePrint::print(refusing, turnovers(100), layout, QString(), 100));
}
