#include "find/ui/tfliste.h"

#include "core/formats.h"

#include <QFrame>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kPanelHeight = 41;

} // namespace

TFListeBase::TFListeBase(Kind kind, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_layout(*Lists::gridLayout(kind))
{
    setWindowTitle(m_layout.caption);

    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setFrameShape(QFrame::StyledPanel);
    m_panel->setFixedHeight(kPanelHeight);
    m_close = new QPushButton(QStringLiteral("Fermer"), m_panel);
    m_close->setObjectName(QStringLiteral("Button1"));
    // Enter in the grid must not close the window through the button.
    m_close->setAutoDefault(false);
    m_close->resize(75, 25);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    m_grid = new QTableWidget(this);
    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    m_grid->setColumnCount(Lists::kColumns);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->horizontalHeader()->setHighlightSections(false);
    QStringList headers;
    for (const QString &h : m_layout.headers)
        headers.append(h);
    m_grid->setHorizontalHeaderLabels(headers);
    for (int c = 0; c < Lists::kColumns; ++c)
        m_grid->setColumnWidth(c, m_layout.widths[size_t(c)]);
    // Column 0 carries the block number for picking and is never seen; the
    // record number shows whole, five digits and more.
    m_grid->setColumnWidth(1, m_grid->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    m_grid->setColumnHidden(0, true);
    setRowCount(Lists::kFirstRowCount);
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (row >= 1)
            m_grid->setCurrentCell(row, 1);
        m_picked = true;
        accept();
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_panel);
    layout->addWidget(m_grid);

    resize(800, 600);
    setWindowState(Qt::WindowMaximized);
}

void TFListeBase::setRowCount(int rows)
{
    const int before = m_grid->rowCount();
    m_grid->setRowCount(rows);
    // Row 0 holds the header texts as the fixed row does; the grid's own
    // header shows them and keeps them in view, so the row itself is hidden.
    if (before == 0) {
        for (int c = 0; c < Lists::kColumns; ++c)
            m_grid->setItem(0, c, new QTableWidgetItem(m_layout.headers[size_t(c)]));
        m_grid->setRowHidden(0, true);
    }
    // The number column looks like the fixed columns of the header.
    const QBrush fixed = palette().brush(QPalette::Button);
    for (int r = std::max(1, before); r < rows; ++r) {
        auto *item = new QTableWidgetItem;
        item->setBackground(fixed);
        m_grid->setItem(r, 1, item);
    }
}

void TFListeBase::Init(const RecordList &lines)
{
    const Lists::GridRows rows = Lists::gridRows(lines, m_layout);
    m_grid->setUpdatesEnabled(false);
    if (rows.rowCount > m_grid->rowCount())
        setRowCount(rows.rowCount);
    for (int r = 0; r < rows.rows.size(); ++r) {
        const QStringList &cells = rows.rows[r];
        for (int c = 0; c < Lists::kColumns; ++c) {
            if (c == 1) {
                m_grid->item(r + 1, 1)->setText(cells[c]);
                continue;
            }
            if (cells[c].isEmpty())
                continue;
            m_grid->setItem(r + 1, c, new QTableWidgetItem(cells[c]));
        }
    }
    m_grid->setUpdatesEnabled(true);
    if (m_grid->rowCount() > 1)
        m_grid->setCurrentCell(1, 1);
}

void TFListeBase::done(int r)
{
    m_result = -1;
    if (m_picked) {
        const int row = m_grid->currentRow();
        const QTableWidgetItem *number = row >= 1 ? m_grid->item(row, 0) : nullptr;
        int n = -1;
        if (number && Formats::parseInt(number->text(), &n) && n >= 0)
            m_result = n;
    }
    QDialog::done(r);
}

void TFListeBase::placeButton()
{
    m_close->move(width() - 100, (kPanelHeight - m_close->height()) / 2);
}

void TFListeBase::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    placeButton();
}

void TFListeBase::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    placeButton();
}
