#include "fiche/activitiespage.h"

#include "core/clock.h"
#include "core/formats.h"
#include "fiche/datedgrid.h"
#include "fiche/tfiche.h"
#include "store/records.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QTableWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpressionValidator>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <array>

namespace {

constexpr int kPriceWidth = 110;

QLineEdit *newEdit(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QComboBox *newCombo(QWidget *parent, const char *name)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setEditable(true);
    // Enter in the text must not add what was typed to the choices.
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

QDateEdit *newDate(QWidget *parent, const char *name)
{
    auto *picker = new QDateEdit(parent);
    picker->setObjectName(QLatin1String(name));
    picker->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    picker->setCalendarPopup(true);
    // Qt's default lower bound (1752) would silently move an older stored date.
    picker->setMinimumDate(QDate(100, 1, 1));
    return picker;
}

QTimeEdit *newTime(QWidget *parent, const char *name)
{
    auto *picker = new QTimeEdit(parent);
    picker->setObjectName(QLatin1String(name));
    picker->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    return picker;
}

// The combo's text replaced without touching its list.
void setComboText(QComboBox *box, const QString &text)
{
    box->setCurrentIndex(-1);
    box->setEditText(text);
}

bool isExit(const QEvent *event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    // A popup (the combo's list, a context menu) or another window taking
    // the focus is not the user leaving the field.
    const Qt::FocusReason reason = static_cast<const QFocusEvent *>(event)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

} // namespace

ActivitiesPage::ActivitiesPage(TFiche *fiche) : RecordPage(fiche, Kind::Activity, QStringLiteral("TabSheet3"))
{
    m_code = newEdit(this, "Edit30");
    m_title = newEdit(this, "Edit31");
    m_type = newCombo(this, "ComboBox2");
    m_partner = newCombo(this, "ComboBox3");
    m_partnerName = newEdit(this, "Edit32");
    m_startDate = newDate(this, "DateTimePicker3");
    m_startTime = newTime(this, "DateTimePicker5");
    m_endDate = newDate(this, "DateTimePicker4");
    m_endTime = newTime(this, "DateTimePicker6");
    m_priceHT = newEdit(this, "Edit35");
    m_priceTTC = newEdit(this, "Edit36");
    m_vat = newEdit(this, "Edit37");
    m_places = newEdit(this, "Edit38");
    m_sold = newEdit(this, "Edit39");
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Memo3"));
    m_grid = new DatedGrid({QStringLiteral("StringGrid3"), QStringLiteral("Panel3"), QStringLiteral("DateTimePicker7"),
                            QStringLiteral("Edit33"), QStringLiteral("Edit34"), QStringLiteral("SpeedButton3")},
                           this);

    for (QLineEdit *count : {m_places, m_sold})
        count->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), count));
    // The prices are right-aligned by the spaces put in front of them, which
    // are measured for a field of this width.
    for (QLineEdit *price : {m_priceHT, m_priceTTC, m_vat})
        price->setFixedWidth(kPriceWidth);

    auto *form = new QGridLayout;
    // A caption at (row, column) and its field just right of it.
    auto add = [this, form](const char *caption, QWidget *field, int row, int column, int columnSpan = 1) {
        auto *l = new QLabel(QString::fromUtf8(caption), this);
        l->setBuddy(field);
        form->addWidget(l, row, column);
        form->addWidget(field, row, column + 1, 1, columnSpan);
    };
    add("Code", m_code, 0, 0);
    add("Intitulé", m_title, 1, 0, 3);
    add("Type", m_type, 2, 0, 3);
    add("Partenaire", m_partner, 3, 0);
    // The partner's name under its code, wide enough for 40 characters.
    form->addWidget(m_partnerName, 4, 1, 1, 3);
    m_partnerName->setMinimumWidth(m_partnerName->fontMetrics().horizontalAdvance(QString(40, QLatin1Char('n')))
                                   + 12);
    add("Début le", m_startDate, 5, 0);
    add("à", m_startTime, 5, 2);
    add("Fin le", m_endDate, 6, 0);
    add("à", m_endTime, 6, 2);
    add("Prix HT", m_priceHT, 7, 0);
    add("Prix TTC", m_priceTTC, 8, 0);
    add("TVA", m_vat, 9, 0);
    add("Places", m_places, 7, 2);
    add("Vendu", m_sold, 8, 2);
    form->setRowStretch(10, 1);

    auto *right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("Remarques"), this));
    right->addWidget(m_memo, 1);
    right->addWidget(m_grid, 2);

    auto *top = new QHBoxLayout(this);
    top->addLayout(form, 0);
    top->addLayout(right, 1);
    // No widths are set for this grid: its label takes what the page leaves.
    m_grid->grid()->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);

    // Every change the user makes marks the activity for writing back and the
    // store as changed, so that closing asks to save even before the activity
    // is written back. Filling the page while reading marks nothing.
    auto edited = [this] { markEdited(); };
    for (QLineEdit *edit : {m_code, m_title, m_partnerName, m_priceHT, m_priceTTC, m_vat, m_places, m_sold,
                            m_grid->labelEdit()})
        connect(edit, &QLineEdit::textEdited, this, edited);
    for (QComboBox *box : {m_type, m_partner})
        connect(box, &QComboBox::editTextChanged, this, edited);
    for (QDateEdit *picker : {m_startDate, m_endDate})
        connect(picker, &QDateEdit::dateChanged, this, edited);
    for (QTimeEdit *picker : {m_startTime, m_endTime})
        connect(picker, &QTimeEdit::timeChanged, this, edited);
    setNotes(m_memo, m_grid);

    finishSetup();
}

void ActivitiesPage::aboutToShow()
{
    Filling filling(this);
    const QString type = m_type->currentText();
    m_type->clear();
    m_type->addItems(fiche()->activityTypes());
    setComboText(m_type, type);
    InitPartenaires();
}

void ActivitiesPage::InitPartenaires()
{
    Filling filling(this);
    const QString text = m_partner->currentText();
    m_partner->clear();
    // Partners as they stand in their list, each with its code and company.
    store().blocks(Kind::Partner).forEach([this](const BlockRef &b) {
        if (b.has(PartnerField::Societe))
            m_partner->addItem(b.text(PartnerField::Code) + QLatin1Char(' ') + b.text(PartnerField::Societe));
    });
    setComboText(m_partner, text);
}

void ActivitiesPage::ComboBox3Exit()
{
    const QString text = m_partner->currentText();
    const int space = text.indexOf(QLatin1Char(' '));
    // A code has at least four characters before the space that follows it.
    if (space < 4)
        return;
    setComboText(m_partner, text.left(space));
    m_partnerName->setText(text.mid(space + 1));
    markEdited();
}

void ActivitiesPage::priceExit(QLineEdit *edit)
{
    const QString typed = edit->text().trimmed();
    edit->setText(typed.isEmpty() ? typed : fiche()->Rset(Formats::twoDecimals(typed), kPriceWidth));
}

void ActivitiesPage::readRecord()
{
    using namespace ActivityField;
    Filling filling(this);
    const BlockData f =
        Activities::shown(store().readBlock(Kind::Activity, state().current), store().Numeroa(), Clock::now());
    m_code->setText(f.field(Code));
    m_title->setText(f.field(Intitule));
    setComboText(m_type, f.field(Type));
    setComboText(m_partner, f.field(Partenaire));
    m_partnerName->setText(f.field(PartnerName));
    QDate date;
    QTime time;
    Formats::parseDate(f.field(Debut), &date);
    m_startDate->setDate(date);
    Formats::parseDate(f.field(Fin), &date);
    m_endDate->setDate(date);
    Formats::parseTime(f.field(DebutHeure), &time);
    m_startTime->setTime(time);
    Formats::parseTime(f.field(FinHeure), &time);
    m_endTime->setTime(time);
    setTexts(std::array{m_priceHT, m_priceTTC, m_vat, m_places, m_sold}, f.fixed, PrixHT - 1);
    fillNotes(f);
    state().edited = false;
}

void ActivitiesPage::writeRecord()
{
    if (!state().edited)
        return;
    BlockData data;
    data.fixed = PageText::oneLine(QStringList{m_code->text(),
                             m_title->text(),
                             m_type->currentText(),
                             m_partner->currentText(),
                             m_partnerName->text(),
                             Formats::date(m_startDate->date()),
                             Formats::time(m_startTime->time()),
                             Formats::date(m_endDate->date()),
                             Formats::time(m_endTime->time()),
                             m_priceHT->text(),
                             m_priceTTC->text(),
                             m_vat->text(),
                             m_places->text(),
                             m_sold->text()});
    Q_ASSERT(data.fixed.size() == ActivityField::Count);
    collectNotes(data);
    store().writeBlock(Kind::Activity, state().current, data);
}

QWidget *ActivitiesPage::firstField() const
{
    return m_title;
}

bool ActivitiesPage::eventFilter(QObject *watched, QEvent *event)
{
    if (isExit(event)) {
        if (watched == m_partner)
            ComboBox3Exit();
        else if (watched == m_priceHT || watched == m_priceTTC || watched == m_vat)
            priceExit(static_cast<QLineEdit *>(watched));
    }
    return RecordPage::eventFilter(watched, event);
}
