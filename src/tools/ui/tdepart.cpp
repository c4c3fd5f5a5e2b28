#include "tools/ui/tdepart.h"

#include "print/ui/windowparts.h"
#include "stats/departements.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TDepart::TDepart(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Depart"));
    setWindowTitle(QStringLiteral("Départements"));
    auto *layout = new QVBoxLayout(this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("ListBox1"));
    m_list->addItems(Departements::entries());
    m_list->setCurrentRow(0);
    layout->addWidget(m_list, 1);
    QPushButton *close = WindowParts::button(this, QStringLiteral("Fermer"), QStringLiteral("Button1"));
    layout->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    installEventFilter(this);
    m_list->installEventFilter(this);
    resize(300, 420);
}

bool TDepart::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
