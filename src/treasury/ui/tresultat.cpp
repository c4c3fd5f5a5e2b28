#include "treasury/ui/tresultat.h"

#include "core/clock.h"
#include "print/printing.h"
#include "print/ui/windowparts.h"
#include "treasury/period.h"
#include "treasury/printouts.h"
#include "treasury/ui/panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kRows = 64;

} // namespace

TResultat::TResultat(QWidget *parent) : QDialog(parent), m_year(Period::clampYear(Clock::today().year()))
{
    setObjectName(QStringLiteral("Resultat"));
    setWindowTitle(QStringLiteral("Resultat annuel"));
    auto *layout = new QVBoxLayout(this);
    const TopPanel panel(this);
    QHBoxLayout *row = panel.row;
    m_caption = panel.caption();
    QPushButton *previous = WindowParts::button(panel.frame, QStringLiteral("Précédent"), QStringLiteral("Button2"));
    QPushButton *next = WindowParts::button(panel.frame, QStringLiteral("Suivant"), QStringLiteral("Button3"));
    QPushButton *print = WindowParts::button(panel.frame, QStringLiteral("Imprimer"), QStringLiteral("Button4"));
    QPushButton *close = WindowParts::button(panel.frame, QStringLiteral("Fermer"), QStringLiteral("Button1"));
    row->addWidget(m_caption);
    row->addStretch(1);
    row->addWidget(previous);
    row->addWidget(next);
    row->addWidget(print);
    row->addWidget(close);
    layout->addWidget(panel.frame);

    m_grid = new QTableWidget(kRows, 2, this);
    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->setColumnWidth(0, 398);
    m_grid->setColumnWidth(1, 110);
    QFont f = m_grid->font();
    f.setPixelSize(17);
    m_grid->setFont(f);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(m_grid, 1);

    connect(previous, &QPushButton::clicked, this, [this] { changeYear(-1); });
    connect(next, &QPushButton::clicked, this, [this] { changeYear(1); });
    connect(print, &QPushButton::clicked, this, &TResultat::Imprimer);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(560, 600);
}

void TResultat::Init(const RecordList &journal, const RecordList &chart)
{
    m_journal = journal;
    m_chart = chart.toStringList();
}

void TResultat::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    LitAn();
}

void TResultat::LitAn()
{
    m_result = AnnualResult::compute(m_journal, m_chart, m_year);
    m_caption->setText(QStringLiteral("Résultat ") + QString::number(m_year));
    const int n = int(m_result.lines.size());
    m_grid->clearContents();
    m_grid->setRowCount(std::max(kRows, n));
    for (int r = 0; r < n; ++r) {
        const ResultLine &l = m_result.lines[size_t(r)];
        m_grid->setItem(r, 0, new QTableWidgetItem(l.label));
        auto *amount = new QTableWidgetItem(l.amount.trimmed());
        amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_grid->setItem(r, 1, amount);
    }
}

void TResultat::changeYear(int delta)
{
    m_year = Period::stepYear(m_year, delta);
    LitAn();
}

void TResultat::Imprimer()
{
    PrintService::current().print(Printouts::resultJob(), [this](Canvas &canvas) {
        return Printouts::drawResult(canvas, m_year, m_result);
    });
}
