#pragma once
// The receipts page: one receipt, invoice or credit note with its number,
// date, payment mode, kind, payer and up to 63 lines, and its totals in
// euros, in francs and in words.

#include "fiche/recordpage.h"
#include "store/receipts.h"

#include <QList>
#include <QStringList>

#include <array>

class QComboBox;
class QDateEdit;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class ReceiptGridDelegate;

class ReceiptsPage : public RecordPage
{
    Q_OBJECT
public:
    explicit ReceiptsPage(TFiche *fiche);
    ~ReceiptsPage() override;

    // LitRecu: an empty page with the proposed number, then the block of the
    // current receipt when it exists.
    void readRecord() override;
    // EcritRecu: only when the receipt was edited; the block goes to the end
    // of the list.
    void writeRecord() override;
    QWidget *firstField() const override;

    // A new receipt filled from the member shown ("&Nouveau reçu"); bringing
    // the page forward is the record window's.
    void NouvRecu();
    // A new empty receipt (button "Créer").
    void Button2Click();
    // Deletes the current receipt (after the frame's confirmation).
    void SupRecu();
    // Deletes the grid row holding the cursor.
    void SupLigne1();
    // Totals, franc total and the total in words.
    void Calculef();

    // The grid's key rules, for a key typed in the cell editor of the current
    // cell. True when the key was consumed.
    bool StringGrid4KeyPress(QLineEdit *editor, QKeyEvent *event);
    void StringGrid4Enter();
    void StringGrid4Exit();
    void MaskEdit3Change();

    // The number of grid rows in use (printing prints rows 1 to this).
    int ReceiptLineCount() const { return m_lineCount; }
    void setReceiptLineCount(int n) { m_lineCount = n; }
    // The focus is in the line grid.
    bool ReceiptGridActive() const { return m_gridActive; }

    QLineEdit *numberEdit() const { return m_number; }
    QDateEdit *datePicker() const { return m_date; }
    QComboBox *modeCombo() const { return m_mode; }
    QComboBox *kindCombo() const { return m_kind; }
    QLineEdit *payerEdit(int i) const { return m_payer[size_t(i)]; }
    QTableWidget *grid() const { return m_grid; }
    QLabel *euroLabel() const { return m_euros; }
    QLabel *francLabel() const { return m_francs; }
    QLabel *wordsLabel() const { return m_words; }
    QPushButton *createButton() const { return m_create; }
    QPushButton *printButton() const { return m_print; }

    // The receipt as the page shows it, saved or not.
    Receipts::Fields fields() const;

    QString cellText(int row, int column) const;
    void setCellText(int row, int column, const QString &text);
    // The 63 rows, designation and amount.
    QList<QStringList> gridRows() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class ReceiptGridDelegate;

    void setGridActive(bool active);
    void setKindText(const QString &text);
    // Rows from the first one on, designation and amount; the rows below are
    // left as they are.
    void setGridRows(const QList<QStringList> &rows);
    // Writes the receipt shown back and shows a new one dated today; false
    // when there is no number left for it.
    bool showNewReceipt();
    void openCurrentEditor();
    // The cursor to a cell; the cell's editor opens with it.
    void moveCursor(int row, int column);

    QLineEdit *m_number = nullptr;
    QDateEdit *m_date = nullptr;
    QComboBox *m_mode = nullptr;
    QComboBox *m_kind = nullptr;
    QFrame *m_header = nullptr;
    QFrame *m_payerPanel = nullptr;
    std::array<QLineEdit *, 4> m_payer{};
    QFrame *m_linePanel = nullptr;
    QTableWidget *m_grid = nullptr;
    ReceiptGridDelegate *m_delegate = nullptr;
    QFrame *m_totalsPanel = nullptr;
    QLabel *m_euros = nullptr;
    QLabel *m_francs = nullptr;
    QLabel *m_words = nullptr;
    QPushButton *m_create = nullptr;
    QPushButton *m_print = nullptr;

    QMetaObject::Connection m_focusConnection;

    int m_lineCount = 0;
    bool m_gridActive = false;
};
