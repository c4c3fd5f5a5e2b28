#pragma once
// One page of the record window: the fields of one record kind, bound to the
// block of the kind's current index. Each kind's page derives from this and
// says how its fields map to the block; moving, appending and deleting are the
// record window's.

#include "store/recordstore.h"

#include <QWidget>

class TFiche;

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

protected:
    // The user changed the record: the page must be written back. Changes made
    // while the page is being filled are not the user's and are ignored.
    void markEdited(bool storeModified = true);
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

    // Once the page's widgets exist: the navigation keys on every field, and
    // only Windows-1252 characters in the text fields.
    void finishSetup();

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TFiche *m_fiche;
    Kind m_kind;
    bool m_filling = false;
};
