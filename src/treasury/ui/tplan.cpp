#include "treasury/ui/tplan.h"

#include "core/cp1252validator.h"
#include "print/ui/windowparts.h"
#include "store/settingsfiles.h"
#include "treasury/ui/panel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

TPlan::TPlan(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Plan"));
    setWindowTitle(QStringLiteral("Plan comptable"));
    auto *layout = new QVBoxLayout(this);
    const TopPanel panel(this);
    QHBoxLayout *top = panel.row;
    QPushButton *close = WindowParts::button(panel.frame, QStringLiteral("Fermer"), QStringLiteral("Button1"));
    m_starter = WindowParts::button(panel.frame, QStringLiteral("Plan type associatif"), QStringLiteral("Button2"));
    top->addWidget(close);
    top->addStretch(1);
    top->addWidget(m_starter);
    layout->addWidget(panel.frame);

    auto *fields = new QHBoxLayout;
    auto *numberCaption = new QLabel(QStringLiteral("Compte"), this);
    m_number = new QLineEdit(this);
    m_number->setObjectName(QStringLiteral("Edit1"));
    m_number->setMaxLength(Chart::kNumberLength);
    m_number->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_number));
    m_number->setFixedWidth(70);
    auto *labelCaption = new QLabel(QStringLiteral("Libellé"), this);
    m_label = new QLineEdit(this);
    m_label->setObjectName(QStringLiteral("Edit2"));
    m_label->setValidator(new Cp1252Validator(m_label));
    m_send = panelButton(this, "SpeedButton1", QStringLiteral("Valider"), QStyle::SP_DialogApplyButton);
    fields->addWidget(numberCaption);
    fields->addWidget(m_number);
    fields->addWidget(labelCaption);
    fields->addWidget(m_label, 1);
    fields->addWidget(m_send);
    layout->addLayout(fields);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setSortingEnabled(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(m_list, 1);

    m_number->installEventFilter(this);
    m_label->installEventFilter(this);
    m_list->installEventFilter(this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_send, &QToolButton::clicked, this, &TPlan::Envoi);
    connect(m_starter, &QPushButton::clicked, this, &TPlan::addStarter);
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        ChartEdit s = state();
        s.select(m_list->row(item));
        apply(s);
    });
    resize(480, 420);
}

void TPlan::Init(const RecordList &chart)
{
    ChartEdit s;
    s.items = chart.toStringList();
    apply(s);
}

void TPlan::Result(RecordList &chart) const
{
    chart.setStringList(state().items);
    SettingsFiles::sortChart(chart);
}

ChartEdit TPlan::state() const
{
    ChartEdit s;
    s.items.reserve(m_list->count());
    for (int i = 0; i < m_list->count(); ++i)
        s.items.append(m_list->item(i)->text());
    s.selected = m_list->currentItem() && m_list->currentItem()->isSelected() ? m_list->currentRow() : -1;
    s.number = m_number->text();
    s.label = m_label->text();
    return s;
}

void TPlan::apply(const ChartEdit &s)
{
    m_applying = true;
    // Filled again whole, the list keeps the place it was scrolled to.
    const int scrolled = m_list->verticalScrollBar()->value();
    m_list->clear();
    m_list->addItems(s.items);
    m_list->verticalScrollBar()->setValue(scrolled);
    if (s.hasSelection())
        m_list->setCurrentRow(s.selected);
    m_number->setText(s.number);
    m_label->setText(s.label);
    m_applying = false;
}

void TPlan::Envoi()
{
    ChartEdit s = state();
    // Sent from the number field, the number is completed as leaving it would.
    if (m_number->hasFocus())
        s.Edit1Exit();
    s.Envoi();
    apply(s);
    m_number->setFocus();
}

void TPlan::Supprime()
{
    ChartEdit s = state();
    s.Supprime();
    apply(s);
}

void TPlan::Edit1Exit()
{
    ChartEdit s = state();
    s.Edit1Exit();
    apply(s);
}

int TPlan::addStarter()
{
    ChartEdit s = state();
    const int added = s.addStarter();
    apply(s);
    if (added > 0)
        m_list->scrollToBottom();
    return added;
}

bool TPlan::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if ((watched == m_number || watched == m_label) && enter) {
            Envoi();
            return true;
        }
        if (watched == m_list && key == Qt::Key_Delete) {
            Supprime();
            return true;
        }
    }
    if (watched == m_number && event->type() == QEvent::FocusOut && !m_applying) {
        const Qt::FocusReason why = static_cast<QFocusEvent *>(event)->reason();
        if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason)
            Edit1Exit();
    }
    return QDialog::eventFilter(watched, event);
}

void TPlan::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_number->setFocus(Qt::OtherFocusReason);
}
