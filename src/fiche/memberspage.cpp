#include "fiche/memberspage.h"

#include "fiche/datedgrid.h"

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

constexpr int kTitle = 2;      // fixed positions of the member block
constexpr int kFirstEdit = 3;  // "Nom"
constexpr int kLastEdit = 13;  // "Email"
constexpr int kBirth = 14;
constexpr int kProfession = 15;
constexpr int kRenewal = 16;
constexpr int kCategory = 17;

} // namespace

const QStringList &MembersPage::titles()
{
    static const QStringList list{QStringLiteral("M."), QStringLiteral("Mme"), QStringLiteral("Mlle"),
                                  QStringLiteral("Sté"), QStringLiteral("Asso")};
    return list;
}

const QStringList &MembersPage::categories()
{
    static const QStringList list{QStringLiteral("Membre actif"), QStringLiteral("Membre bienfaiteur"),
                                  QStringLiteral("Membre honoraire"), QStringLiteral("Ancien membre")};
    return list;
}

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
    m_title->addItems(titles());
    // Picking an item marks the record edited; typing in it is typing.
    connect(m_title, &QComboBox::currentTextChanged, this, [this] { markEdited(false); });
    connect(m_title->lineEdit(), &QLineEdit::textEdited, this, [this] { markEdited(); });

    for (int p = kFirstEdit; p <= kLastEdit; ++p)
        m_edits.append(makeEdit(QStringLiteral("Edit%1").arg(p - 1)));
    m_birth = makeDate(QStringLiteral("MaskEdit1"));
    m_profession = makeEdit(QStringLiteral("Edit14"));
    m_renewal = makeDate(QStringLiteral("MaskEdit2"));

    m_categoryBox = new QGroupBox(QStringLiteral("Catégorie"), this);
    m_categoryBox->setObjectName(QStringLiteral("RadioGroup1"));
    m_categories = new QButtonGroup(m_categoryBox);
    auto *categoryLayout = new QVBoxLayout(m_categoryBox);
    for (int i = 0; i < categories().size(); ++i) {
        auto *radio = new QRadioButton(categories()[i], m_categoryBox);
        m_categories->addButton(radio, i);
        categoryLayout->addWidget(radio);
    }
    connect(m_categories, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            markEdited(false);
    });

    m_remarks = new QPlainTextEdit(this);
    m_remarks->setObjectName(QStringLiteral("Memo1"));
    m_remarks->setLineWrapMode(QPlainTextEdit::NoWrap);
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

    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addSpacing(16);
    columns->addLayout(right, 1);

    auto *remarksColumn = new QVBoxLayout;
    auto *remarksLabel = new QLabel(QStringLiteral("Remarques"));
    remarksLabel->setBuddy(m_remarks);
    remarksColumn->addWidget(remarksLabel);
    remarksColumn->addWidget(m_remarks, 1);
    auto *middle = new QHBoxLayout;
    middle->addWidget(m_categoryBox);
    middle->addLayout(remarksColumn, 1);

    auto *page = new QVBoxLayout(this);
    page->addLayout(columns);
    page->addLayout(middle);
    page->addWidget(m_payments, 1);

    finishSetup();
    // The window reads its first record at once: the fields must already hold
    // a new record's values, or that first reading would count as an edit.
    Filling filling(this);
    clearFields();
}

QLineEdit *MembersPage::field(int position) const
{
    if (position == 1)
        return m_number;
    if (position == kTitle)
        return m_title->lineEdit();
    if (position >= kFirstEdit && position <= kLastEdit)
        return m_edits[position - kFirstEdit];
    switch (position) {
    case kBirth: return m_birth;
    case kProfession: return m_profession;
    case kRenewal: return m_renewal;
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

void MembersPage::clearFields()
{
    m_number->clear();
    setTitle(titles().first());
    for (QLineEdit *e : m_edits)
        e->clear();
    m_profession->clear();
    m_birth->setText(QLatin1String(kNewDate));
    m_renewal->setText(QLatin1String(kNewDate));
    setCategory(0);
    clearNotes();
}

void MembersPage::fill(const BlockData &data)
{
    const auto line = [&data](int position) { return data.fixed.value(position - 1); };
    m_number->setText(line(1));
    setTitle(line(kTitle));
    setTexts(m_edits, data.fixed, kFirstEdit - 1);
    if (!line(kBirth).isEmpty())
        m_birth->setText(line(kBirth));
    m_profession->setText(line(kProfession));
    if (line(kRenewal).size() > 7)
        m_renewal->setText(line(kRenewal));
    const QString category = line(kCategory);
    if (category.size() == 1 && category[0] >= QLatin1Char('0') && category[0] <= QLatin1Char('3'))
        setCategory(category[0].unicode() - '0');
    fillNotes(data);
}

void MembersPage::readRecord()
{
    const QString title = m_title->currentText();
    const QString birth = m_birth->displayText();
    const QString renewal = m_renewal->displayText();
    const int oldCategory = category();

    std::optional<BlockData> block;
    {
        Filling filling(this);
        clearFields();
        m_number->setText(QString::number(store().Numerom()));
        block = store().readBlock(Kind::Member, state().current);
        if (block) {
            fill(*block);
            if (m_number->text().isEmpty())
                m_number->setText(QString::number(store().NextMemberNumber));
        }
    }
    if (block) {
        state().edited = false;
        return;
    }
    // A record not written yet keeps its edited flag; bringing the title, a
    // date or the category back to a new record's value counts as an edit, so
    // such a record is written at the next write-back.
    if (m_title->currentText() != title || m_birth->displayText() != birth
        || m_renewal->displayText() != renewal || category() != oldCategory)
        state().edited = true;
}

BlockData MembersPage::record() const
{
    BlockData data;
    data.fixed.append(m_number->text());
    data.fixed.append(PageText::oneLine(m_title->currentText()));
    data.fixed.append(PageText::oneLine(texts(m_edits)));
    // The mask's blanks are kept: an erased date is stored as "  /  /    ".
    data.fixed.append(m_birth->displayText());
    data.fixed.append(PageText::oneLine(m_profession->text()));
    data.fixed.append(m_renewal->displayText());
    data.fixed.append(QString::number(category()));
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
    markEdited(false);
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
