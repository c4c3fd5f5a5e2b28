// The record window's printouts on recording canvases: every position through
// the truncated factor and the 3 mm shift, on an A4 sheet at 600 dpi (factor
// 23), on a device stretched downwards (23 across, 47 down) and at 96 dpi.
// Where only places are checked, the stretched device tells the two axes
// apart; where the fonts' widths decide, every device is tried.

#include "print/card.h"
#include "print/lists.h"
#include "print/printtest.h"
#include "print/receiptprint.h"
#include "print/sheet.h"

#include <gtest/gtest.h>

namespace {

using Op = RecordingCanvas::Op;
using Places = QList<std::tuple<QString, int, int>>;

struct Device
{
    int w, h, wMm, hMm, fx, fy;
    RecordingCanvas canvas() const { return RecordingCanvas(w, h, wMm, hMm); }
    Device turned() const { return {h, w, hMm, wMm, fy, fx}; }
};
const Device kDevices[] = {{4960, 7016, 210, 297, 23, 23}, {4960, 14032, 210, 297, 23, 47}, {794, 1123, 210, 297, 3, 3}};
const Device &kStretched = kDevices[1];

// Each text is drawn on the page at (x, y) nominal millimetres of the device.
void expectAt(const RecordingCanvas &c, const Device &d, const Places &places, int page = 0)
{
    for (const auto &[text, x, y] : places) {
        const Op *op = c.findText(text);
        ASSERT_TRUE(op) << text.toStdString();
        EXPECT_EQ(QList<int>({op->x, op->y, op->page}), QList<int>({d.fx * x, d.fy * (y + 3), page}))
            << text.toStdString();
    }
}

// The first rectangle drawn: type, corners, pen.
QList<int> firstFrame(const RecordingCanvas &c)
{
    const Op &f = c.ops().constFirst();
    return {f.type, f.x, f.y, f.x2, f.y2, f.penWidth};
}

void expectOnPaper(const RecordingCanvas &c)
{
    for (const Op &op : c.texts())
        EXPECT_LE(op.x + c.textWidth(op.text), c.widthPx()) << op.text.toStdString();
}

BlockData memberData()
{
    BlockData m;
    const QStringList values{"10001", "M.", "Durand", "Jean", "1 rue Haute", "Bât. B", "75001", "Paris", "0102",
                             "0103", "0604", "web.fr", "j@d.fr", "01/02/1970", "Luthier", "31/12/2026", "1"};
    for (int p = 1; p <= values.size(); ++p)
        m.setField(p, values[p - 1]);
    m.memo = {"Première remarque", "Seconde"};
    return m;
}

QList<BlockRef> all(const RecordList &list, int count)
{
    return RecordRange::of(0, 0, count).blocks(list);
}

const QStringList kHeader{"Club", "h2", "h3", "h4", "h5", "h6", "h7"};

} // namespace

TEST(Placement, TruncatesThePixelsPerMillimetreAndRefusesDevicesWithoutArea)
{
    // 4960 x 7016 px over 210 x 297 mm: 23.6 and 23.62 truncated.
    const auto p = Placement::of(RecordingCanvas());
    ASSERT_TRUE(p);
    EXPECT_EQ(QList<int>({p->factorX, p->x(100), p->factorY, p->y(10)}), QList<int>({23, 2300, 23, 230}));
    EXPECT_EQ(Placement::of(kStretched.canvas())->y(2), 94);
    EXPECT_FALSE(Placement::of(RecordingCanvas(4960, 7016, 0, 297)));
    EXPECT_FALSE(Placement::of(RecordingCanvas(100, 7016, 210, 297))); // under a pixel per millimetre
}

TEST(RecordSheet, EveryFieldAtItsPlace)
{
    BlockData partner;
    for (int p = 1; p <= PartnerField::Count; ++p)
        partner.setField(p, QStringLiteral("P%1").arg(p));
    RecordingCanvas c = kStretched.canvas();
    ASSERT_TRUE(RecordSheet::member(c, memberData()));
    expectAt(c, kStretched,
             {{"Numéro", 5, 5}, {"10001", 35, 5}, {"Titre", 60, 5}, {"M.", 75, 5}, {"Naissance", 110, 5},
              {"01/02/1970", 135, 5}, {"Profession", 110, 10}, {"Luthier", 135, 10}, {"Echeance", 110, 15},
              {"31/12/2026", 135, 15}, {"Bât. B", 35, 25}, {"Téléphone", 5, 40}, {"Remarques", 135, 40},
              {"Première remarque", 135, 45}, {"Seconde", 135, 50}, {"EMail", 5, 60}, {"j@d.fr", 35, 60}});
    EXPECT_EQ(c.texts().constFirst().family + QString::number(c.texts().constFirst().pointSize), "Arial10");
    RecordingCanvas pc = kStretched.canvas();
    ASSERT_TRUE(RecordSheet::partner(pc, partner));
    expectAt(pc, kStretched, {{"P1", 35, 5}, {"Société", 5, 60}, {"P2", 35, 60}, {"P12", 35, 55}});
}

TEST(RecordSheet, LongRemarksWrapInTheirColumnAndGoOnOverPages)
{
    BlockData m = memberData();
    m.memo.clear();
    for (int i = 0; i < 40; ++i)
        m.memo << QStringLiteral("Ligne %1").arg(i);
    RecordingCanvas forty = kDevices[0].canvas();
    ASSERT_TRUE(RecordSheet::member(forty, m));
    expectAt(forty, kDevices[0], {{"Ligne 39", 135, 240}});

    m.memo << QString("mot ").repeated(60);
    for (int i = 0; i < 30; ++i)
        m.memo << QStringLiteral("Suite %1").arg(i);
    for (const Device &d : kDevices) {
        RecordingCanvas c = d.canvas();
        ASSERT_TRUE(RecordSheet::member(c, m));
        EXPECT_EQ(c.pageCount(), 2);
        expectOnPaper(c);
        EXPECT_LE(c.texts(0).last().y + c.textHeight("X"), c.heightPx());
        // The long remark took several lines of the column; the next page starts at its top.
        EXPECT_GT(c.texts().size(), 17 + 40 + 2 + 30);
        EXPECT_EQ(QPoint(c.texts(1).constFirst().x, c.texts(1).constFirst().y), QPoint(d.fx * 135, d.fy * 8));
    }
    RecordingCanvas refusing;
    refusing.refuseNewPageFrom(1);
    EXPECT_FALSE(RecordSheet::member(refusing, m));
}

TEST(RecordRange, PagesStandForRecordsAndAllMeansEveryRecord)
{
    const auto span = [](const RecordRange &r) { return std::make_pair(r.first, r.last); };
    EXPECT_EQ(span(RecordRange::of(3, 5, 10)), std::make_pair(2, 4));
    EXPECT_EQ(span(RecordRange::of(0, 0, 10)), std::make_pair(0, 9));
    EXPECT_EQ(span(RecordRange::of(1, 99, 10)), std::make_pair(0, 9));

    const RecordList list(memberLines(0, "A") + memberLines(2, "C") + memberLines(3, "D") + memberLines(2, "E"));
    const QList<BlockRef> blocks = RecordRange::of(1, 4, 4).blocks(list);
    ASSERT_EQ(blocks.size(), 3); // number 1 is missing; the first block numbered 2 is the one
    EXPECT_EQ(blocks[1].text(MemberField::Nom), "C ");
    EXPECT_TRUE(RecordRange::of(2, 2, 4).blocks(list).isEmpty());
    EXPECT_TRUE(RecordRange::of(0, 0, 0).blocks(list).isEmpty());
}

TEST(Lists, HeaderOnEveryPageAndNoPageWithAHeaderAlone)
{
    // How many rows a page holds depends on its height in pixels too.
    for (const Device &portrait : {kStretched, kDevices[2]}) {
        const Device d = portrait.turned();
        // 36 rows fill a landscape A4 page at 600 dpi (rows at 10 to 185 mm).
        const int perPage = d.fy == 23 ? 36 : 46;
        const RecordList list(memberList(perPage + 1));
        RecordingCanvas one = d.canvas(), two = d.canvas();
        ASSERT_TRUE(ListPrint::Imprime(one, all(list, perPage)));
        ASSERT_TRUE(ListPrint::Imprime(two, all(list, perPage + 1)));
        EXPECT_EQ(one.pageCount() * 10 + two.pageCount(), 12);
        expectAt(two, d, {{"Nom0 Anne", 5, 10}, {"rue", 55, 10}});
        expectAt(two, d, {{QStringLiteral("Nom%1 Anne").arg(perPage), 5, 10}}, 1);
        for (int page = 0; page < 2; ++page)
            EXPECT_TRUE(pageTexts(two, page).startsWith("Nom|Adresse|Adresse|C.P.|Ville|Téléphone|Fax|"));
        EXPECT_EQ(two.texts(1)[6].x, d.fx * 255);
        EXPECT_EQ(std::count_if(two.ops().begin(), two.ops().end(), [](const Op &op) { return op.type == Op::Line; }),
                  2);
    }
}

TEST(Lists, ValuesStopBeforeTheNextColumn)
{
    const Device a4 = kDevices[0].turned();
    RecordingCanvas c = a4.canvas();
    ASSERT_TRUE(ListPrint::Imprime(c, all(RecordList(memberList(2, "Nom", QString("Très longue ").repeated(9))), 2)));
    const Op &address = c.texts()[8];
    EXPECT_EQ(address.x, 23 * 55);
    EXPECT_LE(address.x + c.textWidth(address.text), 23 * 104);
    EXPECT_GT(address.x + c.textWidth(address.text + "ee"), 23 * 104 - c.textWidth("ee"));

    RecordingCanvas pc = a4.canvas();
    const RecordList partner(partnerBlock(0, "", "Société X", QString("Saint-Rémy-de-Provence ").repeated(3)));
    ASSERT_TRUE(ListPrint::Imprime2(pc, all(partner, 1)));
    EXPECT_TRUE(pageTexts(pc, 0).startsWith("Société|Nom|Prénom|Adresse|Adresse|C.P.|Ville|Société X|"));
    expectAt(pc, a4, {{"Société X", 5, 10}});
    expectOnPaper(pc);
}

TEST(Envelopes, TheGuideLowersEveryLine)
{
    const Device &d = kStretched;
    RecordingCanvas low = d.canvas(), high = d.canvas();
    ASSERT_TRUE(Envelopes::ImpEnv(high, kHeader, Envelopes::memberRecipient(memberData()), 0));
    ASSERT_TRUE(Envelopes::ImpEnv(low, kHeader, Envelopes::memberRecipient(memberData()), 100));
    expectAt(high, d, {{"Club", 5, 5}, {"h4", 5, 20}, {"M. Durand Jean", 110, 50}, {"75001 Paris", 110, 65}});
    ASSERT_EQ(low.texts().size(), 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(low.texts()[i].y - high.texts()[i].y, d.fy * 100);
}

TEST(Card, PlacesAndFonts)
{
    const Device &d = kStretched;
    RecordingCanvas c = d.canvas();
    ASSERT_TRUE(Card::Carte(c, kHeader, memberData()));
    EXPECT_EQ(firstFrame(c), QList<int>({Op::Rectangle, d.fx * 5, d.fy * 3, d.fx * 80, d.fy * 113, 1}));
    expectAt(c, d,
             {{"Club", 10, 5}, {"Carte d'adhérent", 10, 30}, {"Numéro 10001", 10, 40}, {"Catégorie", 10, 70},
              {"Membre bienfaiteur", 10, 75}, {"Echéance 31/12/2026", 10, 80}});
    EXPECT_TRUE(c.findText("Carte d'adhérent")->bold && c.findText("Carte d'adhérent")->pointSize == 14);
    EXPECT_FALSE(c.findText("Echéance 31/12/2026")->bold);

    BlockData none = memberData();
    none.setField(MemberField::Categorie, QString());
    RecordingCanvas nameless;
    ASSERT_TRUE(Card::Carte(nameless, kHeader, none));
    EXPECT_TRUE(pageTexts(nameless, 0).endsWith("|Catégorie||Echéance 31/12/2026"));
}

TEST(Receipt, TwentyEightLinesAsLaidOutLongerOnesGoOnOverPages)
{
    Receipts::Fields f{"202603001", "15/03/2026", "Chèque", "Avoir     ", {"Mme Durand", "1 rue", "", "75001 Paris"}, {}};
    for (int i = 0; i < 40; ++i)
        f.rows.append({QStringLiteral("Article %1").arg(i + 1), "1,5 "});
    Receipts::Fields full = f;
    full.rows[28] = QStringList{"", " "}; // the empty line in use after the last one
    const Device &d = kStretched;
    RecordingCanvas c = d.canvas();
    ASSERT_TRUE(ReceiptPrint::Button4Click(c, ReceiptPrint::Data::of(full, 29), kHeader, 0));
    EXPECT_EQ(c.pageCount(), 1);
    expectAt(c, d,
             {{"Article 1", 17, 105}, {"Article 28", 17, 240}, {"Avoir      N° 202603001", 20, 84},
              {"Règlement : Chèque", 20, 79}, {"Date 15/03/2026", 116, 84}, {"Mme Durand", 116, 60},
              {"Club", 15, 0}, {"h6", 15, 30}});
    EXPECT_EQ(c.findText("1,50")->x + c.textWidth("1,50"), d.fx * 191);
    EXPECT_EQ(c.findText("h6")->pointSize, 8);
    EXPECT_EQ(c.findText("42,00 Euros")->y, d.fy * 251);
    EXPECT_TRUE(c.findText("275,50 Francs"));
    EXPECT_EQ(firstFrame(c), QList<int>({Op::Rectangle, d.fx * 15, d.fy * 93, d.fx * 195, d.fy * 273, 2}));

    RecordingCanvas longer = d.canvas();
    ASSERT_TRUE(ReceiptPrint::Button4Click(longer, ReceiptPrint::Data::of(f, 40), kHeader, 0));
    EXPECT_EQ(longer.pageCount(), 2);
    expectAt(longer, d, {{"Article 29", 17, 105}}, 1);
    // The second page repeats the letterhead, the frame's titles, the payer and the number.
    EXPECT_TRUE(pageTexts(longer, 1).startsWith("Désignation|Montant|Club|h2|h3|h4|h5|h6|h7|Mme Durand|1 rue||"
                                                "75001 Paris|Date 15/03/2026|Règlement : Chèque|Avoir      N°"));
    EXPECT_EQ(longer.findText("60,00 Euros")->page, 1);

    // Letterhead paper: the frame alone; another paper type: neither.
    RecordingCanvas letterhead, other;
    ReceiptPrint::Button4Click(letterhead, ReceiptPrint::Data::of(f, 3), kHeader, 1);
    ReceiptPrint::Button4Click(other, ReceiptPrint::Data::of(f, 3), kHeader, 5);
    EXPECT_TRUE(pageTexts(letterhead, 0).startsWith("Désignation|Montant|Mme Durand"));
    EXPECT_TRUE(pageTexts(other, 0).startsWith("Mme Durand"));
}

TEST(Receipt, TotalsOfThePrintedAmountsAndWordsInsideTheirBox)
{
    Receipts::Fields f;
    f.rows = {{"A", "10,5"}, {"B", "abc"}, {"C", " 2 "}, {"D", "1000"}};
    const auto data = ReceiptPrint::Data::of(f, 3); // the fourth row is not in use
    EXPECT_EQ(data.lines, (QList<QStringList>{{"A", "10,50"}, {"B", "abc"}, {"C", "2,00"}}));
    EXPECT_EQ(data.euros, "12,50");
    RecordingCanvas shortWords;
    ReceiptPrint::Button4Click(shortWords, data, {}, 0);
    expectAt(shortWords, kDevices[0], {{data.words, 20, 248}});

    f.rows = {{"Gros", "-2147483647,99"}};
    const auto big = ReceiptPrint::Data::of(f, 1);
    for (const Device &d : kDevices) {
        RecordingCanvas c = d.canvas();
        ReceiptPrint::Button4Click(c, big, {}, 0);
        c.setFont("Arial", 12, true);
        QStringList words;
        for (const Op &op : c.texts())
            if (op.x == d.fx * 20 && op.y >= d.fy * 251) {
                EXPECT_EQ(op.y, d.fy * (251 + 5 * int(words.size())));
                EXPECT_LE(op.x + c.textWidth(op.text), d.fx * 139);
                words << op.text;
            }
        EXPECT_GT(words.size(), 1);
        // The sentence's double blank after "-" is one blank where it breaks into lines.
        EXPECT_EQ(words.join(' ').toStdString(), big.words.simplified().toStdString());
    }
}
