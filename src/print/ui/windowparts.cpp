#include "print/ui/windowparts.h"

#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>

namespace WindowParts {

QFrame *panel(QWidget *parent, const QString &name)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

QPushButton *button(QWidget *parent, const QString &caption, const QString &name)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

int pageStep(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return 0;
    switch (static_cast<const QKeyEvent *>(event)->key()) {
    case Qt::Key_PageUp: return -1;
    case Qt::Key_PageDown: return 1;
    default: return 0;
    }
}

} // namespace WindowParts
