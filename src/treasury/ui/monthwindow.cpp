#include "treasury/ui/monthwindow.h"

#include "core/csv.h"
#include "core/dialogs.h"
#include "print/ui/windowparts.h"
#include "treasury/csvexport.h"
#include "treasury/ui/panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const int kWidths[JournalLine::kColumns] = {82, 90, 284, 100, 100, 10};

QLineEdit *totalField(QWidget *parent, const char *name, int width)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setAlignment(Qt::AlignRight);
    e->setFixedWidth(width);
    return e;
}

} // namespace

MonthWindow::MonthWindow(const QString &objectName, const QString &title, QWidget *parent) : QDialog(parent)
{
    setObjectName(objectName);
    setWindowTitle(title);
    auto *layout = new QVBoxLayout(this);
    m_body = layout;

    const TopPanel panel(this);
    QHBoxLayout *row = panel.row;
    m_panelRow = row;
    m_previous = panel.button("SpeedButton2", QStringLiteral("Mois précédent"), QStyle::SP_ArrowLeft);
    m_next = panel.button("SpeedButton1", QStringLiteral("Mois suivant"), QStyle::SP_ArrowRight);
    m_caption = panel.caption();
    m_caption->setMinimumWidth(160);
    m_caption->setAlignment(Qt::AlignCenter);
    m_print = panel.button("SpeedButton4", QStringLiteral("Imprimer"), QStyle::SP_FileIcon);
    m_export = panel.button("SpeedButton5", QStringLiteral("Exporter"), QStyle::SP_DialogSaveButton);
    m_export->setText(QStringLiteral("Exporter"));
    m_export->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_export->setPopupMode(QToolButton::InstantPopup);
    auto *menu = new QMenu(m_export);
    menu->setObjectName(QStringLiteral("ExportMenu"));
    QAction *month = menu->addAction(QStringLiteral("Le mois affiché..."));
    month->setObjectName(QStringLiteral("ExportMonth"));
    QAction *year = menu->addAction(QStringLiteral("L'année entière..."));
    year->setObjectName(QStringLiteral("ExportYear"));
    m_export->setMenu(menu);
    m_close = WindowParts::button(panel.frame, QStringLiteral("Fermer"), QStringLiteral("Button13"));
    row->addWidget(m_previous);
    row->addWidget(m_caption);
    row->addWidget(m_next);
    row->addSpacing(16);
    row->addWidget(m_print);
    row->addWidget(m_export);
    row->addStretch(1);
    row->addWidget(m_close);
    layout->addWidget(panel.frame);

    m_grid = new QTableWidget(JournalLine::kRows, JournalLine::kColumns, this);
    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(22);
    for (int c = 0; c < JournalLine::kColumns; ++c)
        m_grid->setColumnWidth(c, kWidths[c]);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setFocusPolicy(Qt::ClickFocus);
    m_grid->setTabKeyNavigation(false);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    for (int r = 0; r < JournalLine::kRows; ++r)
        for (int c = 0; c < JournalLine::kColumns; ++c) {
            auto *item = new QTableWidgetItem;
            if (c == ColExpense || c == ColReceipt)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_grid->setItem(r, c, item);
        }

    m_expenses = totalField(this, "Edit4", kWidths[ColExpense]);
    m_receipts = totalField(this, "Edit5", kWidths[ColReceipt]);
    m_balance = totalField(this, "Edit7", kWidths[ColReceipt]);

    connect(m_previous, &QToolButton::clicked, this, [this] { moveMonth(-1); });
    connect(m_next, &QToolButton::clicked, this, [this] { moveMonth(1); });
    connect(m_print, &QToolButton::clicked, this, [this] { Imprimer(); });
    connect(month, &QAction::triggered, this, [this] { exportRows(false); });
    connect(year, &QAction::triggered, this, [this] { exportRows(true); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    resize(720, 560);
}

void MonthWindow::placeGridAndTotals()
{
    m_body->addWidget(m_grid, 1);
    auto *totals = new QHBoxLayout;
    auto *label = new QLabel(QStringLiteral("Totaux"), this);
    label->setObjectName(QStringLiteral("LabelTotaux"));
    auto *balance = new QLabel(QStringLiteral("Solde"), this);
    balance->setObjectName(QStringLiteral("LabelSolde"));
    totals->addStretch(1);
    totals->addWidget(label);
    totals->addWidget(m_expenses);
    totals->addWidget(m_receipts);
    totals->addSpacing(16);
    totals->addWidget(balance);
    totals->addWidget(m_balance);
    m_body->addLayout(totals);
}

QString MonthWindow::cell(int row, int column) const
{
    const QTableWidgetItem *item = m_grid->item(row, column);
    return item ? item->text() : QString();
}

void MonthWindow::showCaption(const Period::YearMonth &shown)
{
    m_caption->setText(shown.caption());
}

void MonthWindow::showRow(int row, const JournalRow &cells)
{
    for (int c = 0; c < JournalLine::kColumns; ++c) {
        QTableWidgetItem *item = m_grid->item(row, c);
        if (item->text() != cells[size_t(c)])
            item->setText(cells[size_t(c)]);
    }
}

void MonthWindow::showRows(const std::vector<JournalRow> &rows)
{
    const JournalRow empty;
    for (int r = 0; r < JournalLine::kRows; ++r)
        showRow(r, r < int(rows.size()) ? rows[size_t(r)] : empty);
}

void MonthWindow::showTotals(const Totals &totals)
{
    m_expenses->setText(Money::format(totals.expenses));
    m_receipts->setText(Money::format(totals.receipts));
    m_balance->setText(Money::format(totals.balance()));
}

bool MonthWindow::pageKey(QEvent *event)
{
    const int step = WindowParts::pageStep(event);
    if (step)
        moveMonth(step);
    return step != 0;
}

bool MonthWindow::saveCsv(const std::vector<JournalRow> &rows, const QString &suggestedName)
{
    const QByteArray bytes = CsvExport::bytes(rows);
    return !Dialogs::current().writeChosenFile(Csv::filter(), Csv::suffix(), suggestedName, bytes).isEmpty();
}
