#include "tools/ui/keypad.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace Keypad {

QLabel *displayLine(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setAutoFillBackground(true);
    label->setMinimumHeight(30);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, QColor(0, 128, 128));
    p.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(p);
    QFont f = label->font();
    f.setPointSize(f.pointSize() + 5);
    f.setBold(true);
    label->setFont(f);
    return label;
}

QPushButton *button(QWidget *parent, const QString &caption, const QString &name)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

QChar keyChar(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return QChar(13);
    case Qt::Key_Escape: return QChar(27);
    default: break;
    }
    const QString text = event->text();
    return text.size() == 1 && text[0].isPrint() ? text[0] : QChar();
}

} // namespace Keypad
