#include "print/receiptprint.h"

#include <algorithm>

namespace ReceiptPrint {

namespace {

constexpr int kFirstLineY = 105;
constexpr int kStep = 5;
constexpr int kWordsX = 20;
constexpr int kWordsY = 248;
constexpr int kTotalsBoxLeft = 140;

bool isBlank(const QStringList &row)
{
    return std::all_of(row.begin(), row.end(), [](const QString &cell) { return cell.trimmed().isEmpty(); });
}

} // namespace

Data Data::of(const Receipts::Fields &fields, int lineCount)
{
    Data d;
    d.payer = fields.payer;
    d.date = fields.date;
    d.mode = fields.mode;
    d.kind = fields.kind;
    d.number = fields.number;
    QList<QStringList> rows = fields.rows.mid(0, std::max(0, lineCount));
    while (!rows.isEmpty() && isBlank(rows.last()))
        rows.removeLast();
    QStringList amounts;
    for (const QStringList &row : rows)
        amounts.append(row.value(1));
    const Receipts::Totals t = Receipts::totals(amounts, [](const QString &text) { return text; });
    for (int i = 0; i < rows.size(); ++i)
        d.lines.append({rows[i].value(0), t.amounts[i].trimmed()});
    d.euros = t.euros;
    d.francs = t.francs;
    d.words = t.words;
    return d;
}

int pageCount(const Data &data)
{
    return std::max<int>(1, int((data.lines.size() + kLinesPerPage - 1) / kLinesPerPage));
}

void Dessin(MmCanvas &m)
{
    m.canvas().setPenWidth(2);
    m.rectangle(15, 90, 195, 270);
    m.line(15, 100, 195, 100);
    m.line(15, 245, 195, 245);
    m.line(155, 90, 155, 245);
    m.line(140, 245, 140, 270);
    m.line(140, 257, 195, 257);
    m.font(10, true);
    m.text(17, 92, QStringLiteral("Désignation"));
    m.text(157, 92, QStringLiteral("Montant"));
    m.font(10);
}

void EnTete(MmCanvas &m, const QStringList &header)
{
    m.font(14, true);
    m.text(15, 0, header.value(0));
    m.font(10, true);
    for (int i = 1; i <= 4; ++i)
        m.text(15, 5 + 5 * i, header.value(i));
    m.font(8, true);
    m.text(15, 30, header.value(5));
    m.text(15, 35, header.value(6));
    m.font(10);
}

void ImpRecu(MmCanvas &m, const Data &data, int page)
{
    m.font(10, true);
    for (int i = 0; i < 4; ++i)
        m.text(116, 60 + 5 * i, data.payer.value(i));
    m.font(12, true);
    m.text(116, 84, QStringLiteral("Date ") + data.date);
    m.text(20, 79, QStringLiteral("Règlement : ") + data.mode);
    m.text(20, 84, data.kind + QStringLiteral(" N° ") + data.number);
    if (page == pageCount(data) - 1) {
        m.textRight(189, 248, data.euros + QStringLiteral(" Euros"));
        m.textRight(189, 261, data.francs + QStringLiteral(" Francs"));
        // The sentence keeps to the left of the totals box, on as many lines as it takes.
        const int width = m.Mh(kTotalsBoxLeft - 1) - m.Mh(kWordsX);
        int y = kWordsY;
        for (const QString &line : TextFit::wrap(m.canvas(), data.words, width)) {
            m.text(kWordsX, y, line);
            y += kStep;
        }
    }
    m.font(10);
    const int first = page * kLinesPerPage;
    const int end = std::min<int>(int(data.lines.size()), first + kLinesPerPage);
    for (int i = first; i < end; ++i) {
        const int y = kFirstLineY + kStep * (i - first);
        m.text(17, y, data.lines[i].value(0));
        m.textRight(191, y, data.lines[i].value(1));
    }
}

bool Button4Click(Canvas &canvas, const Data &data, const QStringList &header, int paperType)
{
    const auto place = Placement::of(canvas);
    if (!place)
        return false;
    MmCanvas m(canvas, *place);
    m.font(10);
    const int pages = pageCount(data);
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !m.newPage())
            return false;
        if (paperType == PlainPaper || paperType == LetterheadPaper)
            Dessin(m);
        if (paperType == PlainPaper)
            EnTete(m, header);
        ImpRecu(m, data, page);
    }
    return true;
}

} // namespace ReceiptPrint
