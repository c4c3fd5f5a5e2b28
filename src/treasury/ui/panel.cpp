#include "treasury/ui/panel.h"

#include "print/ui/windowparts.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

TopPanel::TopPanel(QWidget *parent)
    : frame(WindowParts::panel(parent, QStringLiteral("Panel1"))), row(new QHBoxLayout(frame))
{
}

QToolButton *panelButton(QWidget *parent, const char *name, const QString &hint, QStyle::StandardPixmap icon)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setIcon(parent->style()->standardIcon(icon));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QToolButton *TopPanel::button(const char *name, const QString &hint, QStyle::StandardPixmap icon) const
{
    return panelButton(frame, name, hint, icon);
}

QLabel *TopPanel::caption() const
{
    auto *label = new QLabel(frame);
    label->setObjectName(QStringLiteral("Caption"));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}
