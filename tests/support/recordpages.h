#pragma once
// A record window for the tests of its pages, with what those tests use.

#include "fiche/activitiespage.h"
#include "fiche/datedgrid.h"
#include "fiche/memberspage.h"
#include "fiche/partnerspage.h"
#include "fiche/receiptspage.h"
#include "fiche/tfiche.h"
#include "store/records.h"
#include "support/blocks.h"
#include "support/fakedialogs.h"
#include "support/modal.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>
#include <QTimeEdit>
#include <QToolButton>

#include <functional>
#include <memory>

// Text put in through the field's own editing, which runs its validator and
// tells the page, as the user's typing or pasting does.
inline void typeInto(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    edit->insert(text);
}

class FicheTest : public VelmoraTest
{
protected:
    void SetUp() override
    {
        VelmoraTest::SetUp();
        fiche = std::make_unique<TFiche>();
    }
    void TearDown() override
    {
        fiche.reset();
        VelmoraTest::TearDown();
    }
    void showFiche()
    {
        fiche->resize(1000, 800);
        fiche->show();
        QApplication::setActiveWindow(fiche.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(fiche.get()));
    }

    RecordStore &store() { return fiche->store(); }
    KindState &state(Kind k) { return store().state(k); }
    // Lines put straight into a list, as loading a file does, without reading.
    void setLines(Kind k, const QStringList &lines)
    {
        setList(store(), k, lines);
        state(k).current = 0;
    }
    // The same, then the first record read into its page, the store unchanged.
    void load(Kind k, const QStringList &lines)
    {
        setLines(k, lines);
        store().markSaved();
        fiche->read(k);
    }
    // Fixed line `position` (from 1) of block n as stored, "<none>" without the block.
    QString stored(Kind k, int n, int position)
    {
        const auto data = store().readBlock(k, n);
        return data ? data->fixed.value(position - 1) : QStringLiteral("<none>");
    }

    std::unique_ptr<TFiche> fiche;
};
