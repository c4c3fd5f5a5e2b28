#pragma once
// One page of the record window: the fields of one record kind, bound to the
// block of the kind's current index. Each kind's page derives from this and
// says how its fields map to the block; moving, appending and deleting are the
// record window's.

#include "store/recordstore.h"

#include <QLineEdit>
#include <QStringList>
#include <QWidget>

class DatedGrid;
class QPlainTextEdit;
class TFiche;

// Texts of a page as block lines.
namespace PageText {
// A field's text as one block line: a pasted line break must not split the
// record's lines in the file.
QString oneLine(const QString &text);
QStringList oneLine(QStringList lines);
// A grid cell's text: one line without TAB either, since the cells of a row
// share one block line, TAB apart.
QString oneCell(const QString &text);
// The remarks as "MEMO" lines and back; an empty memo has no line.
QStringList memoLines(const QPlainTextEdit *memo);
QString memoText(const QStringList &lines);
} // namespace PageText

class RecordPage : public QWidget
{
    Q_OBJECT
public:
    RecordPage(TFiche *fiche, Kind kind, const QString &objectName);

    Kind kind() const { return m_kind; }
    TFiche *fiche() const { return m_fiche; }
    RecordStore &store() const;
    KindState &state() const;

    // Fills the page from the block of the current index (LitFiche and twins).
    virtual void readRecord() = 0;
    // Writes the page into the block of the current index when it was edited
    // (EcritFiche and twins).
    virtual void writeRecord() = 0;
    // The field that takes the focus after a move.
    virtual QWidget *firstField() const = 0;
    // The field that takes the focus after appending.
    virtual QWidget *appendField() const { return firstField(); }
    // Run when the page is brought forward, before its record is read.
    virtual void aboutToShow() {}
    virtual void copy() {}
    virtual void paste() {}

    // A store another Velmora holds: its fields can be read and copied, not
    // changed, and nothing marks the record.
    void setReadOnly(bool readOnly);

protected:
    // The user changed the record: the page must be written back. Changes made
    // while the page is being filled are not the user's and are ignored.
    void markEdited();
    // Run while filling the page from a block.
    class Filling
    {
    public:
        explicit Filling(RecordPage *page) : m_page(page), m_was(page->m_filling) { page->m_filling = true; }
        ~Filling() { m_page->m_filling = m_was; }

    private:
        RecordPage *m_page;
        bool m_was;
    };
    bool isFilling() const { return m_filling; }

    // The remarks and dated amounts that members, partners and activities keep
    // alike in their blocks' MEMO and DATA lines. A change to either marks the
    // record edited.
    void setNotes(QPlainTextEdit *memo, DatedGrid *grid);
    void clearNotes();
    void fillNotes(const BlockData &data);
    void collectNotes(BlockData &data) const;

    // Line edits that hold consecutive block lines, from lines[first] on.
    template <typename Edits>
    static void setTexts(const Edits &edits, const QStringList &lines, int first = 0)
    {
        for (QLineEdit *edit : edits)
            edit->setText(lines.value(first++));
    }
    template <typename Edits>
    static QStringList texts(const Edits &edits)
    {
        QStringList out;
        for (const QLineEdit *edit : edits)
            out.append(edit->text());
        return out;
    }

    // Once the page's widgets exist: the navigation keys on every field, and
    // only Windows-1252 characters in the text fields.
    void finishSetup();

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TFiche *m_fiche;
    Kind m_kind;
    bool m_filling = false;
    QPlainTextEdit *m_notesMemo = nullptr;
    DatedGrid *m_notesGrid = nullptr;
};
