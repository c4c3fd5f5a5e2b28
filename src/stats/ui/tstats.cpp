#include "stats/ui/tstats.h"

#include "core/csv.h"
#include "core/dialogs.h"
#include "print/printing.h"
#include "print/ui/windowparts.h"
#include "stats/ui/tgraph.h"

#include <QApplication>
#include <QFontInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kPanelHeight = 41;
constexpr int kFirstRowCount = 63;
constexpr std::array<int, StatTable::kColumns> kWidths{64, 63, 294, 85};
constexpr int kValueColumn = StatTable::kColumns - 1;
const Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;

QToolButton *toolButton(QWidget *panel, const char *name, const QString &text)
{
    auto *b = new QToolButton(panel);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

// The hourglass while the pages are drawn.
struct WaitCursor
{
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

TStatsBase::TStatsBase(const QString &caption, const QString &keyTitle, const QString &nameTitle,
                       const QString &valueTitle, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_keyTitle(keyTitle), m_nameTitle(nameTitle), m_valueTitle(valueTitle)
{
    setWindowTitle(caption);

    QFrame *panel = WindowParts::panel(this, QStringLiteral("Panel1"));
    panel->setFixedHeight(kPanelHeight);
    QToolButton *print = toolButton(panel, "SpeedButton8", QStringLiteral("Imprimer"));
    QToolButton *chart = toolButton(panel, "SpeedButton1", QStringLiteral("Graphique"));
    QToolButton *exportButton = toolButton(panel, "SpeedButton2", QStringLiteral("Exporter"));
    QPushButton *close = WindowParts::button(panel, QStringLiteral("Fermer"), QStringLiteral("Button1"));
    connect(print, &QToolButton::clicked, this, &TStatsBase::Imprimer);
    connect(chart, &QToolButton::clicked, this, &TStatsBase::Graphique);
    connect(exportButton, &QToolButton::clicked, this, &TStatsBase::Exporter);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout(panel);
    buttons->setContentsMargins(6, 4, 6, 4);
    buttons->addWidget(print);
    buttons->addWidget(chart);
    buttons->addWidget(exportButton);
    buttons->addStretch();
    buttons->addWidget(close);

    m_grid = new QTableWidget(this);
    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    m_grid->setColumnCount(StatTable::kColumns);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setHighlightSections(false);
    m_grid->setHorizontalHeaderLabels({QString(), keyTitle, nameTitle, valueTitle});
    m_grid->horizontalHeaderItem(kValueColumn)->setTextAlignment(kRight);
    for (int c = 0; c < StatTable::kColumns; ++c)
        m_grid->setColumnWidth(c, kWidths[size_t(c)]);
    setRows(kFirstRowCount);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addWidget(m_grid);
    resize(560, 460);
}

void TStatsBase::setRows(int rows)
{
    const int before = m_grid->rowCount();
    m_grid->setRowCount(rows);
    // The rank column looks like the fixed column it stands for; the grid's
    // own header is the fixed title row.
    const QBrush fixed = palette().brush(QPalette::Button);
    for (int r = before; r < rows; ++r) {
        auto *rank = new QTableWidgetItem;
        rank->setBackground(fixed);
        m_grid->setItem(r, 0, rank);
    }
}

void TStatsBase::fill(const StatList &list)
{
    m_table = StatTable::of(list, m_keyTitle, m_nameTitle, m_valueTitle);
    m_rowCount = int(m_table.rows.size());
    m_grid->setUpdatesEnabled(false);
    if (m_rowCount > m_grid->rowCount())
        setRows(m_rowCount);
    for (int r = 0; r < m_rowCount; ++r) {
        const StatTable::Row &row = m_table.rows[r];
        m_grid->item(r, 0)->setText(row[0]);
        m_grid->setItem(r, 1, new QTableWidgetItem(row[1]));
        m_grid->setItem(r, 2, new QTableWidgetItem(row[2]));
        auto *value = new QTableWidgetItem(row[3]);
        value->setTextAlignment(kRight);
        m_grid->setItem(r, kValueColumn, value);
    }
    m_grid->setUpdatesEnabled(true);
}

TablePrintLayout TStatsBase::printLayout() const
{
    TablePrintLayout layout;
    const QFont font = m_grid->font();
    layout.fontFamily = font.family();
    layout.pointSize = QFontInfo(font).pointSize();
    for (int c = 0; c < StatTable::kColumns; ++c)
        layout.columnWidths[size_t(c)] = m_grid->columnWidth(c);
    return layout;
}

void TStatsBase::Imprimer()
{
    const TablePrintLayout layout = printLayout();
    PrintJob job;
    job.title = TablePrint::jobTitle();
    PrintService::current().print(job, [&](Canvas &canvas) {
        WaitCursor wait;
        return TablePrint::print(canvas, m_table, layout, QString(), m_rowCount);
    });
}

void TStatsBase::Graphique()
{
    TGraph graph(this);
    graph.Init(m_table.values());
    graph.exec();
}

void TStatsBase::Exporter()
{
    Dialogs::current().writeChosenFile(Csv::filter(), Csv::suffix(), QStringLiteral("statistiques.csv"), m_table.csv());
}

TStatsD::TStatsD(QWidget *parent)
    : TStatsBase(QStringLiteral("Statistiques sur les départements"), QStringLiteral("Code"), QStringLiteral("Nom"),
                 QStringLiteral("Qté"), parent)
{
}

TStatsC::TStatsC(QWidget *parent)
    : TStatsBase(QStringLiteral("Statistiques sur les catégories"), QStringLiteral("Code"),
                 QStringLiteral("Catégorie"), QStringLiteral("Qté"), parent)
{
}

TStatsCa::TStatsCa(QWidget *parent)
    : TStatsBase(QStringLiteral("Statistiques sur les CA "), QStringLiteral("Numéro"), QStringLiteral("Nom"),
                 QStringLiteral("CA"), parent)
{
}

void TStatsCa::Init(const StatList &list, const QString &suffix)
{
    setWindowTitle(windowTitle() + suffix);
    fill(list);
}

namespace {

template <typename Window, typename... Args>
void showModal(QWidget *parent, const StatList &list, const Args &...args)
{
    Window window(parent);
    window.Init(list, args...);
    window.exec();
}

} // namespace

void openStatistic(QWidget *parent, const StatList &list)
{
    const QString skipped = Statistics::skippedMessage(list);
    if (!skipped.isEmpty())
        Dialogs::current().message(skipped);
    switch (list.kind()) {
    case StatKind::Departements:
        return showModal<TStatsD>(parent, list);
    case StatKind::Categories:
        return showModal<TStatsC>(parent, list);
    case StatKind::TurnoverMembers:
        return showModal<TStatsCa>(parent, list, QStringLiteral("adhérents"));
    case StatKind::TurnoverPartners:
        return showModal<TStatsCa>(parent, list, QStringLiteral("partenaires"));
    case StatKind::TurnoverActivities:
        return showModal<TStatsCa>(parent, list, QStringLiteral("activités"));
    }
}
