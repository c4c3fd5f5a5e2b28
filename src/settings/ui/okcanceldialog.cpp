#include "settings/ui/okcanceldialog.h"

#include <QBoxLayout>
#include <QPushButton>

OkCancelDialog::OkCancelDialog(QWidget *parent) : QDialog(parent) {}

void OkCancelDialog::addButtons(QBoxLayout *layout)
{
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    auto *cancel = new QPushButton(QStringLiteral("Annuler"), this);
    cancel->setObjectName(QStringLiteral("Button1"));
    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button2"));
    // Enter in a field confirms; it must never fall on "Annuler".
    cancel->setAutoDefault(false);
    ok->setDefault(true);
    buttons->addWidget(cancel);
    buttons->addWidget(ok);
    layout->addLayout(buttons);

    connect(cancel, &QPushButton::clicked, this, &OkCancelDialog::reject);
    connect(ok, &QPushButton::clicked, this, &OkCancelDialog::ok);
}

void OkCancelDialog::ok()
{
    m_accepted = true;
    accept();
}

void OkCancelDialog::reject()
{
    m_accepted = false;
    QDialog::reject();
}
