#include "tools/ui/tplanning.h"

#include "core/clock.h"
#include "core/dialogs.h"
#include "core/formats.h"
#include "print/ui/windowparts.h"
#include "tools/ui/legendpanel.h"
#include "tools/ui/toolui.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kCell = 16;
constexpr int kMonthColumn = 86;
const QColor kHeading(0xC0, 0xC0, 0xC0);
const QColor kNoDay(0xE4, 0xE4, 0xE4);

} // namespace

TPlanning::TPlanning(QWidget *parent) : QDialog(parent), m_planning(Clock::today().year())
{
    setObjectName(QStringLiteral("Planning"));
    setWindowTitle(QStringLiteral("Planning"));
    auto *layout = new QVBoxLayout(this);

    QFrame *top = WindowParts::panel(this, QStringLiteral("Panel1"));
    auto *row = new QHBoxLayout(top);
    m_caption = new QLabel(top);
    m_caption->setObjectName(QStringLiteral("Panel1Caption"));
    ToolUi::enlarge(m_caption, 4);
    m_previous = WindowParts::button(top, QStringLiteral("Année précédente"), QStringLiteral("SpeedButton2"));
    m_next = WindowParts::button(top, QStringLiteral("Année suivante"), QStringLiteral("SpeedButton1"));
    QPushButton *close = WindowParts::button(top, QStringLiteral("Fermer"), QStringLiteral("Button1"));
    row->addWidget(m_caption, 1);
    row->addWidget(m_previous);
    row->addWidget(m_next);
    row->addWidget(close);
    layout->addWidget(top);

    m_grid = new QTableWidget(13, 32, this);
    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    m_grid->horizontalHeader()->hide();
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setMinimumSectionSize(kCell);
    m_grid->verticalHeader()->setMinimumSectionSize(kCell);
    m_grid->horizontalHeader()->setDefaultSectionSize(kCell + 1);
    m_grid->verticalHeader()->setDefaultSectionSize(kCell + 1);
    m_grid->setColumnWidth(0, kMonthColumn);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setFocusPolicy(Qt::StrongFocus);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setTextElideMode(Qt::ElideNone);
    // Day numbers of two digits fit a 16-pixel cell.
    QFont small = m_grid->font();
    small.setPixelSize(9);
    for (int r = 0; r < 13; ++r) {
        for (int c = 0; c < 32; ++c) {
            auto *item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignCenter);
            item->setFlags(Qt::ItemIsEnabled);
            if (r == 0 || c == 0) {
                item->setBackground(kHeading);
                if (r == 0 && c > 0) {
                    item->setText(QString::number(c));
                    item->setFont(small);
                } else if (r > 0) {
                    item->setText(Formats::monthName(r));
                    item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                }
            }
            m_grid->setItem(r, c, item);
        }
    }
    m_grid->setFixedSize(kMonthColumn + 31 * (kCell + 1) + 2 * m_grid->frameWidth(),
                         13 * (kCell + 1) + 2 * m_grid->frameWidth());
    layout->addWidget(m_grid);

    auto *legend = new QGridLayout;
    for (int c = 1; c <= Planning::kCategories; ++c) {
        auto *panel = new LegendPanel(this);
        panel->setObjectName(QStringLiteral("Panel%1").arg(c + 1));
        panel->setColour(Planning::colour(c));
        legend->addWidget(panel, (c - 1) / 4, (c - 1) % 4);
        m_panels[size_t(c - 1)] = panel;
        connect(panel, &LegendPanel::clicked, this, [this, c] { choose(c); });
        connect(panel, &LegendPanel::doubleClicked, this, [this, c] { rename(c); });
    }
    layout->addLayout(legend);

    connect(m_previous, &QPushButton::clicked, this, &TPlanning::SpeedButton2Click);
    connect(m_next, &QPushButton::clicked, this, &TPlanning::SpeedButton1Click);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_grid, &QTableWidget::cellClicked, this, &TPlanning::StringGrid1Click);
    for (QWidget *w : {static_cast<QWidget *>(this), static_cast<QWidget *>(m_grid), static_cast<QWidget *>(close),
                       static_cast<QWidget *>(m_previous), static_cast<QWidget *>(m_next)})
        w->installEventFilter(this);
    LitAn();
}

bool TPlanning::Charge(const QString &memberFile, QString *error)
{
    const bool ok = m_planning.Charge(Planning::fileName(memberFile), error);
    LitAn();
    return ok;
}

bool TPlanning::Sauve(const QString &memberFile, QString *error)
{
    return m_planning.Sauve(Planning::fileName(memberFile), error);
}

void TPlanning::LitAn()
{
    m_caption->setText(QStringLiteral("Planning ") + QString::number(m_planning.year()));
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= 31; ++d)
            EcritCell(m, d);
    for (int c = 1; c <= Planning::kCategories; ++c) {
        m_panels[size_t(c - 1)]->setText(m_planning.name(c));
        m_panels[size_t(c - 1)]->setChosen(c == m_planning.currentCategory);
    }
}

void TPlanning::EcritCell(int month, int day)
{
    QTableWidgetItem *item = m_grid->item(month, day);
    const int category = m_planning.category(month, day);
    QColor colour = category ? Planning::colour(category) : QColor(Qt::white);
    if (!category && day > Planning::FinMois(month, m_planning.year()))
        colour = kNoDay;
    // The day's character stays in the cell, hidden under its colour.
    item->setText(QString(m_planning.cell(month, day)).trimmed());
    item->setBackground(colour);
    item->setForeground(colour);
}

void TPlanning::SpeedButton1Click()
{
    m_planning.nextYear();
    LitAn();
}

void TPlanning::SpeedButton2Click()
{
    m_planning.previousYear();
    LitAn();
}

void TPlanning::StringGrid1Click(int row, int column)
{
    if (row < 1 || column < 1)
        return;
    if (m_planning.click(row, column))
        EcritCell(row, column);
}

void TPlanning::choose(int category)
{
    m_planning.currentCategory = category;
    for (int c = 1; c <= Planning::kCategories; ++c)
        m_panels[size_t(c - 1)]->setChosen(c == category);
}

void TPlanning::rename(int category)
{
    QString name = m_planning.name(category);
    if (!Dialogs::current().input(QStringLiteral("Définir les Projets"), QStringLiteral("Nom de la catégorie"), &name))
        return;
    m_planning.rename(category, name);
    m_panels[size_t(category - 1)]->setText(m_planning.name(category));
}

bool TPlanning::eventFilter(QObject *watched, QEvent *event)
{
    if (const int step = WindowParts::pageStep(event)) {
        step > 0 ? SpeedButton1Click() : SpeedButton2Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
