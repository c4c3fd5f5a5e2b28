#include "settings/ui/tsociete.h"

#include "settings/ui/fieldvalidator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TSociete::TSociete(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Societe"));
    setWindowTitle(QStringLiteral("Société"));

    auto *layout = new QVBoxLayout(this);
    m_title = new QLabel(QStringLiteral("Lignes constituant l'en-tête de l'association"), this);
    m_title->setObjectName(QStringLiteral("titleLabel"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    layout->addWidget(m_title);

    for (int k = 1; k <= 7; ++k) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QStringLiteral("Edit%1").arg(k));
        e->setMinimumWidth(420);
        FieldValidator::attach(e);
        m_edits[size_t(k - 1)] = e;
        layout->addWidget(e);
    }

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_cancel = new QPushButton(QStringLiteral("Annuler"), this);
    m_cancel->setObjectName(QStringLiteral("Button1"));
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("Button2"));
    // Enter in a line confirms; it must never fall on "Annuler".
    m_cancel->setAutoDefault(false);
    m_ok->setDefault(true);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_ok);
    layout->addLayout(buttons);

    connect(m_cancel, &QPushButton::clicked, this, &TSociete::reject);
    connect(m_ok, &QPushButton::clicked, this, &TSociete::ok);
}

void TSociete::Init(const QStringList &lines)
{
    for (int k = 1; k <= 7; ++k)
        edit(k)->setText(lines.value(k - 1));
}

void TSociete::Result(QStringList &lines) const
{
    while (lines.size() < 7)
        lines.append(QString());
    while (lines.size() > 7)
        lines.removeLast();
    lines[0].clear();
    if (!m_accepted)
        return;
    for (int k = 1; k <= 7; ++k)
        lines[k - 1] = edit(k)->text();
}

void TSociete::ok()
{
    m_accepted = true;
    accept();
}

void TSociete::reject()
{
    m_accepted = false;
    QDialog::reject();
}
