// The record window's printouts on recording canvases: every position through
// the truncated factor and the 3 mm shift, on an A4 sheet at 600 dpi (factor
// 23), on a device stretched downwards (23 across, 47 down) and at 96 dpi.

#include "print/card.h"
#include "print/lists.h"
#include "print/receiptprint.h"
#include "print/recordingcanvas.h"
#include "print/sheet.h"

#include <gtest/gtest.h>

namespace {

using Op = RecordingCanvas::Op;

struct Device
{
    int w, h, wMm, hMm, fx, fy;
    RecordingCanvas canvas() const { return RecordingCanvas(w, h, wMm, hMm); }
    Device turned() const { return {h, w, hMm, wMm, fy, fx}; }
};
const Device kDevices[] = {{4960, 7016, 210, 297, 23, 23}, {4960, 14032, 210, 297, 23, 47}, {794, 1123, 210, 297, 3, 3}};

// The text is drawn once, at (x, y) nominal millimetres of the device.
void expectAt(const RecordingCanvas &c, const Device &d, const QString &text, int x, int y, int page = 0)
{
    const Op *op = c.findText(text);
    ASSERT_TRUE(op) << text.toStdString();
    EXPECT_EQ(op->x, d.fx * x) << text.toStdString();
    EXPECT_EQ(op->y, d.fy * (y + 3)) << text.toStdString();
    EXPECT_EQ(op->page, page) << text.toStdString();
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

QStringList memberLines(int n, const QString &name, const QString &address = "rue")
{
    QStringList fixed(MemberField::Count);
    fixed[MemberField::Nom - 1] = "  " + name + " ";
    fixed[MemberField::Prenom - 1] = "Anne";
    fixed[MemberField::Adresse1 - 1] = address;
    return QStringList{RecordStore::openTag(n)} + fixed + QStringList{RecordStore::closeTag(n)};
}

RecordList members(int count, const QString &address = "rue")
{
    QStringList lines;
    for (int n = 0; n < count; ++n)
        lines += memberLines(n, QStringLiteral("Nom%1").arg(n), address);
    return RecordList(lines);
}

} // namespace

TEST(RecordSheet, EveryFieldAtItsPlaceOnEveryDevice)
{
    for (const Device &d : kDevices) {
        RecordingCanvas c = d.canvas();
        ASSERT_TRUE(RecordSheet::member(c, memberData()));
        const QList<std::tuple<QString, int, int>> places = {
            {"Numéro", 5, 5},   {"10001", 35, 5},      {"Titre", 60, 5},      {"M.", 75, 5},
            {"Naissance", 110, 5}, {"01/02/1970", 135, 5}, {"Profession", 110, 10}, {"Luthier", 135, 10},
            {"Echeance", 110, 15}, {"31/12/2026", 135, 15}, {"Bât. B", 35, 25},  {"Téléphone", 5, 40},
            {"Remarques", 135, 40}, {"Première remarque", 135, 45}, {"Seconde", 135, 50}, {"EMail", 5, 60},
            {"j@d.fr", 35, 60}};
        for (const auto &[text, x, y] : places)
            expectAt(c, d, text, x, y);
        EXPECT_EQ(c.texts().constFirst().family, "Arial");
        EXPECT_EQ(c.texts().constFirst().pointSize, 10);

        BlockData partner;
        for (int p = 1; p <= PartnerField::Count; ++p)
            partner.setField(p, QStringLiteral("P%1").arg(p));
        RecordingCanvas pc = d.canvas();
        ASSERT_TRUE(RecordSheet::partner(pc, partner));
        expectAt(pc, d, "Code", 5, 5);
        expectAt(pc, d, "P1", 35, 5);
        expectAt(pc, d, "Société", 5, 60);
        expectAt(pc, d, "P2", 35, 60);
        expectAt(pc, d, "P12", 35, 55);
    }
}

TEST(RecordSheet, LongRemarksWrapInTheirColumnAndGoOnOverPages)
{
    const Device &a4 = kDevices[0];
    BlockData m = memberData();
    m.memo.clear();
    for (int i = 0; i < 40; ++i)
        m.memo << QStringLiteral("Ligne %1").arg(i);
    RecordingCanvas forty = a4.canvas();
    ASSERT_TRUE(RecordSheet::member(forty, m));
    EXPECT_EQ(forty.pageCount(), 1);
    expectAt(forty, a4, "Ligne 39", 135, 240);

    m.memo << QString("mot ").repeated(60) << "Dernière";
    for (int i = 0; i < 30; ++i)
        m.memo << QStringLiteral("Suite %1").arg(i);
    for (const Device &d : kDevices) {
        RecordingCanvas c = d.canvas();
        ASSERT_TRUE(RecordSheet::member(c, m));
        EXPECT_EQ(c.pageCount(), 2);
        expectOnPaper(c);
        for (const Op &op : c.texts())
            EXPECT_LE(op.y + c.textHeight(op.text), c.heightPx()) << op.text.toStdString();
        // The long remark took several lines of the column; the next page starts at its top.
        EXPECT_GT(c.texts().size(), 17 + 40 + 2 + 30 + 1);
        EXPECT_EQ(c.texts(1).constFirst().y, d.fy * 8);
        EXPECT_EQ(c.texts(1).constFirst().x, d.fx * 135);
    }
    RecordingCanvas refusing = a4.canvas();
    refusing.refuseNewPageFrom(1);
    EXPECT_FALSE(RecordSheet::member(refusing, m));
}

TEST(RecordRange, PagesStandForRecordsAndAllMeansEveryRecord)
{
    const auto span = [](const RecordRange &r) { return std::make_pair(r.first, r.last); };
    EXPECT_EQ(span(RecordRange::of(3, 5, 10)), std::make_pair(2, 4));
    EXPECT_EQ(span(RecordRange::of(0, 0, 10)), std::make_pair(0, 9));
    EXPECT_EQ(span(RecordRange::of(1, 99, 10)), std::make_pair(0, 9));

    QStringList lines = memberLines(0, "A") + memberLines(2, "C") + memberLines(3, "D") + memberLines(2, "C bis");
    const RecordList list(lines);
    const QList<BlockRef> blocks = RecordRange::of(1, 4, 4).blocks(list);
    ASSERT_EQ(blocks.size(), 3);   // number 1 is missing, the second 2 is not the one found
    EXPECT_EQ(blocks[1].number(), 2);
    EXPECT_EQ(blocks[1].text(MemberField::Nom).trimmed(), "C");
    EXPECT_TRUE(RecordRange::of(2, 2, 4).blocks(list).isEmpty());
    EXPECT_TRUE(RecordRange::of(0, 0, 0).blocks(list).isEmpty());
}

TEST(Lists, HeaderOnEveryPageAndNoPageWithAHeaderAlone)
{
    for (const Device &portrait : kDevices) {
        const Device d = portrait.turned();
        // 36 rows fill a landscape A4 page at 600 dpi (rows at 10 to 185 mm).
        const int perPage = d.fy == 23 ? 36 : 46;
        const RecordList full = members(perPage);
        RecordingCanvas one = d.canvas();
        ASSERT_TRUE(ListPrint::Imprime(one, RecordRange::of(0, 0, perPage).blocks(full)));
        EXPECT_EQ(one.pageCount(), 1);

        const RecordList more = members(perPage + 1);
        RecordingCanvas two = d.canvas();
        ASSERT_TRUE(ListPrint::Imprime(two, RecordRange::of(0, 0, perPage + 1).blocks(more)));
        EXPECT_EQ(two.pageCount(), 2);
        expectAt(two, d, "Nom0 Anne", 5, 10);
        expectAt(two, d, QStringLiteral("Nom%1 Anne").arg(perPage), 5, 10, 1);
        for (int page = 0; page < 2; ++page) {
            const QList<Op> texts = two.texts(page);
            EXPECT_EQ(texts[0].text, "Nom");
            EXPECT_EQ(texts[6].text, "Fax");
            EXPECT_EQ(texts[6].x, d.fx * 255);
            EXPECT_EQ(texts[6].y, d.fy * 3);
        }
        const auto lines = std::count_if(two.ops().begin(), two.ops().end(), [&](const Op &op) {
            return op.type == Op::Line && op.x == d.fx * 5 && op.x2 == d.fx * 300 && op.y == d.fy * 8;
        });
        EXPECT_EQ(lines, 2);
    }
}

TEST(Lists, ValuesStopBeforeTheNextColumn)
{
    const Device a4 = kDevices[0].turned();
    const RecordList list = members(2, QString("Très longue adresse ").repeated(8));
    RecordingCanvas c = a4.canvas();
    ASSERT_TRUE(ListPrint::Imprime(c, RecordRange::of(0, 0, 2).blocks(list)));
    const Op *address = nullptr;
    for (const Op &op : c.texts())
        if (op.text.startsWith("Très"))
            address = &op;
    ASSERT_TRUE(address);
    EXPECT_EQ(address->x, 23 * 55);
    EXPECT_LE(address->x + c.textWidth(address->text), 23 * 104);
    EXPECT_GT(address->x + c.textWidth(address->text + "ee"), 23 * 104 - c.textWidth("ee"));

    QStringList partner(PartnerField::Count);
    partner[PartnerField::Societe - 1] = "Société X";
    partner[PartnerField::Ville - 1] = QString("Saint-Rémy-de-Provence ").repeated(3);
    const RecordList partners(QStringList{RecordStore::openTag(0)} + partner + QStringList{RecordStore::closeTag(0)});
    RecordingCanvas pc = a4.canvas();
    ASSERT_TRUE(ListPrint::Imprime2(pc, RecordRange::of(0, 0, 1).blocks(partners)));
    EXPECT_EQ(pc.texts().constFirst().text, "Société");
    expectAt(pc, a4, "Société X", 5, 10);
    expectOnPaper(pc);
}

TEST(Envelopes, TheGuideLowersEveryLine)
{
    const QStringList header{"Club", "1 place", "75000 Paris", "0102", "l5", "l6", "l7"};
    BlockData m = memberData();
    for (const Device &d : kDevices) {
        RecordingCanvas low = d.canvas();
        RecordingCanvas high = d.canvas();
        ASSERT_TRUE(Envelopes::ImpEnv(high, header, Envelopes::memberRecipient(m), 0));
        ASSERT_TRUE(Envelopes::ImpEnv(low, header, Envelopes::memberRecipient(m), 100));
        expectAt(high, d, "Club", 5, 5);
        expectAt(high, d, "0102", 5, 20);
        expectAt(high, d, "M. Durand Jean", 110, 50);
        expectAt(high, d, "75001 Paris", 110, 65);
        ASSERT_EQ(low.texts().size(), 8);
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(low.texts()[i].y - high.texts()[i].y, d.fy * 100);
    }
    const RecordList list = members(3);
    RecordingCanvas batch = kDevices[0].turned().canvas();
    ASSERT_TRUE(Envelopes::Enveloppes(batch, header, RecordRange::of(2, 3, 3).blocks(list), 100));
    EXPECT_EQ(batch.pageCount(), 2);
    EXPECT_EQ(batch.texts(1)[4].text, "   Nom2  Anne");
    EXPECT_EQ(batch.texts(1)[4].y, 23 * 153);
}

TEST(Card, PlacesAndFonts)
{
    const QStringList header{"Club", "1 place", "75000 Paris", "0102"};
    for (const Device &d : kDevices) {
        RecordingCanvas c = d.canvas();
        ASSERT_TRUE(Card::Carte(c, header, memberData()));
        const Op &frame = c.ops().constFirst();
        EXPECT_EQ(frame.type, Op::Rectangle);
        EXPECT_EQ(QList<int>({frame.x, frame.y, frame.x2, frame.y2}),
                  QList<int>({d.fx * 5, d.fy * 3, d.fx * 80, d.fy * 113}));
        expectAt(c, d, "Club", 10, 5);
        expectAt(c, d, "Carte d'adhérent", 10, 30);
        EXPECT_TRUE(c.findText("Carte d'adhérent")->bold);
        EXPECT_EQ(c.findText("Carte d'adhérent")->pointSize, 14);
        expectAt(c, d, "Numéro 10001", 10, 40);
        expectAt(c, d, "Catégorie", 10, 70);
        expectAt(c, d, "Membre bienfaiteur", 10, 75);
        expectAt(c, d, "Echéance 31/12/2026", 10, 80);
        EXPECT_FALSE(c.findText("Echéance 31/12/2026")->bold);
    }
    BlockData none = memberData();
    none.setField(MemberField::Categorie, QString());
    RecordingCanvas c;
    ASSERT_TRUE(Card::Carte(c, header, none));
    EXPECT_EQ(c.texts()[11].text, "");
}

TEST(Receipt, TwentyEightLinesAsLaidOutLongerOnesGoOnOverPages)
{
    const QStringList header{"Club", "h2", "h3", "h4", "h5", "h6", "h7"};
    Receipts::Fields f;
    f.number = "202603001";
    f.date = "15/03/2026";
    f.mode = "Chèque";
    f.kind = "Avoir     ";
    f.payer = QStringList{"Mme Durand", "1 rue", "", "75001 Paris"};
    for (int i = 0; i < 40; ++i)
        f.rows.append({QStringLiteral("Article %1").arg(i + 1), "1,5 "});
    Receipts::Fields full = f;
    full.rows[28] = QStringList{"", " "}; // the empty line in use after the last one
    for (const Device &d : kDevices) {
        RecordingCanvas c = d.canvas();
        ASSERT_TRUE(ReceiptPrint::Button4Click(c, ReceiptPrint::Data::of(full, 29), header, 0));
        EXPECT_EQ(c.pageCount(), 1);
        expectAt(c, d, "Article 1", 17, 105);
        expectAt(c, d, "Article 28", 17, 240);
        const Op *amount = c.findText("1,50");
        EXPECT_EQ(amount->x + c.textWidth("1,50"), d.fx * 191);
        expectAt(c, d, "Avoir      N° 202603001", 20, 84);
        expectAt(c, d, "Règlement : Chèque", 20, 79);
        expectAt(c, d, "Date 15/03/2026", 116, 84);
        expectAt(c, d, "Mme Durand", 116, 60);
        expectAt(c, d, "Club", 15, 0);
        expectAt(c, d, "h6", 15, 30);
        EXPECT_EQ(c.findText("h6")->pointSize, 8);
        const Op *euros = c.findText("42,00 Euros");
        ASSERT_TRUE(euros);
        EXPECT_EQ(euros->y, d.fy * 251);
        EXPECT_TRUE(c.findText("275,50 Francs"));
        const Op &frame = c.ops().constFirst();
        EXPECT_EQ(QList<int>({frame.type, frame.x, frame.y, frame.x2, frame.y2, frame.penWidth}),
                  QList<int>({Op::Rectangle, d.fx * 15, d.fy * 93, d.fx * 195, d.fy * 273, 2}));

        RecordingCanvas longer = d.canvas();
        ASSERT_TRUE(ReceiptPrint::Button4Click(longer, ReceiptPrint::Data::of(f, 40), header, 0));
        EXPECT_EQ(longer.pageCount(), 2);
        expectAt(longer, d, "Article 29", 17, 105, 1);
        QStringList second;
        for (const Op &op : longer.texts(1))
            second << op.text;
        EXPECT_TRUE(second.contains("Club") && second.contains("Mme Durand") && second.contains("Désignation"));
        EXPECT_TRUE(second.contains("Avoir      N° 202603001") && second.contains("60,00 Euros"));
        EXPECT_EQ(longer.findText("60,00 Euros")->page, 1);
    }

    // Letterhead paper: the frame alone; another paper type: neither.
    const auto data = ReceiptPrint::Data::of(f, 3);
    RecordingCanvas letterhead, other;
    ReceiptPrint::Button4Click(letterhead, data, header, 1);
    ReceiptPrint::Button4Click(other, data, header, 5);
    EXPECT_FALSE(letterhead.findText("Club"));
    EXPECT_TRUE(letterhead.findText("Désignation"));
    EXPECT_FALSE(other.findText("Désignation"));
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
    expectAt(shortWords, kDevices[0], data.words, 20, 248);

    f.rows = {{"Gros", "-2147483647,99"}};
    const auto big = ReceiptPrint::Data::of(f, 1);
    for (const Device &d : kDevices) {
        RecordingCanvas c = d.canvas();
        ReceiptPrint::Button4Click(c, big, {}, 0);
        RecordingCanvas measure = d.canvas();
        measure.setFont("Arial", 12, true);
        QStringList words;
        int y = d.fy * 251;
        for (const Op &op : c.texts())
            if (op.x == d.fx * 20 && op.y >= d.fy * 251) {
                words << op.text;
                EXPECT_EQ(op.y, y);
                y += d.fy * 5;
                EXPECT_LE(op.x + measure.textWidth(op.text), d.fx * 139);
            }
        EXPECT_GT(words.size(), 1);
        // The sentence's double blank after "-" is one blank where it breaks into lines.
        EXPECT_EQ(words.join(' ').toStdString(), big.words.simplified().toStdString());
    }
}
