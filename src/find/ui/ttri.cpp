#include "find/ui/ttri.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TTri::TTri(QWidget *parent)
    : TTri({QStringLiteral("Numéro"), QStringLiteral("Nom"), QStringLiteral("Code postal"), QStringLiteral("Ville")},
           parent)
{
}

TTri::TTri(const QStringList &items, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("Trier"));

    auto *box = new QGroupBox(QStringLiteral("Trier par"), this);
    box->setObjectName(QStringLiteral("RadioGroup1"));
    auto *boxLayout = new QVBoxLayout(box);
    m_group = new QButtonGroup(this);
    for (int i = 0; i < items.size(); ++i) {
        auto *radio = new QRadioButton(items[i], box);
        m_group->addButton(radio, i);
        boxLayout->addWidget(radio);
    }
    if (QAbstractButton *first = m_group->button(0))
        first->setChecked(true);

    auto *cancel = new QPushButton(QStringLiteral("Anuler"), this);
    cancel->setObjectName(QStringLiteral("Button1"));
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button2"));
    connect(cancel, &QPushButton::clicked, this, [this] {
        m_ok = false;
        reject();
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        m_ok = true;
        accept();
    });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(ok);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addLayout(buttons);
}

int TTri::Result() const
{
    if (!m_ok || result() != QDialog::Accepted)
        return -1;
    return m_group->checkedId();
}

TTri2::TTri2(QWidget *parent)
    : TTri({QStringLiteral("Code"), QStringLiteral("Société"), QStringLiteral("Code postal"), QStringLiteral("Ville")},
           parent)
{
}
