#include "settings/ui/tcombo.h"

#include "settings/ui/fieldvalidator.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

TCombo::TCombo(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Combo"));

    auto *layout = new QVBoxLayout(this);
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto *row = new QHBoxLayout(panel);

    m_close = new QPushButton(QStringLiteral("Fermer"), panel);
    m_close->setObjectName(QStringLiteral("Button1"));
    // Enter belongs to the edit; it must not close the window by accident.
    m_close->setAutoDefault(false);
    m_label = new QLabel(panel);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_edit = new QLineEdit(panel);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setMinimumWidth(220);
    FieldValidator::attach(m_edit);
    m_send = new QToolButton(panel);
    m_send->setObjectName(QStringLiteral("SpeedButton1"));
    m_send->setToolTip(QStringLiteral("Valider"));
    m_send->setStatusTip(QStringLiteral("Valider"));
    m_send->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    m_send->setFocusPolicy(Qt::NoFocus);

    row->addWidget(m_close);
    row->addSpacing(12);
    row->addWidget(m_label);
    row->addWidget(m_edit, 1);
    row->addWidget(m_send);
    layout->addWidget(panel);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setSortingEnabled(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(m_list, 1);

    m_edit->installEventFilter(this);
    m_list->installEventFilter(this);
    connect(m_close, &QPushButton::clicked, this, &TCombo::accept);
    connect(m_send, &QToolButton::clicked, this, &TCombo::Envoi);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &TCombo::onSelectionChanged);
    // Clicking the item already selected fills the edit again.
    connect(m_list, &QListWidget::itemClicked, this, [this] { onSelectionChanged(); });

    resize(420, 320);
}

void TCombo::Init(const QStringList &items)
{
    TypeList s;
    s.items = items;
    apply(s);
}

void TCombo::Result(QStringList &items) const
{
    items = state().items;
}

TypeList TCombo::state() const
{
    TypeList s;
    s.items.reserve(m_list->count());
    for (int i = 0; i < m_list->count(); ++i)
        s.items.append(m_list->item(i)->text());
    const QList<QListWidgetItem *> picked = m_list->selectedItems();
    s.selected = picked.isEmpty() ? -1 : m_list->row(picked.first());
    s.edit = m_edit->text();
    return s;
}

void TCombo::apply(const TypeList &s)
{
    m_applying = true;
    // Only the rows that changed are touched, so the list keeps its scroll.
    const int common = std::min<int>(m_list->count(), int(s.items.size()));
    for (int i = 0; i < common; ++i)
        if (m_list->item(i)->text() != s.items.at(i))
            m_list->item(i)->setText(s.items.at(i));
    while (m_list->count() > s.items.size())
        delete m_list->takeItem(m_list->count() - 1);
    for (int i = common; i < s.items.size(); ++i)
        m_list->addItem(s.items.at(i));
    m_list->clearSelection();
    m_list->setCurrentRow(-1);
    if (s.hasSelection())
        m_list->setCurrentRow(s.selected);
    m_edit->setText(s.edit);
    m_applying = false;
}

void TCombo::Envoi()
{
    TypeList s = state();
    s.Envoi();
    apply(s);
}

void TCombo::Supprime()
{
    TypeList s = state();
    s.Supprime();
    apply(s);
}

void TCombo::onSelectionChanged()
{
    if (m_applying)
        return;
    const QList<QListWidgetItem *> picked = m_list->selectedItems();
    if (!picked.isEmpty())
        m_edit->setText(picked.first()->text());
}

bool TCombo::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == m_edit && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            Envoi();
            return true;
        }
        if (watched == m_list && key->key() == Qt::Key_Delete) {
            Supprime();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TCombo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_edit->setFocus(Qt::OtherFocusReason);
}
