#include "treasury/ui/ttreso.h"

#include "core/clock.h"
#include "core/cp1252validator.h"
#include "print/printing.h"
#include "print/ui/windowparts.h"
#include "treasury/printouts.h"
#include "treasury/ui/panel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char *const kMonths[12] = {"Jan", "Fév", "Mar", "Avr", "Mai", "Jun", "Jul", "Aoû", "Sep", "Oct", "Nov", "Déc"};
constexpr int kLabelWidth = 124;
constexpr int kMonthWidth = 48;
constexpr int kLabelMax = 248; // a plan line holds at most 255 characters

// Amount cells take digits only; labels take what the file can hold. Every
// change goes straight into the cell, so the plan holds what is shown.
class PlanDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        auto *editor = new QLineEdit(parent);
        editor->setFrame(false);
        if (index.column() == 0) {
            editor->setValidator(new Cp1252Validator(editor));
            editor->setMaxLength(kLabelMax);
        } else {
            editor->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(TreasuryPlan::kMaxDigits)), editor));
            editor->setAlignment(Qt::AlignRight);
        }
        auto *model = const_cast<QAbstractItemModel *>(index.model());
        const QPersistentModelIndex cell(index);
        QObject::connect(editor, &QLineEdit::textEdited, editor, [model, cell](const QString &text) {
            if (cell.isValid())
                model->setData(cell, text, Qt::EditRole);
        });
        return editor;
    }
};

} // namespace

TTreso::TTreso(QWidget *parent) : QDialog(parent), m_plan(Clock::today().year())
{
    setObjectName(QStringLiteral("Treso"));
    setWindowTitle(QStringLiteral("Plan de trésorerie"));
    auto *layout = new QVBoxLayout(this);

    const TopPanel panel(this);
    QHBoxLayout *row = panel.row;
    auto *previous = panel.button("SpeedButton2", QStringLiteral("Année précédente"), QStyle::SP_ArrowLeft);
    auto *next = panel.button("SpeedButton1", QStringLiteral("Année suivante"), QStyle::SP_ArrowRight);
    auto *recalc = panel.button("SpeedButton3", QStringLiteral("Recalculer"), QStyle::SP_BrowserReload);
    auto *print = panel.button("SpeedButton4", QStringLiteral("Imprimer"), QStyle::SP_FileIcon);
    QPushButton *close = WindowParts::button(panel.frame, QStringLiteral("Fermer"), QStringLiteral("Button1"));
    m_caption = panel.caption();
    row->addWidget(previous);
    row->addWidget(m_caption);
    row->addWidget(next);
    row->addSpacing(16);
    row->addWidget(recalc);
    row->addWidget(print);
    row->addStretch(1);
    row->addWidget(close);
    layout->addWidget(panel.frame);

    int label = 4;
    for (const TreasuryPlan::Side side : {TreasuryPlan::Expenses, TreasuryPlan::Receipts}) {
        auto *g = new QTableWidget(TreasuryPlan::kLines, TreasuryPlan::kColumns, this);
        m_grids[side] = g;
        g->setObjectName(QStringLiteral("StringGrid%1").arg(side + 1));
        QStringList titles{side == TreasuryPlan::Expenses ? QStringLiteral("Dépenses") : QStringLiteral("Recettes")};
        for (const char *m : kMonths)
            titles.append(QString::fromUtf8(m));
        g->setHorizontalHeaderLabels(titles);
        g->verticalHeader()->hide();
        g->verticalHeader()->setDefaultSectionSize(20);
        g->setColumnWidth(0, kLabelWidth);
        for (int c = 1; c < TreasuryPlan::kColumns; ++c) {
            g->setColumnWidth(c, kMonthWidth);
            g->horizontalHeaderItem(c)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        g->setItemDelegate(new PlanDelegate(g));
        g->setEditTriggers(QAbstractItemView::AllEditTriggers);
        g->setTabKeyNavigation(true);
        for (int r = 0; r < TreasuryPlan::kLines; ++r)
            for (int c = 0; c < TreasuryPlan::kColumns; ++c) {
                auto *item = new QTableWidgetItem;
                if (c > 0)
                    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                g->setItem(r, c, item);
            }
        g->installEventFilter(this);
        connect(g, &QTableWidget::itemChanged, this, [this, side](QTableWidgetItem *item) { cellEdited(side, item); });
        layout->addWidget(g, 1);

        auto *totals = new QHBoxLayout;
        totals->setSpacing(0);
        auto *total = new QLabel(QStringLiteral("Total"), this);
        total->setFont(m_caption->font());
        total->setFixedWidth(kLabelWidth);
        totals->addWidget(total);
        for (int m = 0; m < 12; ++m) {
            auto *l = new QLabel(this);
            l->setObjectName(QStringLiteral("Label%1").arg(label++));
            l->setFixedWidth(kMonthWidth);
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_totals[side][size_t(m)] = l;
            totals->addWidget(l);
        }
        totals->addStretch(1);
        layout->addLayout(totals);
    }

    connect(previous, &QToolButton::clicked, this, [this] { changeYear(-1); });
    connect(next, &QToolButton::clicked, this, [this] { changeYear(1); });
    connect(recalc, &QToolButton::clicked, this, &TTreso::Recalcul);
    connect(print, &QToolButton::clicked, this, &TTreso::Imp);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(760, 620);
}

bool TTreso::Charge(const QString &memberFile, QString *error)
{
    if (!m_plan.load(TreasuryPlan::fileName(memberFile), error))
        return false;
    LitAn();
    return true;
}

bool TTreso::Sauve(const QString &memberFile, QString *error)
{
    return m_plan.save(TreasuryPlan::fileName(memberFile), error);
}

void TTreso::LitAn()
{
    m_filling = true;
    for (const TreasuryPlan::Side side : {TreasuryPlan::Expenses, TreasuryPlan::Receipts}) {
        // An editor left open would go on writing into the year shown before.
        m_grids[side]->reset();
        for (int r = 1; r <= TreasuryPlan::kLines; ++r)
            for (int c = 0; c < TreasuryPlan::kColumns; ++c)
                m_grids[side]->item(r - 1, c)->setText(m_plan.cell(side, r, c));
    }
    m_filling = false;
    m_caption->setText(QStringLiteral("Plan de Trésorerie ") + QString::number(m_plan.year()));
    Recalcul();
}

void TTreso::changeYear(int delta)
{
    m_plan.changeYear(delta);
    LitAn();
}

void TTreso::cellEdited(TreasuryPlan::Side side, QTableWidgetItem *item)
{
    if (m_filling)
        return;
    const int row = item->row() + 1, column = item->column();
    if (!m_plan.setCell(side, row, column, item->text())) {
        // What the plan refused is not shown either.
        m_filling = true;
        item->setText(m_plan.cell(side, row, column));
        m_filling = false;
    }
}

void TTreso::Recalcul()
{
    for (const TreasuryPlan::Side side : {TreasuryPlan::Expenses, TreasuryPlan::Receipts}) {
        const std::array<qint64, 12> totals = m_plan.totals(side);
        for (int m = 0; m < 12; ++m)
            m_totals[side][size_t(m)]->setText(QString::number(totals[size_t(m)]));
    }
}

void TTreso::Imp()
{
    Recalcul();
    PrintService::current().print(Printouts::planJob(), [this](Canvas &canvas) {
        return Printouts::drawPlan(canvas, m_plan);
    });
}

// The grids are filled here rather than when built: a window restored from
// its icon shows the plan again, totals included.
void TTreso::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    LitAn();
}

bool TTreso::eventFilter(QObject *watched, QEvent *event)
{
    if (const int step = WindowParts::pageStep(event)) {
        changeYear(step);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TTreso::keyPressEvent(QKeyEvent *event)
{
    if (eventFilter(this, event))
        return;
    QDialog::keyPressEvent(event);
}
