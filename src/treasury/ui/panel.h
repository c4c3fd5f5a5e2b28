#pragma once
// The top panel every bookkeeping window opens with: a frame holding a row
// of buttons and the bold caption of what is shown.

#include <QString>
#include <QStyle>

class QFrame;
class QHBoxLayout;
class QLabel;
class QToolButton;
class QWidget;

// A flat button known by its hint, out of the Tab order.
QToolButton *panelButton(QWidget *parent, const char *name, const QString &hint, QStyle::StandardPixmap icon);

struct TopPanel
{
    QFrame *frame;
    QHBoxLayout *row;

    explicit TopPanel(QWidget *parent);
    QToolButton *button(const char *name, const QString &hint, QStyle::StandardPixmap icon) const;
    QLabel *caption() const;
};
