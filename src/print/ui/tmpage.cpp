#include "print/ui/tmpage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QButtonGroup *radioGroup(QWidget *parent, QVBoxLayout *layout, const char *name, const QString &title,
                         const QStringList &items)
{
    auto *box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    auto *group = new QButtonGroup(box);
    auto *inside = new QVBoxLayout(box);
    for (int i = 0; i < items.size(); ++i) {
        auto *radio = new QRadioButton(items[i], box);
        group->addButton(radio, i);
        inside->addWidget(radio);
    }
    group->button(0)->setChecked(true);
    layout->addWidget(box);
    return group;
}

} // namespace

TMPage::TMPage(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MPage"));
    setWindowTitle(QStringLiteral("Mise en page"));
    auto *layout = new QVBoxLayout(this);
    m_paper = radioGroup(this, layout, "RadioGroup1", QStringLiteral("Type de papier"),
                         {QStringLiteral("Papier blanc"), QStringLiteral("Papier à en-tête")});
    m_orientation = radioGroup(this, layout, "RadioGroup2", QStringLiteral("Orientation enveloppe"),
                               {QStringLiteral("Portrait"), QStringLiteral("Paysage")});
    m_guide = new QCheckBox(QStringLiteral("Guide enveloppe à droite"), this);
    m_guide->setObjectName(QStringLiteral("CheckBox1"));
    layout->addWidget(m_guide);

    auto *buttons = new QHBoxLayout;
    auto *cancel = new QPushButton(QStringLiteral("Annuler"), this);
    cancel->setObjectName(QStringLiteral("Button1"));
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button2"));
    ok->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TMPage::Init(int paperType, int orientation, bool guide)
{
    if (!m_paper->button(paperType) || !m_orientation->button(orientation))
        return;
    m_paper->button(paperType)->setChecked(true);
    m_orientation->button(orientation)->setChecked(true);
    m_guide->setChecked(guide);
}

void TMPage::Result(int *paperType, int *orientation, bool *guide) const
{
    *orientation = -1;
    if (result() != QDialog::Accepted)
        return;
    *paperType = m_paper->checkedId();
    *orientation = m_orientation->checkedId();
    *guide = m_guide->isChecked();
}

bool openMiseEnPage(QWidget *parent, int *paperType, int *orientation, int *guide)
{
    TMPage dialog(parent);
    dialog.Init(*paperType, *orientation, *guide > 0);
    dialog.exec();
    int paper = *paperType;
    int chosen = -1;
    bool guided = false;
    dialog.Result(&paper, &chosen, &guided);
    if (chosen == -1)
        return false;
    *paperType = paper;
    *orientation = chosen;
    *guide = guided ? 100 : 0;
    return true;
}
