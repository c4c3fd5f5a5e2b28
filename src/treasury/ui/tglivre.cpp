#include "treasury/ui/tglivre.h"

#include "core/clock.h"
#include "print/printing.h"
#include "treasury/chart.h"
#include "treasury/csvexport.h"
#include "treasury/ledger.h"
#include "treasury/printouts.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

TGlivre::TGlivre(QWidget *parent)
    : MonthWindow(QStringLiteral("Glivre"), QStringLiteral("Grand Livre"), parent),
      m_shown{Clock::today().year(), Clock::today().month()}
{
    auto *row = new QHBoxLayout;
    auto *caption = new QLabel(QStringLiteral("Compte"), this);
    caption->setObjectName(QStringLiteral("Label1"));
    m_account = new QComboBox(this);
    m_account->setObjectName(QStringLiteral("ComboBox1"));
    // Not editable: an account is chosen from the list only.
    m_account->setEditable(false);
    m_account->setFixedWidth(90);
    m_label = new QLineEdit(this);
    m_label->setObjectName(QStringLiteral("Edit2"));
    m_label->setFixedWidth(284);
    row->addWidget(caption);
    row->addWidget(m_account);
    row->addWidget(m_label);
    row->addStretch(1);
    body()->addLayout(row);
    placeGridAndTotals();
    m_label->installEventFilter(this);
    m_account->installEventFilter(this);
    grid()->installEventFilter(this);
    connect(m_account, &QComboBox::activated, this, [this] { ComboBox1Change(); });
}

void TGlivre::Init(const RecordList &journal, const RecordList &chart)
{
    m_journal = journal;
    m_chart = chart.toStringList();
    QSignalBlocker block(m_account);
    m_account->clear();
    m_account->addItems(Chart::numbers(m_chart));
    m_account->setCurrentIndex(m_account->count() > 0 ? 0 : -1);
    showLabel();
}

QString TGlivre::account() const
{
    return m_account->currentIndex() >= 0 ? m_account->currentText() : QString();
}

void TGlivre::showLabel()
{
    m_label->setText(Chart::labelOf(m_chart, Chart::findNumber(m_chart, account())));
}

void TGlivre::showEvent(QShowEvent *event)
{
    MonthWindow::showEvent(event);
    LitMois();
}

void TGlivre::LitMois()
{
    m_rows = Ledger::LitMois(m_journal, m_shown, account());
    showCaption(m_shown);
    showRows(m_rows);
    showTotals(totalsOf(m_rows));
}

void TGlivre::moveMonth(int delta)
{
    m_shown = m_shown.step(delta);
    LitMois();
}

void TGlivre::ComboBox1Change()
{
    showLabel();
    LitMois();
}

void TGlivre::Imprimer()
{
    const QString caption = m_shown.caption();
    PrintService::current().print(Printouts::journalJob(true), [&](Canvas &canvas) {
        return Printouts::drawJournal(canvas, caption, m_rows, true);
    });
}

void TGlivre::exportRows(bool wholeYear)
{
    const QString a = account();
    if (wholeYear)
        saveCsv(Ledger::yearEntries(m_journal, m_shown.year, a), CsvExport::ledgerName(a, m_shown.year));
    else
        saveCsv(Ledger::entries(scanMonth(m_journal, m_shown), a),
                CsvExport::ledgerName(a, m_shown.year, m_shown.month));
}

bool TGlivre::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == m_label || watched == grid()) && pageKey(event))
        return true;
    // Typing does not pick an account by its first digits; the list does.
    if (watched == m_account && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        if (!typed.isEmpty() && typed.at(0).isPrint())
            return true;
    }
    if (watched == m_label && event->type() == QEvent::FocusOut && m_label->text().isEmpty())
        showLabel();
    return MonthWindow::eventFilter(watched, event);
}
