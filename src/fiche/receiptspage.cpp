#include "fiche/receiptspage.h"

#include "core/clock.h"
#include "core/cp1252validator.h"
#include "core/formats.h"
#include "store/receipts.h"
#include "fiche/datedgrid.h"
#include "fiche/tfiche.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kMargin = 8;
constexpr int kHeaderHeight = 124;
constexpr int kLinesTop = 140;
constexpr int kPayerOffset = 314;     // the payer panel stands this far left of the right edge
constexpr int kPayerWidth = 306;
constexpr int kLinesMargin = 190;     // height of the page not given to the lines
constexpr int kAmountColumn = 120;
constexpr int kDesignationMargin = 164;
constexpr int kLineCountStep = 20;    // beyond this many lines Enter no longer moves down
constexpr int kDesignation = 0;
constexpr int kAmount = 1;

bool isPrintable(const QKeyEvent *e)
{
    const QString t = e->text();
    return !t.isEmpty() && t[0].isPrint();
}

} // namespace

// The cell editor of the line grid. Every change of the editor goes straight
// into its cell, so that the grid always holds what is shown whichever way the
// editor closes; its keys go through the page's rules first.
class ReceiptGridDelegate : public QStyledItemDelegate
{
public:
    ReceiptGridDelegate(ReceiptsPage *page, QObject *parent) : QStyledItemDelegate(parent), m_page(page) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const override
    {
        auto *editor = new QLineEdit(parent);
        editor->setFrame(false);
        editor->setValidator(new Cp1252Validator(editor));
        if (index.column() == kDesignation)
            editor->setMaxLength(Receipts::kDesignationMax);
        auto *model = const_cast<QAbstractItemModel *>(index.model());
        const QPersistentModelIndex cell(index);
        QObject::connect(editor, &QLineEdit::textChanged, editor, [model, cell](const QString &text) {
            if (cell.isValid() && model->data(cell, Qt::EditRole).toString() != text)
                model->setData(cell, text, Qt::EditRole);
        });
        // Deleting, cutting or pasting changes the receipt as typing does.
        ReceiptsPage *page = m_page;
        QObject::connect(editor, &QLineEdit::textEdited, editor, [page] { page->markEdited(); });
        return editor;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        auto *edit = static_cast<QLineEdit *>(editor);
        const QString text = index.data(Qt::EditRole).toString();
        // A stored designation longer than the typing limit is kept whole.
        if (index.column() == kDesignation)
            edit->setMaxLength(std::max<int>(Receipts::kDesignationMax, text.size()));
        // Setting the same text again would put the caret at the end while the
        // user types in the middle.
        if (edit->text() != text)
            edit->setText(text);
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        const QString text = static_cast<QLineEdit *>(editor)->text();
        if (model->data(index, Qt::EditRole).toString() != text)
            model->setData(index, text, Qt::EditRole);
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            if (auto *editor = qobject_cast<QLineEdit *>(object))
                if (m_page->StringGrid4KeyPress(editor, static_cast<QKeyEvent *>(event)))
                    return true;
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    ReceiptsPage *m_page;
};

ReceiptsPage::ReceiptsPage(TFiche *fiche) : RecordPage(fiche, Kind::Receipt, QStringLiteral("TabSheet4"))
{
    // ---- Header: number, date, payment mode, kind --------------------------------
    m_header = new QFrame(this);
    auto *header = new QGridLayout(m_header);
    header->setContentsMargins(0, 0, 0, 0);
    m_number = new QLineEdit(m_header);
    m_number->setObjectName(QStringLiteral("MaskEdit3"));
    m_number->setInputMask(QStringLiteral("#########;_"));
    m_date = new QDateEdit(Clock::today(), m_header);
    m_date->setObjectName(QStringLiteral("DateTimePicker8"));
    m_date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    m_date->setCalendarPopup(true);
    m_mode = new QComboBox(m_header);
    m_mode->setObjectName(QStringLiteral("ComboBox4"));
    m_mode->setEditable(true);
    m_mode->setInsertPolicy(QComboBox::NoInsert);
    m_mode->addItems(Receipts::paymentModes());
    m_kind = new QComboBox(m_header);
    m_kind->setObjectName(QStringLiteral("ComboBox5"));
    m_kind->addItems(Receipts::kinds());
    m_create = new QPushButton(QStringLiteral("Créer"), m_header);
    m_create->setObjectName(QStringLiteral("Button2"));
    m_print = new QPushButton(QStringLiteral("Imprimer"), m_header);
    m_print->setObjectName(QStringLiteral("Button4"));
    header->addWidget(new QLabel(QStringLiteral("N° de reçu"), m_header), 0, 0);
    header->addWidget(m_number, 0, 1);
    header->addWidget(new QLabel(QStringLiteral("Date"), m_header), 0, 2);
    header->addWidget(m_date, 0, 3);
    header->addWidget(new QLabel(QStringLiteral("Mode de réglement"), m_header), 1, 0);
    header->addWidget(m_mode, 1, 1);
    header->addWidget(m_kind, 1, 3);
    header->addWidget(m_create, 2, 1);
    header->addWidget(m_print, 2, 3);

    // ---- Payer ----------------------------------------------------------------------
    m_payerPanel = new QFrame(this);
    m_payerPanel->setObjectName(QStringLiteral("Panel4"));
    m_payerPanel->setFrameShape(QFrame::StyledPanel);
    auto *payer = new QVBoxLayout(m_payerPanel);
    payer->setContentsMargins(4, 4, 4, 4);
    payer->setSpacing(2);
    payer->addWidget(new QLabel(QStringLiteral("Coordonnées du payeur"), m_payerPanel));
    for (int i = 0; i < 4; ++i) {
        m_payer[size_t(i)] = new QLineEdit(m_payerPanel);
        m_payer[size_t(i)]->setObjectName(QStringLiteral("Edit%1").arg(40 + i));
        payer->addWidget(m_payer[size_t(i)]);
    }

    // ---- Lines ------------------------------------------------------------------------
    m_linePanel = new QFrame(this);
    m_linePanel->setObjectName(QStringLiteral("Panel6"));
    auto *lines = new QVBoxLayout(m_linePanel);
    lines->setContentsMargins(0, 0, 0, 0);
    m_grid = new QTableWidget(Receipts::kRows, 2, m_linePanel);
    m_grid->setObjectName(QStringLiteral("StringGrid4"));
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Désignation"), QStringLiteral("Montant")});
    m_grid->verticalHeader()->setVisible(false);
    m_grid->setColumnWidth(kDesignation, 410);
    m_grid->setColumnWidth(kAmount, 158);
    QFont bold = m_grid->font();
    bold.setBold(true);
    m_grid->setFont(bold);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    // The editor of the current cell is always open: it opens with every move
    // of the cursor and when the grid takes the focus.
    m_grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_delegate = new ReceiptGridDelegate(this, m_grid);
    m_grid->setItemDelegate(m_delegate);
    lines->addWidget(m_grid);

    // ---- Totals ---------------------------------------------------------------------
    m_totalsPanel = new QFrame(this);
    auto *totals = new QGridLayout(m_totalsPanel);
    totals->setContentsMargins(0, 0, 0, 0);
    totals->setVerticalSpacing(2);
    m_euros = new QLabel(m_totalsPanel);
    m_euros->setObjectName(QStringLiteral("Label49"));
    m_francs = new QLabel(m_totalsPanel);
    m_francs->setObjectName(QStringLiteral("Label50"));
    m_words = new QLabel(m_totalsPanel);
    m_words->setObjectName(QStringLiteral("Label52"));
    auto *euroCaption = new QLabel(QStringLiteral("Euros"), m_totalsPanel);
    euroCaption->setObjectName(QStringLiteral("Label47"));
    auto *francCaption = new QLabel(QStringLiteral("Francs"), m_totalsPanel);
    francCaption->setObjectName(QStringLiteral("Label48"));
    auto *totalCaption = new QLabel(QStringLiteral("TOTAL"), m_totalsPanel);
    totalCaption->setFont(bold);
    m_euros->setFont(bold);
    m_francs->setFont(bold);
    m_euros->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_francs->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_euros->setMinimumWidth(100);
    m_francs->setMinimumWidth(100);
    totals->addWidget(m_words, 0, 0);
    totals->addWidget(totalCaption, 0, 1);
    totals->addWidget(m_euros, 0, 2);
    totals->addWidget(euroCaption, 0, 3);
    totals->addWidget(m_francs, 0, 4);
    totals->addWidget(francCaption, 0, 5);
    totals->setColumnStretch(0, 1);

    // ---- Handlers -------------------------------------------------------------------
    connect(m_number, &QLineEdit::textEdited, this, [this] { MaskEdit3Change(); });
    // A changed payer, date, mode or kind is written back like a changed line.
    for (QLineEdit *edit : m_payer)
        connect(edit, &QLineEdit::textEdited, this, [this] { markEdited(); });
    connect(m_date, &QDateEdit::dateChanged, this, [this] { markEdited(); });
    connect(m_mode, &QComboBox::activated, this, [this] { markEdited(); });
    connect(m_mode->lineEdit(), &QLineEdit::textEdited, this, [this] { markEdited(); });
    connect(m_kind, &QComboBox::activated, this, [this] { markEdited(); });
    connect(m_create, &QPushButton::clicked, this, [this] { Button2Click(); });
    connect(m_print, &QPushButton::clicked, this, [this] { this->fiche()->Button4Click(); });
    m_focusConnection = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (!now)
            return;
        setGridActive(now == m_grid || m_grid->isAncestorOf(now));
    });

    finishSetup();
}

ReceiptsPage::~ReceiptsPage()
{
    // The grid goes before the page stops receiving focus changes.
    disconnect(m_focusConnection);
}

// ---- Grid cells -----------------------------------------------------------------------

QString ReceiptsPage::cellText(int row, int column) const
{
    return GridCells::text(m_grid, row, column);
}

void ReceiptsPage::setCellText(int row, int column, const QString &text)
{
    GridCells::setText(m_grid, row, column, text);
}

void ReceiptsPage::setGridRows(const QList<QStringList> &rows)
{
    for (int r = 0; r < rows.size(); ++r) {
        setCellText(r, kDesignation, rows[r].value(0));
        setCellText(r, kAmount, rows[r].value(1));
    }
}

QList<QStringList> ReceiptsPage::gridRows() const
{
    QList<QStringList> rows;
    for (int r = 0; r < Receipts::kRows; ++r)
        rows.append({cellText(r, kDesignation), cellText(r, kAmount)});
    return rows;
}

void ReceiptsPage::openCurrentEditor()
{
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid()) {
        m_grid->setCurrentCell(0, kDesignation);
        return;
    }
    if (!m_grid->indexWidget(current))
        m_grid->edit(current);
}

void ReceiptsPage::moveCursor(int row, int column)
{
    m_grid->setCurrentCell(row, column);
    openCurrentEditor();
}

// ---- Reading and writing ----------------------------------------------------------------

void ReceiptsPage::setKindText(const QString &text)
{
    // "Avoir" is stored with trailing blanks; a kind typed elsewhere without
    // them is still that kind, and an unknown kind is kept rather than
    // replaced by "Reçu" at the next write-back.
    for (int i = 0; i < m_kind->count(); ++i) {
        if (m_kind->itemText(i).trimmed() == text.trimmed()) {
            m_kind->setCurrentIndex(i);
            return;
        }
    }
    m_kind->addItem(text);
    m_kind->setCurrentIndex(m_kind->count() - 1);
}

void ReceiptsPage::readRecord()
{
    Filling filling(this);
    RecordStore &s = store();

    m_date->setDate(Clock::today());
    for (QLineEdit *edit : m_payer)
        edit->clear();
    m_euros->clear();
    m_francs->clear();
    m_words->clear();
    m_grid->setEnabled(true);
    for (int r = 0; r < Receipts::kRows; ++r) {
        setCellText(r, kDesignation, QString());
        setCellText(r, kAmount, QString());
    }
    m_number->clear();
    m_mode->setCurrentIndex(0);
    m_mode->setEditText(m_mode->itemText(0));
    s.Numerof();
    state().edited = false;
    m_number->setText(QString::number(s.NextReceiptNumber));
    m_kind->setCurrentIndex(0);

    const std::optional<BlockData> block = s.readBlock(Kind::Receipt, state().current);
    if (!block) {
        // A new receipt has no line in use yet; a count left from the receipt
        // shown before would stop Enter from moving down its lines.
        m_lineCount = 0;
        return;
    }

    const Receipts::Fields f = Receipts::fromBlock(*block);
    m_number->setText(f.number.isEmpty() ? QString::number(s.NextReceiptNumber) : f.number);
    QDate date;
    if (Formats::parseDate(f.date, &date))
        m_date->setDate(date);
    if (!f.mode.isEmpty())
        m_mode->setEditText(f.mode);
    if (!f.kind.isEmpty())
        setKindText(f.kind);
    setTexts(m_payer, f.payer);
    setGridRows(f.rows);
    m_lineCount = std::min<int>(int(f.rows.size()) + 1, Receipts::kRows);

    Calculef();
    state().edited = false;
    setGridActive(false);
}

void ReceiptsPage::writeRecord()
{
    if (!state().edited)
        return;
    store().writeBlock(Kind::Receipt, state().current, Receipts::toBlock(fields(), m_lineCount));
}

Receipts::Fields ReceiptsPage::fields() const
{
    Receipts::Fields f;
    f.number = m_number->text();
    f.date = Formats::date(m_date->date());
    f.mode = PageText::oneLine(m_mode->currentText());
    f.kind = m_kind->currentText();
    f.payer = PageText::oneLine(texts(m_payer));
    f.rows = gridRows();
    for (QStringList &row : f.rows)
        for (QString &cell : row)
            cell = PageText::oneCell(cell);
    return f;
}

QWidget *ReceiptsPage::firstField() const
{
    return m_payer[0];
}

// ---- Commands -----------------------------------------------------------------------------

bool ReceiptsPage::showNewReceipt()
{
    writeRecord();
    const int n = Receipts::newReceiptNumber(store());
    if (n < 0)
        return false;
    state().current = n;
    readRecord();
    Filling filling(this);
    m_date->setDate(Clock::today());
    return true;
}

void ReceiptsPage::NouvRecu()
{
    if (!showNewReceipt())
        return;
    {
        Filling filling(this);
        const KindState &members = store().state(Kind::Member);
        if (const std::optional<BlockData> member = store().readBlock(Kind::Member, members.current))
            setTexts(m_payer, Receipts::payerFromMember(texts(m_payer), *member));
    }
    m_payer[0]->setFocus();
}

void ReceiptsPage::Button2Click()
{
    if (!showNewReceipt())
        return;
    m_payer[0]->setFocus();
    m_lineCount = 0;
}

void ReceiptsPage::SupRecu()
{
    store().Supprime(Kind::Receipt);
    readRecord();
}

void ReceiptsPage::SupLigne1()
{
    if (!m_gridActive)
        return;
    QList<QStringList> rows = gridRows();
    if (!Receipts::deleteLine(&rows, m_grid->currentRow() + 1, &m_lineCount))
        return;
    setGridRows(rows);
    markEdited();
}

void ReceiptsPage::Calculef()
{
    QStringList amounts;
    for (int r = 0; r < Receipts::kRows; ++r)
        amounts << cellText(r, kAmount);
    TFiche *window = fiche();
    const Receipts::Totals t = Receipts::totals(amounts, [window](const QString &text) {
        return window->Rset(text, Receipts::kAmountWidth);
    });
    for (int r = 0; r < Receipts::kRows; ++r)
        setCellText(r, kAmount, t.amounts[r]);
    m_euros->setText(t.euros);
    m_francs->setText(t.francs);
    m_words->setText(t.words);
}

// ---- Keys and focus -------------------------------------------------------------------------

bool ReceiptsPage::StringGrid4KeyPress(QLineEdit *editor, QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    // The record window's keys work from the grid as from every field.
    if (key == Qt::Key_PageDown || key == Qt::Key_PageUp || key == Qt::Key_F2
        || ((key == Qt::Key_Home || key == Qt::Key_End) && mods == Qt::ControlModifier))
        return RecordPage::eventFilter(editor, event);

    const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
    const bool enterKey = key == Qt::Key_Return || key == Qt::Key_Enter;
    // Keys that type nothing (arrows, Delete, Home, End) are the editor's and the grid's own.
    if (event->text().isEmpty() && !tab && !enterKey && key != Qt::Key_Backspace && key != Qt::Key_Escape)
        return false;
    markEdited();
    if (key == Qt::Key_Backspace)
        return false;

    const int row = m_grid->currentRow();
    const int column = m_grid->currentColumn();
    if (row < 0)
        return false;
    const bool backwards = key == Qt::Key_Backtab || (tab && (mods & Qt::ShiftModifier));
    const bool enter = enterKey || (column == kAmount && tab && !backwards);
    m_lineCount = std::max(m_lineCount, row + 1);

    if (column == kAmount && event->text() == QLatin1String(".")) {
        editor->insert(QStringLiteral(","));
        return true;
    }
    if (column == kDesignation && isPrintable(event) && editor->text().size() >= Receipts::kDesignationMax)
        return true;

    if (enter && column == kAmount) {
        Calculef();
        int next = row;
        if (m_lineCount < kLineCountStep && row + 1 < Receipts::kRows)
            next = row + 1;
        moveCursor(next, kDesignation);
        return true;
    }
    if (backwards) {
        if (column == kAmount)
            moveCursor(row, kDesignation);
        else if (row > 0)
            moveCursor(row - 1, kAmount);
        return true;
    }
    if (tab) {
        moveCursor(row, kAmount);
        return true;
    }
    // Enter in a designation and Escape would close the editor, which stays open.
    if (enterKey || key == Qt::Key_Escape)
        return true;
    return false;
}

void ReceiptsPage::MaskEdit3Change()
{
    markEdited();
}

void ReceiptsPage::StringGrid4Enter()
{
    setGridActive(true);
}

void ReceiptsPage::StringGrid4Exit()
{
    setGridActive(false);
}

void ReceiptsPage::setGridActive(bool active)
{
    if (active == m_gridActive)
        return;
    m_gridActive = active;
    emit fiche()->receiptGridActiveChanged(active);
}

bool ReceiptsPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::FocusIn)
        openCurrentEditor();
    return RecordPage::eventFilter(watched, event);
}

void ReceiptsPage::resizeEvent(QResizeEvent *event)
{
    RecordPage::resizeEvent(event);
    const int w = width();
    const int h = height();
    const int payerLeft = std::max(0, w - kPayerOffset);
    m_payerPanel->setGeometry(payerLeft, kMargin, kPayerWidth, kHeaderHeight);
    m_header->setGeometry(kMargin, kMargin, std::max(200, std::min(520, payerLeft - 2 * kMargin)), kHeaderHeight);
    const int linesHeight = std::max(60, h - kLinesMargin);
    m_linePanel->setGeometry(kMargin, kLinesTop, std::max(100, w - 2 * kMargin), linesHeight);
    m_totalsPanel->setGeometry(kMargin, kLinesTop + linesHeight + 4, std::max(100, w - 2 * kMargin), 40);
    m_grid->setColumnWidth(kAmount, kAmountColumn);
    m_grid->setColumnWidth(kDesignation, std::max(40, w - kDesignationMargin));
}
