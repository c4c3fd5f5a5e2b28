#include "tools/ui/toolui.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>

namespace ToolUi {

void paint(QWidget *widget, const QColor &background, const QColor &text)
{
    widget->setAutoFillBackground(true);
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    widget->setPalette(p);
}

void enlarge(QWidget *widget, int points, bool bold)
{
    QFont f = widget->font();
    f.setPointSize(f.pointSize() + points);
    f.setBold(bold);
    widget->setFont(f);
}

QLabel *displayLine(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumHeight(30);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    paint(label, teal(), Qt::white);
    enlarge(label, 5);
    return label;
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

} // namespace ToolUi
