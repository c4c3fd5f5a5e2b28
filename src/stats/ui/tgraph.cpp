#include "stats/ui/tgraph.h"

#include "print/ui/windowparts.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kPanelHeight = 33;

// The drawing area: it only asks the window to draw.
class PaintBox : public QWidget
{
public:
    explicit PaintBox(const TGraph *graph, QWidget *parent) : QWidget(parent), m_graph(graph)
    {
        setObjectName(QStringLiteral("PaintBox1"));
        setFixedSize(Chart::kWidth, Chart::kHeight);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        m_graph->DrawChart(painter);
    }

private:
    const TGraph *m_graph;
};

} // namespace

TGraph::TGraph(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Graphique"));

    QFrame *panel = WindowParts::panel(this, QStringLiteral("Panel1"));
    panel->setFixedHeight(kPanelHeight);
    auto *close = new QPushButton(QStringLiteral("Fermer"), panel);
    close->setObjectName(QStringLiteral("Button1"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout(panel);
    buttons->setContentsMargins(4, 2, 4, 2);
    buttons->addStretch();
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addWidget(new PaintBox(this, this));
    setFixedSize(Chart::kWidth, Chart::kHeight + kPanelHeight);
}

void TGraph::Init(const QStringList &values)
{
    m_values = Chart::values(values);
}

void TGraph::DrawChart(QPainter &painter) const
{
    const Chart::Geometry g = Chart::geometry(m_values);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(g.frame.adjusted(0, 0, -1, -1));
    painter.drawLine(g.horizontalAxis);
    painter.drawLine(g.verticalAxis);
    painter.setBrush(Qt::blue);
    for (const QRect &bar : g.bars)
        painter.drawRect(bar.adjusted(0, 0, -1, -1));
}
