#include "settings/ui/tsociete.h"

#include "settings/bureau.h"
#include "settings/ui/fieldvalidator.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

TSociete::TSociete(QWidget *parent) : OkCancelDialog(parent)
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

    for (int k = 1; k <= HeaderLines::kLines; ++k) {
        auto *e = new QLineEdit(this);
        e->setObjectName(QStringLiteral("Edit%1").arg(k));
        e->setMinimumWidth(420);
        FieldValidator::attach(e);
        m_edits[size_t(k - 1)] = e;
        layout->addWidget(e);
    }
    addButtons(layout);
}

void TSociete::Init(const QStringList &lines)
{
    for (int k = 1; k <= HeaderLines::kLines; ++k)
        edit(k)->setText(lines.value(k - 1));
}

void TSociete::Result(QStringList &lines) const
{
    lines = SettingsLines::fixedCount(lines, HeaderLines::kLines);
    lines[0].clear();
    if (!isAccepted())
        return;
    for (int k = 1; k <= HeaderLines::kLines; ++k)
        lines[k - 1] = edit(k)->text();
}
