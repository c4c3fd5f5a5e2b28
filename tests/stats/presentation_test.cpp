// A statistic sorted and ranked, exported, charted and printed.

#include "stats/chart.h"
#include "stats/stattable.h"
#include "stats/tableprint.h"

#include "support/fakedialogs.h"

#include "print/recordingcanvas.h"

#include <gtest/gtest.h>

namespace {

StatList turnovers(const QList<QPair<QString, qint64>> &lines)
{
    StatList list(StatKind::TurnoverMembers);
    for (const auto &[key, cents] : lines)
        list.append(StatLine{key, QStringLiteral("Nom ") + key, cents});
    return list;
}

StatTable counts(const QStringList &codes)
{
    StatList list(StatKind::Departements);
    for (const QString &c : codes)
        list.CumulDpt(c);
    return StatTable::of(list, "Code", "Nom", "Qté");
}

QList<int> heights(const Chart::Geometry &g)
{
    QList<int> out;
    for (const QRect &r : g.bars)
        out.append(r.height());
    return out;
}

} // namespace

TEST(StatTable, SortsByKeyAsTextAndRanks)
{
    const StatTable t = counts({"75", "13", "01", "75", "2A"});
    QStringList rows;
    for (const StatTable::Row &r : t.rows)
        rows.append(QStringList{r[0], r[1], r[2], r[3]}.join('|'));
    EXPECT_EQ(rows, QStringList({"1|01|Ain|1", "2|13|Bouches-du-Rhônes|1", "3|2A||1", "4|75|Paris|2"}));
    EXPECT_EQ(t.titles[3], "Qté");

    const StatTable numbers = StatTable::of(turnovers({{"10010", 1}, {"10002", 2}, {"10001", 3}}), "Numéro", "Nom", "CA");
    EXPECT_EQ(numbers.values(), QStringList({"0,03", "0,02", "0,01"}));
}

TEST(StatTable, ExportsForASpreadsheet)
{
    StatList list(StatKind::TurnoverMembers);
    list.append(StatLine{"10001", "Dupont; fils", 1550});
    list.append(StatLine{"10002", "=1+1", -225});
    list.append(StatLine{"10003", "Le \"Café\"", 0});
    const QByteArray csv = StatTable::of(list, "Numéro", "Nom", "CA").csv();
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ(QString::fromUtf8(csv.mid(3)), QStringLiteral("Rang;Numéro;Nom;CA\r\n"
                                                            "1;10001;\"Dupont; fils\";15,50\r\n"
                                                            "2;10002;'=1+1;-2,25\r\n"
                                                            "3;10003;\"Le \"\"Café\"\"\";0,00\r\n"));
}

TEST(Chart, BarsScaleToTheLargestValue)
{
    const Chart::Geometry g = Chart::geometry(Chart::values({"5", "10", "2"}));
    EXPECT_EQ(heights(g), QList<int>({140, 280, 56}));
    EXPECT_EQ(g.bars[1], QRect(35, 20, 10, 280));
    EXPECT_EQ(g.bars[2].bottom() + 1, 300) << "bars stand on the axis";
    EXPECT_EQ(g.horizontalAxis, QLine(20, 300, 550, 300));
    EXPECT_EQ(g.verticalAxis, QLine(20, 300, 20, 20));

    // Halves go to the even number; amounts are read with their comma.
    EXPECT_EQ(Chart::values({" 2,50 ", "3,50", "-2,50", "12,51", "dix"}), QList<qint64>({2, 4, -2, 13, 0}));
    // Sums far beyond 32 bits keep their proportions.
    EXPECT_EQ(heights(Chart::geometry({Q_INT64_C(90000000000000000), Q_INT64_C(45000000000000000)})),
              QList<int>({280, 140}));
}

TEST(Chart, OnlyTheLast32ValuesAreCharted)
{
    QStringList texts;
    for (int i = 1; i <= 40; ++i)
        texts.append(QString::number(i) + ",00");
    const QList<qint64> values = Chart::values(texts);
    ASSERT_EQ(values.size(), 32);
    EXPECT_EQ(values.first(), 9);
    EXPECT_EQ(values.last(), 40);
    const Chart::Geometry g = Chart::geometry(values);
    ASSERT_EQ(g.bars.size(), 32);
    EXPECT_EQ(g.bars.last().left(), 20 + 15 * 31);
    EXPECT_EQ(g.bars.last().height(), 280);
}

TEST(Chart, NothingAboveZeroDrawsTheAxesOnly)
{
    EXPECT_TRUE(Chart::geometry(Chart::values({"0,00", "0,00"})).bars.isEmpty());
    EXPECT_TRUE(Chart::geometry({-5, -1}).bars.isEmpty());
    EXPECT_TRUE(Chart::geometry({}).bars.isEmpty());
    // Below the axis nothing is drawn, whatever the others are.
    const Chart::Geometry mixed = Chart::geometry({-5, 10, 0});
    ASSERT_EQ(mixed.bars.size(), 1);
    EXPECT_EQ(mixed.bars[0].left(), 35);
}

class TablePrintTest : public VelmoraTest
{
protected:
    TablePrintLayout layout{QStringLiteral("Arial"), 10, {64, 63, 294, 85}};

    StatTable rows(int n)
    {
        StatList list(StatKind::TurnoverMembers);
        for (int i = 0; i < n; ++i)
            list.append(StatLine{QString::number(10001 + i), QStringLiteral("Membre"), 100 * i});
        return StatTable::of(list, "Numéro", "Nom", "CA");
    }
    // Where the key column's texts start on the canvas.
    static int keyX(const Canvas &c) { return c.widthPx() / 25 + 64 * (c.widthPx() / 506) + 10; }
    static QStringList keys(const RecordingCanvas &c, int page)
    {
        QStringList out;
        for (const RecordingCanvas::Op &op : c.texts(page))
            if (op.x == keyX(c) && op.text != "Numéro")
                out.append(op.text);
        return out;
    }
};

TEST_F(TablePrintTest, EveryPageStartsWithTheDateAndTheTitlesAndHoldsItsRows)
{
    const StatTable table = rows(100);
    RecordingCanvas canvas;
    ASSERT_TRUE(TablePrint::print(canvas, table, layout, QString(), 100));
    EXPECT_EQ(TablePrint::jobTitle(), "Statistiques employés au 15/03/2026");
    ASSERT_GT(canvas.pageCount(), 1);

    const int top = canvas.heightPx() / 25;
    canvas.setFont("Arial", 10, true); // the header's font, for measuring it
    const int bottom = canvas.heightPx() - top;
    QStringList printed;
    for (int page = 0; page < canvas.pageCount(); ++page) {
        const QList<RecordingCanvas::Op> texts = canvas.texts(page);
        ASSERT_GE(texts.size(), 4);
        EXPECT_EQ(texts[0].text, "Imprimé le 15/03/2026");
        EXPECT_EQ(texts[0].y, top);
        EXPECT_EQ(texts[0].x + canvas.textWidth(texts[0].text), canvas.widthPx() - canvas.widthPx() / 25);
        EXPECT_TRUE(texts[0].bold);
        EXPECT_EQ(QStringList({texts[1].text, texts[2].text, texts[3].text}), QStringList({"Numéro", "Nom", "CA"}));
        bool grey = false;
        for (const RecordingCanvas::Op &op : canvas.ops())
            grey |= op.page == page && op.type == RecordingCanvas::Op::Fill && op.brush == QColor(0xC0, 0xC0, 0xC0);
        EXPECT_TRUE(grey) << "page " << page;
        for (const RecordingCanvas::Op &op : texts.mid(4)) {
            EXPECT_FALSE(op.bold);
            EXPECT_LT(op.y, bottom);
        }
        printed += keys(canvas, page);
        EXPECT_GT(texts.size(), 4) << "page " << page << " holds no row";
    }
    ASSERT_EQ(printed.size(), 100);
    EXPECT_EQ(printed.first(), "10001");
    EXPECT_EQ(printed.last(), "10100");
}

TEST_F(TablePrintTest, ValuesAlignRightAndAFullLastPageAddsNoEmptyPage)
{
    RecordingCanvas one;
    ASSERT_TRUE(TablePrint::print(one, rows(100), layout, "En-tête", 100));
    // The rows of one page, counted on the first.
    const int perPage = int(keys(one, 0).size());
    ASSERT_GT(perPage, 10);

    RecordingCanvas exact;
    ASSERT_TRUE(TablePrint::print(exact, rows(2 * perPage), layout, QString(), 2 * perPage));
    EXPECT_EQ(exact.pageCount(), 2);

    const int tableEnd = exact.widthPx() / 25 + 506 * (exact.widthPx() / 506);
    const RecordingCanvas::Op *value = exact.findText("1,00");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->x + exact.textWidth("1,00"), tableEnd - 10);
    EXPECT_EQ(keys(exact, 1).last(), QString::number(10000 + 2 * perPage));
    EXPECT_NE(one.findText("En-tête"), nullptr);
}

TEST_F(TablePrintTest, DegenerateLayoutsStillEnd)
{
    // No column width on screen: the scale stays 1 instead of dividing by 0.
    RecordingCanvas canvas;
    TablePrintLayout none{QStringLiteral("Arial"), 10, {0, 0, 0, 0}};
    EXPECT_TRUE(TablePrint::print(canvas, rows(3), none, QString(), 3));
    // A page that holds only its header still prints a row on each page.
    RecordingCanvas tiny(400, 60, 100, 16);
    EXPECT_TRUE(TablePrint::print(tiny, rows(5), layout, QString(), 5));
    EXPECT_EQ(tiny.pageCount(), 5);
    // A refused page stops the document.
    RecordingCanvas refusing;
    refusing.refuseNewPageFrom(1);
    EXPECT_FALSE(TablePrint::print(refusing, rows(100), layout, QString(), 100));
}
