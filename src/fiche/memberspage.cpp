#include "fiche/memberspage.h"

#include "fiche/datedgrid.h"
#include "store/records.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <algorithm>

namespace {

using namespace MemberField;
constexpr int kFirstEdit = Nom;  // "Nom" to "Email" are plain fields in a row
constexpr int kLastEdit = Email;

} // namespace

MembersPage::MembersPage(TFiche *fiche) : RecordPage(fiche, Kind::Member, QStringLiteral("TabSheet1"))
{
    auto makeEdit = [this](const QString &name) {
        auto *e = new QLineEdit(this);
        e->setObjectName(name);
        connect(e, &QLineEdit::textEdited, this, [this] { markEdited(); });
        return e;
    };
    auto makeDate = [this](const QString &name) {
        auto *e = new QLineEdit(this);
        e->setObjectName(name);
        e->setInputMask(QStringLiteral("99/99/9999; "));
        e->setMaxLength(10);
        connect(e, &QLineEdit::textEdited, this, [this] { markEdited(); });
        return e;
    };

    // Created in block order, which is also the order of the Tab key.
    m_number = makeEdit(QStringLiteral("Edit1"));
    // Paste goes around the key filter: the validator keeps it to digits too.
    m_number->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_number));

    m_title = new QComboBox(this);
    m_title->setObjectName(QStringLiteral("ComboBox1"));
    m_title->setEditable(true);
    m_title->setInsertPolicy(QComboBox::NoInsert);
    m_title->addItems(Layouts::memberTitles());
    // Picking an item or typing in it changes the record.
    connect(m_title, &QComboBox::currentTextChanged, this, [this] { markEdited(); });

    for (int p = kFirstEdit; p <= kLastEdit; ++p)
        m_edits.append(makeEdit(QStringLiteral("Edit%1").arg(p - 1)));
    m_birth = makeDate(QStringLiteral("MaskEdit1"));
    m_profession = makeEdit(QStringLiteral("Edit14"));
    m_renewal = makeDate(QStringLiteral("MaskEdit2"));

    m_categoryBox = new QGroupBox(QStringLiteral("Catégorie"), this);
    m_categoryBox->setObjectName(QStringLiteral("RadioGroup1"));
    m_categories = new QButtonGroup(m_categoryBox);
    auto *categoryLayout = new QVBoxLayout(m_categoryBox);
    for (int i = 0; i < Layouts::categoryNames().size(); ++i) {
        auto *radio = new QRadioButton(Layouts::categoryNames()[i], m_categoryBox);
        m_categories->addButton(radio, i);
        categoryLayout->addWidget(radio, 0, Qt::AlignLeft);
    }
    connect(m_categories, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            markEdited();
    });

    m_remarks = new QPlainTextEdit(this);
    m_remarks->setObjectName(QStringLiteral("Memo1"));
    m_remarks->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The remarks take the height the fields beside them leave; the payments
    // get the rest.
    m_remarks->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    m_remarks->setMinimumHeight(60);
    m_payments = new DatedGrid({QStringLiteral("StringGrid1"), QStringLiteral("Panel1"),
                                QStringLiteral("DateTimePicker2"), QStringLiteral("Edit13"),
                                QStringLiteral("Edit15"), QStringLiteral("SpeedButton1")},
                               this);
    setNotes(m_remarks, m_payments);

    auto *left = new QFormLayout;
    auto *right = new QFormLayout;
    auto addRow = [](QFormLayout *form, const QString &text, QWidget *field) {
        auto *label = new QLabel(text);
        label->setBuddy(field);
        form->addRow(label, field);
    };
    addRow(left, QStringLiteral("Numéro"), m_number);
    addRow(left, QStringLiteral("Titre"), m_title);
    const QStringList labels{QStringLiteral("Nom"),     QStringLiteral("Prénom"),    QStringLiteral("Adresse"),
                             QStringLiteral("Adresse"), QStringLiteral("Cp"),        QStringLiteral("Ville"),
                             QStringLiteral("Téléphone"), QStringLiteral("Fax"),     QStringLiteral("Portable"),
                             QStringLiteral("Web"),     QStringLiteral("Email")};
    for (int i = 0; i < m_edits.size(); ++i)
        addRow(i < 6 ? left : right, labels[i], m_edits[i]);
    addRow(right, QStringLiteral("Naissance"), m_birth);
    addRow(right, QStringLiteral("Profession"), m_profession);
    addRow(right, QStringLiteral("Echéance"), m_renewal);

    // The fields, the category and the remarks side by side, so that the
    // payments below keep the height of several rows even at 800 x 600.
    categoryLayout->setSpacing(0);
    categoryLayout->setContentsMargins(6, 2, 6, 2);
    auto *notesColumn = new QVBoxLayout;
    auto *remarksLabel = new QLabel(QStringLiteral("Remarques"));
    remarksLabel->setBuddy(m_remarks);
    notesColumn->addWidget(m_categoryBox);
    notesColumn->addWidget(remarksLabel);
    notesColumn->addWidget(m_remarks, 1);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 4);
    columns->addSpacing(8);
    columns->addLayout(right, 4);
    columns->addSpacing(8);
    columns->addLayout(notesColumn, 3);

    auto *page = new QVBoxLayout(this);
    page->addLayout(columns);
    page->addWidget(m_payments, 1);

    finishSetup();
}

QLineEdit *MembersPage::field(int position) const
{
    if (position == 1)
        return m_number;
    if (position == Titre)
        return m_title->lineEdit();
    if (position >= kFirstEdit && position <= kLastEdit)
        return m_edits[position - kFirstEdit];
    switch (position) {
    case Naissance: return m_birth;
    case Profession: return m_profession;
    case Echeance: return m_renewal;
    default: return nullptr;
    }
}

int MembersPage::category() const
{
    return std::max(0, m_categories->checkedId());
}

void MembersPage::setTitle(const QString &text)
{
    // The list's own item is selected too, so that the arrow keys go on from it.
    const int item = m_title->findText(text);
    m_title->setCurrentIndex(item);
    if (item < 0)
        m_title->setEditText(text);
}

void MembersPage::setCategory(int index)
{
    m_categories->button(index)->setChecked(true);
}

QWidget *MembersPage::firstField() const
{
    return m_edits.first();
}

QWidget *MembersPage::appendField() const
{
    return m_edits.first();
}

void MembersPage::readRecord()
{
    Filling filling(this);
    const BlockData shown = Members::shown(store().readBlock(Kind::Member, state().current), store().Numerom());
    for (int p = Numero; p <= Echeance; ++p)
        if (p != Titre)
            field(p)->setText(shown.field(p));
    setTitle(shown.field(Titre));
    setCategory(Members::category(shown));
    fillNotes(shown);
    state().edited = false;
}

BlockData MembersPage::record() const
{
    BlockData data;
    for (int p = Numero; p <= Echeance; ++p) {
        // The mask's blanks are kept: an erased date is stored as "  /  /    ".
        if (p == Naissance || p == Echeance)
            data.setField(p, field(p)->displayText());
        else
            data.setField(p, PageText::oneLine(p == Titre ? m_title->currentText() : field(p)->text()));
    }
    data.setField(Categorie, QString::number(category()));
    collectNotes(data);
    return data;
}

void MembersPage::writeRecord()
{
    if (!state().edited)
        return;
    store().writeBlock(Kind::Member, state().current, record());
}

void MembersPage::copy()
{
    m_copied.clear();
    m_copied.append(m_title->currentText());
    m_copied.append(texts(m_edits));
}

void MembersPage::paste()
{
    // Nothing copied yet: pasting would only wipe the record shown.
    if (m_copied.isEmpty())
        return;
    {
        Filling filling(this);
        m_number->setText(QString::number(store().Numerom()));
        setTitle(m_copied[0]);
        setTexts(m_edits, m_copied, 1);
    }
    markEdited();
}

bool MembersPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_number && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent *>(event)->text();
        // Only digits are typed here; Backspace and the editing keys pass.
        if (text.size() == 1 && text[0].isPrint() && !(text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9')))
            return true;
    }
    return RecordPage::eventFilter(watched, event);
}
