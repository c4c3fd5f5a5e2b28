#include "find/ui/tfactliste.h"

#include "find/lists.h"

#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kBlockRole = Qt::UserRole + 1;

} // namespace

TFactListe::TFactListe(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Liste des Reçus"));

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    m_up = new QToolButton(panel);
    m_up->setObjectName(QStringLiteral("SpeedButton1"));
    m_up->setArrowType(Qt::UpArrow);
    m_up->setAutoRaise(true);
    m_down = new QToolButton(panel);
    m_down->setObjectName(QStringLiteral("SpeedButton2"));
    m_down->setArrowType(Qt::DownArrow);
    m_down->setAutoRaise(true);
    m_close = new QPushButton(QStringLiteral("Fermer"), panel);
    m_close->setObjectName(QStringLiteral("Button1"));
    m_close->setAutoDefault(false);
    auto *panelLayout = new QHBoxLayout(panel);
    panelLayout->addWidget(m_up);
    panelLayout->addWidget(m_down);
    panelLayout->addStretch(1);
    panelLayout->addWidget(m_close);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addWidget(m_list);

    connect(m_up, &QToolButton::clicked, this, [this] { moveSelected(-1); });
    connect(m_down, &QToolButton::clicked, this, [this] { moveSelected(1); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
        m_list->setCurrentItem(item);
        item->setSelected(true);
        accept();
    });

    resize(560, 420);
    if (const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TFactListe::Init(const RecordList &receiptLines)
{
    m_list->clear();
    for (const Lists::ReceiptItem &r : Lists::receiptItems(receiptLines)) {
        auto *item = new QListWidgetItem(r.text, m_list);
        item->setData(kBlockRole, r.block);
    }
}

QList<int> TFactListe::order() const
{
    QList<int> blocks;
    for (int i = 0; i < m_list->count(); ++i)
        blocks.append(m_list->item(i)->data(kBlockRole).toInt());
    return blocks;
}

int TFactListe::selectedRow() const
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.first());
}

int TFactListe::Result(RecordStore &store) const
{
    return Lists::applyReceiptOrder(store, order(), selectedRow());
}

void TFactListe::moveSelected(int step)
{
    const int row = selectedRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= m_list->count())
        return;
    QListWidgetItem *item = m_list->takeItem(row);
    m_list->insertItem(target, item);
    m_list->setCurrentItem(item);
    item->setSelected(true);
}

void TFactListe::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        return;
    case Qt::Key_Escape:
        m_list->clearSelection();
        m_list->setCurrentRow(-1);
        reject();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}
