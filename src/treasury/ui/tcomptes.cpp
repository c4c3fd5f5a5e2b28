#include "treasury/ui/tcomptes.h"

#include "treasury/chart.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kStartRows = 63; // with the title row, 64

} // namespace

TComptes::TComptes(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Comptes"));
    setWindowTitle(QStringLiteral("Plan comptable"));
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    auto *close = new QPushButton(QStringLiteral("Fermer"), this);
    close->setObjectName(QStringLiteral("Button1"));
    top->addWidget(close);
    top->addStretch(1);
    layout->addLayout(top);
    m_grid = new QTableWidget(kStartRows, 2, this);
    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Compte"), QStringLiteral("Libellé")});
    m_grid->verticalHeader()->hide();
    m_grid->setColumnWidth(0, 75);
    m_grid->setColumnWidth(1, 302);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    layout->addWidget(m_grid, 1);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(420, 460);
}

void TComptes::Init(const RecordList &chart)
{
    QList<Chart::Account> accounts;
    Chart::Account a;
    for (int i = 0; i < chart.size(); ++i)
        if (Chart::split(chart.at(i), &a))
            accounts.append(a);
    m_grid->clearContents();
    m_grid->setRowCount(std::max<int>(kStartRows, int(accounts.size())));
    for (int r = 0; r < accounts.size(); ++r) {
        m_grid->setItem(r, 0, new QTableWidgetItem(accounts.at(r).number));
        m_grid->setItem(r, 1, new QTableWidgetItem(accounts.at(r).label));
    }
}
