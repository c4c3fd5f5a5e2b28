#include "treasury/ui/tbudget.h"

#include "core/clock.h"
#include "core/cp1252validator.h"
#include "core/dialogs.h"
#include "core/formats.h"
#include "print/printing.h"
#include "treasury/chart.h"
#include "treasury/csvexport.h"
#include "treasury/printouts.h"
#include "treasury/ui/panel.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>

namespace {

QLineEdit *field(QWidget *parent, const char *name, int width)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setFixedWidth(width);
    return e;
}

bool isEnter(QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Leaving a field means the focus went to another field of the window, not
// that a message box or another window took it for a while.
bool leaves(QEvent *event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason why = static_cast<QFocusEvent *>(event)->reason();
    return why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason;
}

} // namespace

TBudget::TBudget(QWidget *parent)
    : MonthWindow(QStringLiteral("Budget"), QStringLiteral("Journal"), parent),
      m_month({Clock::today().year(), Clock::today().month()})
{
    m_delete = panelButton(panelRow()->parentWidget(), "SpeedButton3", QStringLiteral("Supprimer écriture"),
                           QStyle::SP_TrashIcon);
    panelRow()->insertWidget(4, m_delete);

    auto *titles = new QHBoxLayout;
    const std::pair<const char *, int> heads[] = {
        {"Date", 82}, {"Compte", 88}, {"Libellé", 287}, {"Dépenses", 103}, {"Recettes", 80}};
    for (const auto &[text, width] : heads) {
        auto *l = new QLabel(QString::fromUtf8(text), this);
        l->setFixedWidth(width);
        titles->addWidget(l);
    }
    titles->addStretch(1);
    body()->addLayout(titles);

    auto *input = new QHBoxLayout;
    m_date = field(this, "MaskEdit1", 82);
    m_date->setInputMask(QStringLiteral("00/00/0000;_"));
    m_account = new QComboBox(this);
    m_account->setObjectName(QStringLiteral("ComboBox1"));
    m_account->setEditable(true);
    m_account->setInsertPolicy(QComboBox::NoInsert);
    m_account->setFixedWidth(88);
    m_account->lineEdit()->setValidator(new Cp1252Validator(m_account));
    m_label = field(this, "Edit2", 287);
    m_label->setValidator(new Cp1252Validator(m_label));
    m_label->setMaxLength(251);
    m_expense = field(this, "Edit3", 103);
    m_receipt = field(this, "Edit6", 80);
    for (QWidget *w : {static_cast<QWidget *>(m_date), static_cast<QWidget *>(m_account),
                       static_cast<QWidget *>(m_label), static_cast<QWidget *>(m_expense),
                       static_cast<QWidget *>(m_receipt)}) {
        input->addWidget(w);
        w->installEventFilter(this);
    }
    input->addStretch(1);
    body()->addLayout(input);
    placeGridAndTotals();
    grid()->installEventFilter(this);

    connect(m_delete, &QToolButton::clicked, this, &TBudget::deleteSelected);
    connect(grid(), &QTableWidget::cellDoubleClicked, this, [this](int row, int) { changeRow(row); });
    connect(grid(), &QTableWidget::cellClicked, this, [this](int row, int column) {
        if (m_pointage && column == ColMark && m_month.toggleMark(row))
            refresh();
    });
}

void TBudget::Init(const RecordList &journal, const RecordList &chart)
{
    m_journal = journal;
    m_chart.clear();
    m_account->clear();
    for (int i = 0; i < chart.size(); ++i) {
        const QString line = chart.at(i);
        Chart::Account a;
        if (Chart::split(line, &a))
            m_account->addItem(a.number);
        m_chart.append(line);
    }
    m_account->setCurrentIndex(-1);
    m_account->setEditText(QString());
}

void TBudget::Result(RecordList &journal)
{
    EcritMois();
    journal = m_journal;
}

void TBudget::showEvent(QShowEvent *event)
{
    MonthWindow::showEvent(event);
    if (!m_read)
        LitMois();
}

void TBudget::done(int result)
{
    EcritMois();
    MonthWindow::done(result);
}

void TBudget::LitMois()
{
    m_month.read(m_journal);
    monthRead();
}

void TBudget::EcritMois()
{
    m_month.write(m_journal);
}

void TBudget::moveMonth(int delta)
{
    m_month.move(m_journal, delta);
    monthRead();
}

void TBudget::monthRead()
{
    m_read = true;
    Raz();
    // A row picked in the month left must not name one of this month.
    grid()->setCurrentCell(-1, -1);
    refresh();
    m_date->setFocus();
    if (m_month.pendingLeft() > 0)
        Dialogs::current().message(
            QStringLiteral("Le mois est complet : %1 écriture(s) en attente restent dans le journal.")
                .arg(m_month.pendingLeft()));
}

void TBudget::refresh()
{
    showCaption(m_month.shown());
    for (int r = 0; r < JournalMonth::kRows; ++r)
        showRow(r, m_month.row(r));
    showTotals(m_month.totals());
}

void TBudget::Raz()
{
    m_date->clear();
    m_account->setEditText(QString());
    m_label->clear();
    m_expense->clear();
    m_receipt->clear();
}

QString TBudget::dateText() const
{
    const QString shown = m_date->displayText();
    for (QChar c : shown)
        if (c.isDigit())
            return QString(shown).replace(QLatin1Char('_'), QLatin1Char(' '));
    return QString();
}

void TBudget::enterEntry()
{
    // A short account typed and not left yet still becomes the chart's own.
    const Chart::Completion c = Chart::complete(m_chart, m_account->currentText());
    if (!m_account->currentText().isEmpty() && c.exists)
        m_account->setEditText(c.account);
    const EntryInput input{dateText(), m_account->currentText(), m_label->text(), m_expense->text(),
                           m_receipt->text()};
    switch (m_month.enter(input, Clock::today())) {
    case JournalMonth::Entered::NoAmount:
        m_expense->setFocus();
        return;
    case JournalMonth::Entered::BadAmount:
        Dialogs::current().error(QStringLiteral("Montant non valide"));
        return;
    case JournalMonth::Entered::Full:
        Dialogs::current().error(QStringLiteral("Le mois est complet (128 écritures)."));
        return;
    case JournalMonth::Entered::Stored:
        break;
    }
    Raz();
    refresh();
    m_date->setFocus();
}

void TBudget::changeRow(int row)
{
    const std::optional<EntryInput> input = m_month.beginChange(row);
    if (!input)
        return;
    m_date->setText(input->date);
    m_account->setEditText(input->account);
    m_label->setText(input->label);
    m_expense->setText(input->expense);
    m_receipt->setText(input->receipt);
    m_date->setFocus();
}

void TBudget::deleteSelected()
{
    const bool changing = m_month.editedRow() >= 0;
    if (!m_month.remove(grid()->currentRow()))
        return;
    if (changing)
        Raz();
    refresh();
}

void TBudget::SetPointage(bool on)
{
    m_pointage = on;
    grid()->setSelectionBehavior(on ? QAbstractItemView::SelectItems : QAbstractItemView::SelectRows);
}

void TBudget::Imprimer()
{
    const std::vector<JournalRow> rows = m_month.usedRows();
    const QString caption = m_month.shown().caption();
    PrintService::current().print(Printouts::journalJob(false), [&](Canvas &canvas) {
        return Printouts::drawJournal(canvas, caption, rows, false);
    });
}

void TBudget::exportRows(bool wholeYear)
{
    const Period::YearMonth shown = m_month.shown();
    if (!wholeYear) {
        saveCsv(m_month.usedRows(), CsvExport::journalName(shown.year, shown.month));
        return;
    }
    // The month shown goes into the journal first, as its latest state.
    EcritMois();
    saveCsv(yearRows(m_journal, shown.year), CsvExport::journalName(shown.year));
}

void TBudget::leaveDate()
{
    if (dateText().isEmpty())
        m_date->setText(Formats::date(Clock::today()));
}

void TBudget::leaveAccount()
{
    const QString typed = m_account->currentText();
    if (typed.isEmpty())
        return;
    const Chart::Completion c = Chart::complete(m_chart, typed);
    if (c.exists) {
        m_account->setEditText(c.account);
        return;
    }
    m_asking = true;
    Dialogs::current().message(Chart::missingText(c.padded));
    m_asking = false;
    m_account->setFocus();
}

void TBudget::leaveLabel()
{
    if (!m_label->text().isEmpty())
        return;
    const QString label = Chart::labelOf(m_chart, Chart::findPrefix(m_chart, m_account->currentText()));
    if (!label.isEmpty())
        m_label->setText(label);
}

void TBudget::leaveExpense()
{
    Money::Cents c = 0;
    if (Money::parse(m_expense->text(), &c))
        m_expense->setText(Money::formatShort(c));
}

bool TBudget::eventFilter(QObject *watched, QEvent *event)
{
    const bool pageKeys = watched == m_date || watched == m_label || watched == m_expense
                          || watched == m_receipt || watched == grid();
    if (pageKeys && pageKey(event))
        return true;
    if ((watched == m_label || watched == m_expense || watched == m_receipt) && isEnter(event)) {
        enterEntry();
        return true;
    }
    if (leaves(event) && !m_asking) {
        if (watched == m_date)
            leaveDate();
        else if (watched == m_account)
            leaveAccount();
        else if (watched == m_label)
            leaveLabel();
        else if (watched == m_expense)
            leaveExpense();
    }
    return MonthWindow::eventFilter(watched, event);
}
