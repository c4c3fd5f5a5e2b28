#include "tools/ui/legendpanel.h"

#include <QMouseEvent>

LegendPanel::LegendPanel(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setMinimumHeight(28);
}

void LegendPanel::setColour(const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    // Dark colours carry a light caption.
    p.setColor(QPalette::WindowText, colour.lightness() < 110 ? Qt::white : Qt::black);
    setPalette(p);
}

void LegendPanel::setChosen(bool chosen)
{
    setFrameShadow(chosen ? QFrame::Sunken : QFrame::Raised);
    QFont f = font();
    f.setBold(chosen);
    setFont(f);
}

void LegendPanel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QLabel::mousePressEvent(event);
}

void LegendPanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}
