#include "fiche/partnerspage.h"

#include "fiche/datedgrid.h"
#include "fiche/tfiche.h"
#include "store/records.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

PartnersPage::PartnersPage(TFiche *fiche) : RecordPage(fiche, Kind::Partner, QStringLiteral("TabSheet2"))
{
    const QStringList &captions = Layouts::of(Kind::Partner).captions;

    auto *top = new QHBoxLayout(this);
    auto *form = new QGridLayout;
    for (int p = 1; p <= kFixedLines; ++p) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(15 + p));
        auto *label = new QLabel(captions[p - 1], this);
        label->setBuddy(edit);
        form->addWidget(label, p - 1, 0);
        form->addWidget(edit, p - 1, 1);
        m_fields[size_t(p - 1)] = edit;
        connect(edit, &QLineEdit::textEdited, this, [this] { markEdited(); });
    }
    form->setRowStretch(kFixedLines, 1);
    top->addLayout(form, 1);

    auto *right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Remarques"), this));
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo2"));
    right->addWidget(m_memo, 1);
    m_grid = new DatedGrid({QStringLiteral("StringGrid2"), QStringLiteral("Panel2"), QStringLiteral("DateTimePicker1"),
                            QStringLiteral("Edit28"), QStringLiteral("Edit29"), QStringLiteral("SpeedButton2")},
                           this);
    setNotes(m_memo, m_grid);
    connect(m_grid->labelEdit(), &QLineEdit::textEdited, this, [this] { markEdited(); });
    right->addWidget(m_grid, 2);
    top->addLayout(right, 2);

    finishSetup();
}

void PartnersPage::readRecord()
{
    Filling filling(this);
    const BlockData shown = Partners::shown(store().readBlock(Kind::Partner, state().current), store().Numerop());
    setTexts(m_fields, shown.fixed);
    fillNotes(shown);
    state().edited = false;
}

BlockData PartnersPage::record() const
{
    BlockData data;
    data.fixed = PageText::oneLine(texts(m_fields));
    collectNotes(data);
    return data;
}

void PartnersPage::writeRecord()
{
    if (!state().edited)
        return;
    store().writeBlock(Kind::Partner, state().current, record());
}

QWidget *PartnersPage::firstField() const
{
    return field(PartnerField::Societe);
}

void PartnersPage::copy()
{
    m_buffer = texts(m_fields).mid(1);
}

void PartnersPage::paste()
{
    if (m_buffer.isEmpty())
        return;
    field(PartnerField::Code)->setText(QString::number(store().Numerop()));
    for (int p = PartnerField::Societe; p <= PartnerField::Count; ++p)
        field(p)->setText(m_buffer.value(p - PartnerField::Societe));
    markEdited();
}
