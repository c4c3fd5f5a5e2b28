#include "treasury/annualresult.h"

#include "core/collation.h"
#include "core/cp1252.h"
#include "treasury/chart.h"
#include "treasury/journal.h"

#include <QHash>

#include <algorithm>

AnnualResult AnnualResult::compute(const RecordList &journal, const QStringList &chart, int year)
{
    // Accounts are few: totals are kept on the stored bytes and turned into
    // texts once.
    QHash<QByteArray, Money::Cents> totals;
    for (const MonthScan &scan : scanYear(journal, year)) {
        for (const JournalEntry &e : scan.entries) {
            const QByteArrayView account = e.cells[ColAccount].trimmed();
            if (account.isEmpty() || (account[0] != '6' && account[0] != '7'))
                continue;
            const int column = account[0] == '6' ? ColExpense : ColReceipt;
            Money::Cents amount = 0;
            if (!Money::parse(e.cells[size_t(column)], &amount))
                amount = 0;
            totals[account.toByteArray()] += amount;
        }
    }

    struct Account
    {
        QString number;
        Money::Cents total;
    };
    std::vector<Account> accounts;
    accounts.reserve(size_t(totals.size()));
    for (auto it = totals.cbegin(); it != totals.cend(); ++it)
        accounts.push_back({Cp1252::decode(it.key()), it.value()});
    std::sort(accounts.begin(), accounts.end(), [](const Account &a, const Account &b) {
        const int c = Collation::compare(a.number, b.number);
        return c != 0 ? c < 0 : a.number < b.number;
    });

    AnnualResult r;
    auto add = [&r](const QString &label, const QString &amount, bool isAmount) {
        r.lines.push_back({label, amount, isAmount});
    };
    auto section = [&](QChar klass) {
        for (const Account &a : accounts) {
            if (a.number.at(0) != klass)
                continue;
            const int at = Chart::findNumber(chart, a.number);
            Chart::Account found;
            const bool named = at >= 0 && Chart::split(chart.at(at), &found);
            add(named ? found.label : a.number, Money::format(a.total), true);
            (klass == QLatin1Char('6') ? r.expenses : r.receipts) += a.total;
        }
    };

    add(QStringLiteral("Résultat"), QStringLiteral("      Dépenses"), false);
    section(QLatin1Char('6'));
    add(QString(), QStringLiteral("-------------------"), false);
    add(QStringLiteral("Total des dépenses"), Money::format(r.expenses), true);
    add(QString(), QString(), false);
    add(QStringLiteral("Résultat"), QStringLiteral("        Recettes"), false);
    section(QLatin1Char('7'));
    add(QString(), QStringLiteral("------------------"), false);
    add(QStringLiteral("Total des Recettes"), Money::format(r.receipts), true);
    add(QString(), QString(), false);
    const bool profit = r.receipts >= r.expenses;
    add(profit ? QStringLiteral("Résultat (Bénéfices)") : QStringLiteral("Résultat (Pertes)"),
        Money::format(profit ? r.receipts - r.expenses : r.expenses - r.receipts), true);
    r.resultRow = int(r.lines.size()) - 1;
    return r;
}
