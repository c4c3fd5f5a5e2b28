#include "print/ui/tmpage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
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

TMPage::TMPage(QWidget *parent) : OkCancelDialog(parent)
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
    addButtons(layout);
}

void TMPage::Init(int paperType, int orientation, bool guide)
{
    if (!m_paper->button(paperType) || !m_orientation->button(orientation))
        return;
    m_paper->button(paperType)->setChecked(true);
    m_orientation->button(orientation)->setChecked(true);
    m_guide->setChecked(guide);
}

bool TMPage::Result(int *paperType, int *orientation, bool *guide) const
{
    if (!isAccepted())
        return false;
    *paperType = m_paper->checkedId();
    *orientation = m_orientation->checkedId();
    *guide = m_guide->isChecked();
    return true;
}

bool openMiseEnPage(QWidget *parent, int *paperType, int *orientation, int *guide)
{
    TMPage dialog(parent);
    dialog.Init(*paperType, *orientation, *guide > 0);
    dialog.exec();
    bool guided = false;
    if (!dialog.Result(paperType, orientation, &guided))
        return false;
    *guide = guided ? 100 : 0;
    return true;
}
