#include "store/ui/partnerspage.h"

#include "store/ui/datedgrid.h"
#include "store/ui/tfiche.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

namespace PageText {

QString oneLine(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return out;
}

QStringList memoLines(const QPlainTextEdit *memo)
{
    QStringList out;
    if (memo->document()->isEmpty())
        return out;
    // Block by block rather than toPlainText(), which would turn a stored
    // non-breaking space into a plain one.
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next()) {
        QString text = b.text();
        text.replace(QChar::LineSeparator, QLatin1Char('\n'));
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        out.append(text.split(QLatin1Char('\n')));
    }
    return out;
}

QString memoText(const QStringList &lines)
{
    return lines.join(QLatin1Char('\n'));
}

} // namespace PageText

PartnersPage::PartnersPage(TFiche *fiche) : RecordPage(fiche, Kind::Partner, QStringLiteral("TabSheet2"))
{
    static const char *const captions[kFixedLines] = {"Code", "Société", "Nom",       "Prénom", "Adresse", "Adresse",
                                                      "C.P.", "Ville",   "Téléphone", "Fax",    "Web",     "Email"};

    auto *top = new QHBoxLayout(this);
    auto *form = new QGridLayout;
    for (int p = 1; p <= kFixedLines; ++p) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(15 + p));
        auto *label = new QLabel(QString::fromUtf8(captions[p - 1]), this);
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
    connect(m_memo, &QPlainTextEdit::textChanged, this, [this] { markEdited(); });
    right->addWidget(m_memo, 1);
    m_grid = new DatedGrid({QStringLiteral("StringGrid2"), QStringLiteral("Panel2"), QStringLiteral("DateTimePicker1"),
                            QStringLiteral("Edit28"), QStringLiteral("Edit29"), QStringLiteral("SpeedButton2")},
                           this);
    connect(m_grid, &DatedGrid::edited, this, [this] { markEdited(); });
    connect(m_grid->labelEdit(), &QLineEdit::textEdited, this, [this] { markEdited(); });
    right->addWidget(m_grid, 2);
    top->addLayout(right, 2);

    finishSetup();
}

void PartnersPage::readRecord()
{
    Filling filling(this);
    state().edited = false;
    for (QLineEdit *edit : m_fields)
        edit->clear();
    m_memo->clear();
    m_grid->clearRows();
    field(1)->setText(QString::number(store().Numerop()));

    if (const std::optional<BlockData> block = store().readBlock(Kind::Partner, state().current)) {
        for (int p = 1; p <= kFixedLines; ++p)
            field(p)->setText(block->fixed.value(p - 1));
        m_memo->setPlainText(PageText::memoText(block->memo));
        m_grid->setRows(block->rows);
    }
    if (field(1)->text().isEmpty())
        field(1)->setText(QString::number(store().Numerop()));
}

void PartnersPage::writeRecord()
{
    if (!state().edited)
        return;
    BlockData data;
    for (QLineEdit *edit : m_fields)
        data.fixed.append(PageText::oneLine(edit->text()));
    data.memo = PageText::memoLines(m_memo);
    data.rows = m_grid->rows();
    store().writeBlock(Kind::Partner, state().current, data);
}

QWidget *PartnersPage::firstField() const
{
    return field(2);
}

void PartnersPage::copy()
{
    m_buffer.clear();
    for (int p = 2; p <= kFixedLines; ++p)
        m_buffer.append(field(p)->text());
}

void PartnersPage::paste()
{
    if (m_buffer.isEmpty())
        return;
    field(1)->setText(QString::number(store().Numerop()));
    for (int p = 2; p <= kFixedLines; ++p)
        field(p)->setText(m_buffer.value(p - 2));
    markEdited();
}
