#include "treasury/annualresult.h"

#include "core/collation.h"
#include "core/cp1252.h"
#include "treasury/chart.h"
#include "treasury/journal.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

AnnualResult AnnualResult::compute(const RecordList &journal, const QStringList &chart, int year)
{
    // Only the account and the two amounts of each entry matter here: they
    // are kept as the journal's own bytes, and the totals too, until the end.
    struct Cells
    {
        QByteArrayView account, expense, receipt;
    };
    std::unordered_map<std::string_view, Money::Cents> totals;
    const auto count = [&totals](const Cells &e) {
        const QByteArrayView account = e.account.trimmed();
        if (account.isEmpty() || (account[0] != '6' && account[0] != '7'))
            return;
        Money::Cents amount = 0;
        if (!Money::parse(account[0] == '6' ? e.expense : e.receipt, &amount))
            amount = 0;
        totals[std::string_view(account.data(), size_t(account.size()))] += amount;
    };
    std::vector<std::array<Cells, JournalLine::kRows>> rows(12);
    std::array<Cells, 12> pending{};
    forEachYearLine(journal, year, [&](int month, int, QByteArrayView line) {
        // The date, label and mark lines are not even read.
        const char column = line.size() > JournalLine::kTextStart - 1 ? line[JournalLine::kTextStart - 1] : 0;
        if (column != '0' + ColAccount && column != '0' + ColExpense && column != '0' + ColReceipt)
            return;
        const JournalLine::Parsed p = JournalLine::parse(line);
        if (p.type == JournalLine::Type::Unreadable)
            return;
        const bool isPending = p.type == JournalLine::Type::Pending;
        Cells &e = isPending ? pending[size_t(month)] : rows[size_t(month)][size_t(p.row)];
        switch (p.column) {
        case ColAccount: e.account = p.text; break;
        case ColExpense: e.expense = p.text; break;
        case ColReceipt: e.receipt = p.text; break;
        default: break;
        }
        // The receipt closes a pending entry.
        if (isPending && p.column == JournalLine::kPendingLast) {
            count(e);
            e = Cells{};
        }
    });
    for (const auto &month : rows)
        for (const Cells &e : month)
            count(e);

    struct Account
    {
        QString number;
        Money::Cents total;
    };
    std::vector<Account> accounts;
    accounts.reserve(size_t(totals.size()));
    for (const auto &[number, total] : totals)
        accounts.push_back({Cp1252::decode(QByteArrayView(number.data(), qsizetype(number.size()))), total});
    std::sort(accounts.begin(), accounts.end(), [](const Account &a, const Account &b) {
        const int c = Collation::compare(a.number, b.number);
        return c != 0 ? c < 0 : a.number < b.number;
    });

    AnnualResult r;
    auto add = [&r](const QString &label, const QString &amount) { r.lines.push_back({label, amount}); };
    auto section = [&](QChar klass) {
        for (const Account &a : accounts) {
            if (a.number.at(0) != klass)
                continue;
            const int at = Chart::findNumber(chart, a.number);
            add(at >= 0 ? Chart::labelOf(chart, at) : a.number, Money::format(a.total));
            (klass == QLatin1Char('6') ? r.expenses : r.receipts) += a.total;
        }
    };

    add(QStringLiteral("Résultat"), QStringLiteral("      Dépenses"));
    section(QLatin1Char('6'));
    add(QString(), QStringLiteral("-------------------"));
    add(QStringLiteral("Total des dépenses"), Money::format(r.expenses));
    add(QString(), QString());
    add(QStringLiteral("Résultat"), QStringLiteral("        Recettes"));
    section(QLatin1Char('7'));
    add(QString(), QStringLiteral("------------------"));
    add(QStringLiteral("Total des Recettes"), Money::format(r.receipts));
    add(QString(), QString());
    const bool profit = r.receipts >= r.expenses;
    add(profit ? QStringLiteral("Résultat (Bénéfices)") : QStringLiteral("Résultat (Pertes)"),
        Money::format(profit ? r.receipts - r.expenses : r.expenses - r.receipts));
    return r;
}
