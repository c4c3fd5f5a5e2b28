#include "tools/ui/tplettre.h"

#include "print/ui/windowparts.h"
#include "tools/ui/toolui.h"

#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

using PostalScale::Tariff;

namespace {

constexpr Tariff kTariffs[] = {Tariff::France, Tariff::Ecopli, Tariff::Europe};

} // namespace

TPLettre::TPLettre(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PLettre"));
    setWindowTitle(QStringLiteral("Pèse-Lettres"));
    auto *layout = new QVBoxLayout(this);

    QFrame *top = WindowParts::panel(this, QStringLiteral("Panel1"));
    auto *topRow = new QHBoxLayout(top);
    QPushButton *close = WindowParts::button(top, QStringLiteral("Fermer"), QStringLiteral("Button1"));
    topRow->addWidget(close);
    topRow->addStretch(1);
    layout->addWidget(top);

    auto *body = new QGridLayout;
    layout->addLayout(body);
    QGroupBox *group = nullptr;
    QGridLayout *rows = nullptr;
    int column = 0, row = 0;
    for (int i = 0; i < PostalScale::kItemCount; ++i) {
        const PostalScale::Item &item = PostalScale::items()[size_t(i)];
        const QString title = QString::fromUtf8(item.group);
        if (!group || group->title() != title) {
            group = new QGroupBox(title, this);
            rows = new QGridLayout(group);
            body->addWidget(group, row, column);
            if (++column == 3) {
                column = 0;
                ++row;
            }
        }
        auto *spin = new QSpinBox(group);
        spin->setObjectName(QString::fromLatin1(item.component));
        spin->setRange(0, 200);
        const int line = rows->rowCount();
        rows->addWidget(new QLabel(QString::fromUtf8(item.label), group), line, 0);
        rows->addWidget(spin, line, 1);
        m_counts[size_t(i)] = spin;
        connect(spin, &QSpinBox::valueChanged, this, &TPLettre::Calcule);
    }

    auto *tariffs = new QGroupBox(QStringLiteral("Tarification"), this);
    auto *tariffRows = new QVBoxLayout(tariffs);
    for (size_t t = 0; t < m_tariffs.size(); ++t) {
        auto *button = new QRadioButton(PostalScale::tariffCaption(kTariffs[t]), tariffs);
        button->setObjectName(QString::fromLatin1(PostalScale::tariffComponent(kTariffs[t])));
        tariffRows->addWidget(button);
        m_tariffs[t] = button;
        connect(button, &QRadioButton::clicked, this, &TPLettre::Calcule);
    }
    m_tariffs[0]->setChecked(true);
    body->addWidget(tariffs, row, column);

    QFrame *result = WindowParts::panel(this, QStringLiteral("Panel2"));
    auto *resultRow = new QHBoxLayout(result);
    const PostalScale::Display first = PostalScale::initial();
    m_weight = new QLabel(first.weight, result);
    m_weight->setObjectName(QStringLiteral("Label22"));
    m_francs = new QLabel(first.francs, result);
    m_francs->setObjectName(QStringLiteral("Label23"));
    m_euros = new QLabel(first.euros, result);
    m_euros->setObjectName(QStringLiteral("Label24"));
    for (QLabel *label : {m_weight, m_francs, m_euros}) {
        ToolUi::enlarge(label, 4);
        resultRow->addWidget(label);
    }
    layout->addWidget(result);

    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

QRadioButton *TPLettre::tariffButton(Tariff t) const
{
    for (size_t i = 0; i < m_tariffs.size(); ++i)
        if (kTariffs[i] == t)
            return m_tariffs[i];
    return nullptr;
}

Tariff TPLettre::tariff() const
{
    for (size_t i = 0; i < m_tariffs.size(); ++i)
        if (m_tariffs[i]->isChecked())
            return kTariffs[i];
    return Tariff::France;
}

void TPLettre::Calcule()
{
    PostalScale::Counts counts{};
    for (size_t i = 0; i < m_counts.size(); ++i)
        counts[i] = m_counts[i]->value();
    const PostalScale::Display d = PostalScale::Calcule(counts, tariff());
    m_weight->setText(d.weight);
    m_francs->setText(d.francs);
    m_euros->setText(d.euros);
}
