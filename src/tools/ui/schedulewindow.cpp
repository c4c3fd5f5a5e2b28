#include "tools/ui/schedulewindow.h"

#include "core/dialogs.h"
#include "core/money.h"
#include "print/ui/windowparts.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Rows shown before any computation, as many as a table of two years.
constexpr int kInitialRows = 26;
constexpr int kWidths[5] = {50, 95, 105, 105, 105};

} // namespace

ScheduleWindow::ScheduleWindow(QWidget *parent, const Layout &layout) : QDialog(parent)
{
    setObjectName(layout.objectName);
    setWindowTitle(layout.caption);
    auto *outer = new QVBoxLayout(this);

    QFrame *top = WindowParts::panel(this, QStringLiteral("Panel1"));
    auto *fields = new QGridLayout(top);
    // Digits and one comma, as amounts and rates are typed.
    const QRegularExpression typed(QStringLiteral("[0-9]{0,12}(,[0-9]{0,6})?"));
    for (int i = 0; i < 3; ++i) {
        m_edits[i] = new QLineEdit(top);
        m_edits[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        m_edits[i]->setValidator(new QRegularExpressionValidator(typed, m_edits[i]));
        m_edits[i]->installEventFilter(this);
    }
    m_duration = new QSpinBox(top);
    m_duration->setObjectName(QStringLiteral("SpinEdit1"));
    m_duration->setRange(-Schedule::kMaxRows, Schedule::kMaxRows);
    m_duration->setValue(24);
    auto label = [top](const QString &text) { return new QLabel(text, top); };
    fields->addWidget(label(layout.labels[0]), 0, 0);
    fields->addWidget(m_edits[0], 1, 0);
    fields->addWidget(label(layout.labels[1]), 0, 1);
    fields->addWidget(m_edits[1], 1, 1);
    fields->addWidget(label(QStringLiteral("Durée")), 0, 2);
    fields->addWidget(m_duration, 1, 2);
    fields->addWidget(label(layout.labels[2]), 0, 3);
    fields->addWidget(m_edits[2], 1, 3);
    m_compute = new QToolButton(top);
    m_compute->setObjectName(QStringLiteral("SpeedButton1"));
    m_compute->setToolTip(QStringLiteral("Calculer"));
    m_compute->setStatusTip(QStringLiteral("Calculer"));
    m_compute->setText(QStringLiteral("="));
    m_compute->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    fields->addWidget(m_compute, 1, 4);
    QPushButton *close = WindowParts::button(top, QStringLiteral("Fermer"), QStringLiteral("Button1"));
    fields->addWidget(close, 1, 5);
    outer->addWidget(top);

    m_grid = new QTableWidget(kInitialRows, 5, this);
    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Mois"), QStringLiteral("Date"), QStringLiteral("Capital"),
                                       QStringLiteral("Intérêt"), layout.lastHeading});
    int width = 0;
    for (int c = 0; c < 5; ++c) {
        m_grid->setColumnWidth(c, kWidths[c]);
        width += kWidths[c];
    }
    m_grid->setMinimumWidth(width + 40);
    outer->addWidget(m_grid, 1);
    resize(width + 60, 520);

    connect(m_compute, &QToolButton::clicked, this, &ScheduleWindow::Button2Click);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void ScheduleWindow::Raz()
{
    m_grid->clearContents();
    m_grid->setRowCount(kInitialRows);
}

void ScheduleWindow::Button2Click()
{
    const Schedule::Result result = compute();
    switch (result.status) {
    case Schedule::Result::Nothing: return;
    case Schedule::Result::Refused: Dialogs::current().error(result.message); return;
    case Schedule::Result::Done: break;
    }
    Raz();
    m_edits[2]->setText(result.instalmentText);
    m_duration->setValue(result.duration);
    showTable(result.table);
}

void ScheduleWindow::showTable(const Schedule::Table &table)
{
    if (table.rows.isEmpty() && !table.hasTotals)
        return;
    // One empty row between the last month and the totals.
    const int totalsRow = int(table.rows.size()) + 1;
    m_grid->setRowCount(std::max(kInitialRows, totalsRow + 1));
    auto put = [this](int row, int column, const QString &text, bool right) {
        auto *item = new QTableWidgetItem(text);
        item->setTextAlignment(right ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
        m_grid->setItem(row, column, item);
    };
    for (int i = 0; i < table.rows.size(); ++i) {
        const Schedule::Row &r = table.rows.at(i);
        put(i, 0, QString::number(r.month), true);
        put(i, 1, r.date, false);
        for (int c = 0; c < 3; ++c)
            put(i, c + 2, Money::format(r.cells[size_t(c)]), true);
    }
    if (!table.hasTotals)
        return;
    put(totalsRow, 1, QStringLiteral("Totaux"), false);
    for (int c = 0; c < 3; ++c)
        put(totalsRow, c + 2, Money::format(table.totals[size_t(c)]), true);
}

bool ScheduleWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Button2Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ScheduleWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_edits[0]->setFocus(Qt::OtherFocusReason);
}
