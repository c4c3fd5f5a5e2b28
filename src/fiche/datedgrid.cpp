#include "fiche/datedgrid.h"

#include "core/clock.h"
#include "core/formats.h"
#include "fiche/recordpage.h"

#include <QDateEdit>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

DatedGrid::DatedGrid(const Names &names, QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    m_grid = new QTableWidget(kRows, 3, this);
    m_grid->setObjectName(names.grid);
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Date"), QStringLiteral("Libellé"), QStringLiteral("Montant")});
    m_grid->setColumnWidth(0, 97);
    m_grid->setColumnWidth(1, 242);
    m_grid->setColumnWidth(2, 96);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->setVisible(false);
    m_grid->installEventFilter(this);
    layout->addWidget(m_grid, 1);

    m_panel = new QFrame(this);
    m_panel->setObjectName(names.panel);
    auto *line = new QHBoxLayout(m_panel);
    line->setContentsMargins(0, 0, 0, 0);
    m_picker = new QDateEdit(Clock::today(), m_panel);
    m_picker->setObjectName(names.picker);
    m_picker->setCalendarPopup(true);
    m_picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_label = new QLineEdit(m_panel);
    m_label->setObjectName(names.label);
    m_amount = new QLineEdit(m_panel);
    m_amount->setObjectName(names.amount);
    // One comma at most: "1,2,3" would be stored as "1,2," and no total could read it.
    m_amount->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*,?[0-9]*")), m_amount));
    m_amount->installEventFilter(new AmountKeys(m_amount));
    m_ok = new QToolButton(m_panel);
    m_ok->setObjectName(names.button);
    m_ok->setText(QStringLiteral("OK"));
    line->addWidget(m_picker);
    line->addWidget(m_label, 1);
    line->addWidget(m_amount);
    line->addWidget(m_ok);
    layout->addWidget(m_panel);

    connect(m_ok, &QToolButton::clicked, this, [this] { addEntry(); });
    connect(m_amount, &QLineEdit::returnPressed, this, [this] { addEntry(); });
}

QString GridCells::text(const QTableWidget *grid, int row, int column)
{
    const QTableWidgetItem *item = grid->item(row, column);
    return item ? item->text() : QString();
}

void GridCells::setText(QTableWidget *grid, int row, int column, const QString &text)
{
    QTableWidgetItem *item = grid->item(row, column);
    if (!item) {
        if (text.isEmpty())
            return;
        item = new QTableWidgetItem;
        grid->setItem(row, column, item);
    }
    if (item->text() != text)
        item->setText(text);
}

QStringList DatedGrid::row(int r) const
{
    QStringList cells;
    for (int c = 0; c < 3; ++c)
        cells.append(GridCells::text(m_grid, r, c));
    return cells;
}

void DatedGrid::setRow(int r, const QStringList &cells)
{
    for (int c = 0; c < 3; ++c)
        GridCells::setText(m_grid, r, c, cells.value(c));
}

QList<QStringList> DatedGrid::rows() const
{
    QList<QStringList> out;
    for (int r = 0; r < kRows; ++r)
        out.append(row(r));
    return out;
}

void DatedGrid::setRows(const QList<QStringList> &rows)
{
    for (int r = 0; r < kRows; ++r)
        setRow(r, r < rows.size() ? rows[r] : QStringList());
}

void DatedGrid::clearRows()
{
    setRows({});
}

bool DatedGrid::addEntry()
{
    if (m_label->text().trimmed().isEmpty() || m_amount->text().trimmed().isEmpty())
        return false;
    for (int r = 0; r < kRows; ++r) {
        if (!row(r).value(0).isEmpty())
            continue;
        setRow(r, {Formats::date(m_picker->date()), PageText::oneCell(m_label->text()),
                   Formats::twoDecimals(m_amount->text())});
        m_label->clear();
        m_amount->clear();
        break;
    }
    emit edited();
    return true;
}

void DatedGrid::deleteRow(int r)
{
    if (r < 0 || r >= kRows)
        return;
    for (int i = r; i + 1 < kRows; ++i)
        setRow(i, row(i + 1));
    // The last row is emptied rather than left as a copy of itself one row up.
    setRow(kRows - 1, {});
    emit edited();
}

bool DatedGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        deleteRow(m_grid->currentRow());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool AmountKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    const QString text = key->text();
    if (text.size() != 1 || !text[0].isPrint())
        return false; // Backspace, Enter, arrows and the like
    const QChar c = text[0];
    if (c == QLatin1Char('.')) {
        if (auto *edit = qobject_cast<QLineEdit *>(watched))
            edit->insert(QStringLiteral(","));
        return true;
    }
    return !(c.isDigit() || c == QLatin1Char(','));
}
