#include "store/receipts.h"

#include "core/dialogs.h"
#include "core/formats.h"
#include "store/enlettres.h"

#include <vector>

namespace Receipts {

QStringList kinds()
{
    return {QStringLiteral("Reçu"), QStringLiteral("Facture"), QStringLiteral("Avoir     ")};
}

QStringList paymentModes()
{
    return {QStringLiteral("Espèces"), QStringLiteral("Chèque"), QStringLiteral("Virement"),
            QStringLiteral("Carte bancaire"), QStringLiteral("Autre")};
}

BlockData toBlock(const Fields &fields, int lineCount)
{
    BlockData b;
    // Without a kind letter the reader, which skips four characters, would
    // eat the number's first digit.
    const QString letter = fields.kind.isEmpty() ? QStringLiteral(" ") : fields.kind.left(1);
    b.fixed << QStringLiteral("NUM") + letter + fields.number << fields.date << fields.mode << fields.kind;
    for (int i = 0; i < 4; ++i)
        b.fixed << fields.payer.value(i);
    const int n = std::min<int>({lineCount, int(fields.rows.size()), kRows});
    for (int r = 0; r < n; ++r) {
        const QStringList &row = fields.rows[r];
        b.rows.append({row.value(0), row.value(1)});
    }
    return b;
}

Fields fromBlock(const BlockData &block)
{
    Fields f;
    f.number = block.fixed.value(0).mid(4).trimmed();
    f.date = block.fixed.value(1);
    f.mode = block.fixed.value(2);
    f.kind = block.fixed.value(3);
    for (int i = 4; i < 8; ++i)
        f.payer << block.fixed.value(i);
    for (const QStringList &row : block.rows) {
        if (f.rows.size() >= kRows)
            break;
        f.rows.append({row.value(0), row.value(1)});
    }
    return f;
}

Totals totals(const QStringList &amounts, const std::function<QString(const QString &)> &rightAlign)
{
    Totals t;
    t.amounts = amounts;
    for (QString &cell : t.amounts) {
        if (cell.isEmpty())
            continue;
        double value = 0;
        if (!Formats::parseAmount(cell, &value))
            continue;
        const QString shown = Formats::amount(value);
        cell = rightAlign(shown);
        // The total adds what the cells show, so that it is the sum of the
        // printed lines (10,555 shows and counts as 10,56).
        double rounded = 0;
        Formats::parseAmount(shown, &rounded);
        t.total += rounded;
    }
    t.euros = Formats::amount(t.total);
    t.francs = Formats::amount(t.total * kEuroRate);
    t.words = amountSentence(t.total);
    return t;
}

bool deleteLine(QList<QStringList> *rows, int r, int *lineCount)
{
    const int last = std::min(*lineCount, int(rows->size()));
    if (r < 1 || r > last)
        return false;
    for (int i = r - 1; i + 1 < last; ++i)
        (*rows)[i] = rows->at(i + 1);
    (*rows)[last - 1] = QStringList{QString(), QString()};
    *lineCount -= 1;
    return true;
}

QStringList payerFromMember(const QStringList &payer, const BlockData &member)
{
    // Member block positions 3 Nom, 4 Prénom, 5 and 6 Adresse, 7 Cp, 8 Ville.
    const QStringList &m = member.fixed;
    const QStringList fromMember = {
        (m.value(2) + QLatin1Char(' ') + m.value(3)).trimmed(),
        m.value(4),
        m.value(5),
        (m.value(6) + QLatin1Char(' ') + m.value(7)).trimmed(),
    };
    QStringList out;
    for (int i = 0; i < 4; ++i) {
        const QString typed = payer.value(i);
        out << (typed.trimmed().isEmpty() ? fromMember[i] : typed);
    }
    return out;
}

int newReceiptNumber(RecordStore &store)
{
    KindState &s = store.state(Kind::Receipt);
    if (s.lines.size() < 5)
        s.count = 0;
    std::vector<bool> used(size_t(RecordStore::kMaxRecords) + 1, false);
    BlockIndex(s.lines).forEachWholeTag([&](int, int n) {
        used[size_t(n)] = true;
        return true;
    });
    int n = 0;
    while (n < RecordStore::kMaxRecords && used[size_t(n)])
        ++n;
    if (n >= RecordStore::kMaxRecords) {
        Dialogs::current().message(QStringLiteral("Le fichier est plein"));
        return -1;
    }
    s.count = std::max(s.count, n + 1);
    return n;
}

} // namespace Receipts
