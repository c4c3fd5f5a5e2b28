#pragma once
// A coloured panel with a caption that answers a click and a double-click.

#include <QLabel>

class LegendPanel : public QLabel
{
    Q_OBJECT
public:
    explicit LegendPanel(QWidget *parent = nullptr);
    void setColour(const QColor &colour);
    // The raised or sunken look of the chosen panel.
    void setChosen(bool chosen);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
