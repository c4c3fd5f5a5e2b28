#pragma once
// The dated grid of members, partners and activities ("Date", "Libellé",
// "Montant", 63 rows) with its entry line underneath: a date picker, a label,
// an amount and "OK". The three pages differ only by component names.

#include <QList>
#include <QStringList>
#include <QWidget>

class QDateEdit;
class QLineEdit;
class QTableWidget;
class QToolButton;
class QFrame;

class DatedGrid : public QWidget
{
    Q_OBJECT
public:
    struct Names
    {
        QString grid;    // StringGrid1
        QString panel;   // Panel1 (may be empty)
        QString picker;  // DateTimePicker2
        QString label;   // Edit13
        QString amount;  // Edit15
        QString button;  // SpeedButton1
    };
    static constexpr int kRows = 63;

    DatedGrid(const Names &names, QWidget *parent = nullptr);

    QTableWidget *grid() const { return m_grid; }
    QDateEdit *picker() const { return m_picker; }
    QLineEdit *labelEdit() const { return m_label; }
    QLineEdit *amountEdit() const { return m_amount; }
    QToolButton *okButton() const { return m_ok; }

    // Row r (0 based) of the data rows: three cells.
    QStringList row(int r) const;
    void setRow(int r, const QStringList &cells);
    // Every data row, empty ones included.
    QList<QStringList> rows() const;
    // Rows from the first one on; the others are emptied.
    void setRows(const QList<QStringList> &rows);
    void clearRows();

    // The entry line into the first row whose date is empty; the amount is
    // brought to two decimals. False when the label or the amount is empty.
    // Emits edited() whenever the label and amount were given, even when the
    // grid was full.
    bool addEntry();
    // The selected row emptied and the rows below moved up one.
    void deleteRow(int r);

signals:
    // The user changed the rows (entry line or deletion).
    void edited();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTableWidget *m_grid;
    QFrame *m_panel;
    QDateEdit *m_picker;
    QLineEdit *m_label;
    QLineEdit *m_amount;
    QToolButton *m_ok;
};

// The text of a grid cell, empty where the cell has no item; setting an empty
// text creates no item.
namespace GridCells {
QString text(const QTableWidget *grid, int row, int column);
void setText(QTableWidget *grid, int row, int column, const QString &text);
} // namespace GridCells

// Typing rule of the amount fields: digits, "," and Backspace; "." becomes ",".
// Installed as an event filter on a line edit.
class AmountKeys : public QObject
{
    Q_OBJECT
public:
    explicit AmountKeys(QObject *parent) : QObject(parent) {}
    bool eventFilter(QObject *watched, QEvent *event) override;
};
