#include "settings/ui/tbureau.h"

#include "core/clock.h"
#include "settings/bureau.h"
#include "settings/ui/fieldvalidator.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QVBoxLayout>

namespace {

QDateEdit *datePicker(QWidget *parent, const QString &name)
{
    auto *d = new QDateEdit(parent);
    d->setObjectName(name);
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    d->setLocale(QLocale(QLocale::French, QLocale::France));
    // Any date the file may hold is shown as it is, not pulled into Qt's
    // default range.
    d->setMinimumDate(QDate(1, 1, 1));
    d->setDate(Clock::today());
    return d;
}

} // namespace

TBureau::TBureau(QWidget *parent) : OkCancelDialog(parent)
{
    setObjectName(QStringLiteral("Bureau"));
    setWindowTitle(QStringLiteral("Le Bureau"));

    auto *layout = new QVBoxLayout(this);

    auto *year = new QGroupBox(QStringLiteral("Exercice"), this);
    year->setObjectName(QStringLiteral("GroupBox1"));
    auto *yearLayout = new QHBoxLayout(year);
    m_start = datePicker(year, QStringLiteral("DateTimePicker1"));
    m_end = datePicker(year, QStringLiteral("DateTimePicker2"));
    yearLayout->addWidget(new QLabel(QStringLiteral("Début"), year));
    yearLayout->addWidget(m_start);
    yearLayout->addSpacing(20);
    yearLayout->addWidget(new QLabel(QStringLiteral("Fin"), year));
    yearLayout->addWidget(m_end);
    yearLayout->addStretch();
    layout->addWidget(year);

    auto *grid = new QGridLayout;
    for (int k = 1; k <= BureauLines::kOfficers; ++k) {
        auto *role = new QLabel(BureauLines::role(k), this);
        role->setObjectName(QStringLiteral("roleLabel%1").arg(k));
        auto *name = new QLineEdit(this);
        name->setObjectName(QStringLiteral("Edit%1").arg(k));
        name->setMinimumWidth(240);
        auto *phone = new QLineEdit(this);
        phone->setObjectName(QStringLiteral("Edit%1").arg(k + 8));
        phone->setMaxLength(BureauLines::kPhoneLength);
        FieldValidator::attach(name);
        FieldValidator::attach(phone);
        m_names[size_t(k - 1)] = name;
        m_phones[size_t(k - 1)] = phone;
        grid->addWidget(role, k - 1, 0);
        grid->addWidget(name, k - 1, 1);
        grid->addWidget(new QLabel(QStringLiteral("Tél."), this), k - 1, 2);
        grid->addWidget(phone, k - 1, 3);
    }
    layout->addLayout(grid);
    addButtons(layout);
}

void TBureau::Init(const QStringList &lines)
{
    const BureauLines::Year year = BureauLines::readYear(lines.value(0), Clock::today());
    m_start->setDate(year.start);
    m_end->setDate(year.end);
    for (int k = 1; k <= BureauLines::kOfficers; ++k) {
        const BureauLines::Officer o = BureauLines::splitOfficer(lines.value(k));
        nameEdit(k)->setText(o.name);
        phoneEdit(k)->setText(o.phone);
    }
}

void TBureau::Result(QStringList &lines) const
{
    lines = SettingsLines::fixedCount(lines, BureauLines::kLines);
    lines[1].clear();
    if (!isAccepted())
        return;
    lines[0] = BureauLines::yearLine(m_start->date(), m_end->date());
    for (int k = 1; k <= BureauLines::kOfficers; ++k)
        lines[k] = BureauLines::joinOfficer(nameEdit(k)->text(), phoneEdit(k)->text());
}
