// The members page driven as the user drives it: fields, input rules, edited
// flags, the payment entry line, the keys, and the moments the record is
// written back into the store and the files.

#include "fiche/datedgrid.h"
#include "fiche/memberspage.h"
#include "support/modal.h"
#include "store/records.h"
#include "support/recordpages.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <functional>

namespace {

// Fixed lines 1 to 17 of a member with every field filled.
QStringList fullFixed(int number)
{
    return {QString::number(number), "Mlle", "Lefèvre", "Hélène", "3 rue des Écoles", "Bât. B", "75005", "Paris",
            "01 43 00 00 01", "01 43 00 00 02", "06 00 00 00 03", "www.exemple.fr", "h@exemple.fr", "12/07/1985",
            "Œnologue", "31/12/2026", "2"};
}

class MembersPageTest : public FicheTest
{
protected:
    void SetUp() override
    {
        FicheTest::SetUp();
        showFiche();
        page = fiche->membersPage();
    }

    KindState &members() { return state(Kind::Member); }
    QLineEdit *edit(int position) { return page->field(position); }
    QLineEdit *named(const char *name) { return fiche->findChild<QLineEdit *>(QLatin1String(name)); }
    DatedGrid *grid() { return page->payments(); }
    // n members, block i named "Nom<i>" and numbered 10001 + i, shown from block 0.
    void loadMembers(int n)
    {
        QStringList lines;
        for (int i = 0; i < n; ++i)
            lines += block(i, fullFixed(10001 + i).replaceInStrings("Lefèvre", QStringLiteral("Nom%1").arg(i)));
        load(Kind::Member, lines);
    }
    QString storedName(int n) { return stored(Kind::Member, n, 3); }
    std::pair<bool, bool> flags() { return {members().edited, store().TestModif()}; }

    MembersPage *page = nullptr;
};

TEST_F(MembersPageTest, ComponentsAndTheNewMemberOfAnEmptyStore)
{
    for (const QString &name : QString("TabSheet1 Edit1 ComboBox1 Edit2 Edit3 Edit4 Edit5 Edit6 Edit7 Edit8 Edit9 "
                                       "Edit10 Edit11 Edit12 MaskEdit1 Edit14 MaskEdit2 RadioGroup1 Memo1 "
                                       "StringGrid1 Panel1 DateTimePicker2 Edit13 Edit15 SpeedButton1")
                                   .split(' '))
        EXPECT_EQ(fiche->findChildren<QWidget *>(name).size(), 1) << name.toStdString();
    QStringList items, captions;
    for (int i = 0; i < page->titleBox()->count(); ++i)
        items << page->titleBox()->itemText(i);
    for (QAbstractButton *b : page->categoryGroup()->buttons())
        captions << b->text();
    EXPECT_EQ(items, (QStringList{"M.", "Mme", "Mlle", "Sté", "Asso"}));
    EXPECT_EQ(captions, (QStringList{"Membre actif", "Membre bienfaiteur", "Membre honoraire", "Ancien membre"}));

    EXPECT_EQ(page->record().fixed, (QStringList{"10001", "", "", "", "", "", "", "", "", "", "", "", "",
                                                 "01/01/1900", "", "01/01/1900", "0"}));
    EXPECT_EQ(grid()->picker()->date(), QDate(2026, 3, 15));
    // Showing the first, empty, member is not an edit.
    EXPECT_FALSE(members().edited);
}

// ---- Reading -----------------------------------------------------------------------

TEST_F(MembersPageTest, ReadingShowsEveryUsableLineAndClearsTheEditedFlag)
{
    const QStringList memo{"Première ligne", "", QString(600, 'r')};
    members().edited = true;
    load(Kind::Member, block(0, fullFixed(10042) << "MEMO" + memo[0] << "MEMO" << "MEMO" + memo[2]
                                                 << "DATA01/02/2026\tDon\t15,50"));
    EXPECT_FALSE(members().edited);
    const BlockData shown = page->record();
    EXPECT_EQ(shown.fixed, fullFixed(10042));
    EXPECT_EQ(shown.memo, memo);
    EXPECT_EQ(shown.rows.value(0), (QStringList{"01/02/2026", "Don", "15,50"}));
    EXPECT_EQ(page->categoryGroup()->checkedButton()->text(), "Membre honoraire");

    // Dates and category are read only from a line they can use.
    const QString blank = "  /  /    ", newDate = "01/01/1900";
    const QList<QStringList> cases{// birth, renewal, category as stored; then as shown
                                   {"", "1/1/202", "12", newDate, newDate, "0"},
                                   {blank, "01/01/20", "", blank, "01/01/20  ", "0"},
                                   {"05/06/1970", blank, "3", "05/06/1970", blank, "3"},
                                   {"05/06/1970", "02/02/2027", "7", "05/06/1970", "02/02/2027", "0"}};
    for (const QStringList &c : cases) {
        QStringList fixed = fullFixed(10001);
        fixed[13] = c[0];
        fixed[15] = c[1];
        fixed[16] = c[2];
        load(Kind::Member, block(0, fixed));
        EXPECT_EQ(named("MaskEdit1")->displayText(), c[3]) << c[0].toStdString();
        EXPECT_EQ(named("MaskEdit2")->displayText(), c[4]) << c[1].toStdString();
        EXPECT_EQ(QString::number(page->category()), c[5]) << c[2].toStdString();
    }
}

TEST_F(MembersPageTest, DamagedBlocksAreShownAndWrittenBackWithoutHarmToOthers)
{
    const QString oddRow = "DATA01/01/2026\tA\tB\t3,00";
    const QString longMemo = "MEMO" + QString(3000, 'm');
    const QStringList odd = block(1, fullFixed(10002) << oddRow << longMemo);
    load(Kind::Member, block(0, {"A12", "Sté", "Court"}) + odd);

    // A stored number that is not digits is shown as it is, not replaced.
    EXPECT_EQ(edit(1)->text(), "A12");
    QTest::keyClicks(edit(4), "x");
    fiche->Suivant();
    EXPECT_EQ(store().lines(Kind::Member).toStringList().mid(19), odd);
    EXPECT_EQ(store().readBlock(Kind::Member, 0)->fixed.mid(0, 4), (QStringList{"A12", "Sté", "Court", "x"}));

    // Written back, the odd row keeps its extra cell and the memo its length.
    QTest::keyClicks(edit(4), "y");
    fiche->Precedent();
    const QStringList l = store().lines(Kind::Member).toStringList();
    EXPECT_EQ(l.mid(20, 17), fullFixed(10002).replaceInStrings("Hélène", "Hélèney"));
    EXPECT_EQ(l.mid(37, 2), (QStringList{longMemo, oddRow}));
}

TEST_F(MembersPageTest, ANewRecordIsEmptyAndWrittenOnlyOnceTypedInto)
{
    loadMembers(2);
    fiche->Dernier();
    fiche->Ajout();
    fiche->Ajout(); // twice without typing: the same new record
    EXPECT_EQ(members().count, 3);
    EXPECT_EQ(members().current, 2);
    EXPECT_EQ(page->record().fixed, Members::shown(std::nullopt, 10003).fixed);
    EXPECT_EQ(flags(), std::make_pair(false, false));
    EXPECT_TRUE(page->categoryGroup()->button(0)->isChecked());
    // Tab from "Echéance" reaches the checked category.
    edit(16)->setFocus();
    QTest::keyClick(edit(16), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), page->categoryGroup()->checkedButton());

    fiche->Precedent();
    EXPECT_EQ(store().countTags(Kind::Member), 2);
    fiche->Ajout();
    QTest::keyClicks(edit(3), "Neuf");
    fiche->Premier();
    EXPECT_EQ(storedName(2), "Neuf");
}

// ---- Edited flags and input rules ---------------------------------------------------

TEST_F(MembersPageTest, TypingMarksTheRecordAndTheStoreChoosingMarksTheRecord)
{
    loadMembers(2);
    const auto reset = [this] {
        fiche->LitFiche();
        store().markSaved();
    };
    for (QWidget *w : QList<QWidget *>{edit(7), edit(2), named("MaskEdit1"), page->remarks()}) {
        reset();
        w->setFocus();
        if (auto *line = qobject_cast<QLineEdit *>(w))
            line->setCursorPosition(0);
        QTest::keyClicks(w, "1");
        EXPECT_EQ(flags(), std::make_pair(true, true)) << w->objectName().toStdString();
    }
    // Choosing a title or a category changes the record too: closing asks to save.
    reset();
    QTest::keyClick(page->titleBox(), Qt::Key_Down);
    EXPECT_EQ(page->titleBox()->currentText(), "Sté");
    EXPECT_EQ(flags(), std::make_pair(true, true));
    reset();
    QTest::mouseClick(page->categoryGroup()->button(1), Qt::LeftButton);
    EXPECT_EQ(page->category(), 1);
    EXPECT_EQ(flags(), std::make_pair(true, true));
}

TEST_F(MembersPageTest, NumberTakesDigitsAndBackspaceOnlyAlsoWhenPasted)
{
    edit(1)->clear();
    QTest::keyClicks(edit(1), "12ab.3");
    EXPECT_EQ(edit(1)->text(), "123");
    QTest::keyClick(edit(1), Qt::Key_Backspace);
    edit(1)->insert("4x");
    EXPECT_EQ(edit(1)->text(), "12");
    edit(1)->insert("45");
    EXPECT_EQ(edit(1)->text(), "1245");
}

// ---- Payments ----------------------------------------------------------------------------

TEST_F(MembersPageTest, PaymentEntryNormalisesTheAmountIntoTheFirstFreeRow)
{
    QLineEdit *label = named("Edit13");
    QLineEdit *amount = named("Edit15");
    // Nothing without a label.
    label->setText("   ");
    QTest::keyClicks(amount, "5");
    QTest::keyClick(amount, Qt::Key_Return);
    EXPECT_TRUE(grid()->row(0).value(0).isEmpty());
    EXPECT_FALSE(members().edited);
    amount->clear();

    // Typed, shown, stored; the TAB of a label would shift the cells.
    const QList<QStringList> entries{
        {"12.5", "12,5", "12,50"}, {"7", "7", "7,00"}, {"12,345", "12,345", "12,34"}, {"1x,2,3", "1,23", "1,23"}};
    for (int i = 0; i < entries.size(); ++i) {
        label->setText(QStringLiteral("Ligne\t%1").arg(i));
        QTest::keyClicks(amount, entries[i][0]);
        EXPECT_EQ(amount->text(), entries[i][1]);
        if (i % 2)
            QTest::mouseClick(grid()->okButton(), Qt::LeftButton);
        else
            QTest::keyClick(amount, Qt::Key_Return);
        EXPECT_EQ(grid()->row(i), (QStringList{"15/03/2026", QStringLiteral("Ligne %1").arg(i), entries[i][2]}));
        EXPECT_TRUE(label->text().isEmpty() && amount->text().isEmpty());
    }
    EXPECT_EQ(flags(), std::make_pair(true, true));
}

TEST_F(MembersPageTest, AFullGridTakesNoMoreRowsAndDeleteEmptiesItsLastRow)
{
    QStringList data;
    QList<QStringList> rows;
    for (int r = 0; r < DatedGrid::kRows; ++r) {
        rows << QStringList{"01/01/2026", QStringLiteral("L%1").arg(r), "1,00"};
        data << "DATA" + rows.last().join('\t');
    }
    load(Kind::Member, block(0, fullFixed(10001) + data));
    named("Edit13")->setText("En trop");
    named("Edit15")->setText("2");
    QTest::mouseClick(grid()->okButton(), Qt::LeftButton);
    EXPECT_TRUE(members().edited);
    EXPECT_EQ(grid()->rows(), rows);

    store().markSaved();
    grid()->grid()->setCurrentCell(1, 0);
    QTest::keyClick(grid()->grid(), Qt::Key_Delete);
    EXPECT_TRUE(store().TestModif());
    fiche->EcritFiche();
    rows.removeAt(1);
    EXPECT_EQ(store().readBlock(Kind::Member, 0)->rows, rows);
}

// ---- Keys --------------------------------------------------------------------------------

TEST_F(MembersPageTest, NavigationKeysWorkFromEveryField)
{
    loadMembers(3);
    QList<QWidget *> fields;
    for (int p = 1; p <= 16; ++p)
        fields << edit(p);
    fields << page->categoryGroup()->button(2) << page->remarks() << grid()->grid() << grid()->picker()
           << named("Edit13") << named("Edit15");
    // Key, modifiers, member shown after it; Home and End move only with Ctrl alone.
    const QList<std::tuple<Qt::Key, Qt::KeyboardModifiers, int>> keys{
        {Qt::Key_PageDown, {}, 2},          {Qt::Key_PageUp, {}, 1},  {Qt::Key_End, Qt::ControlModifier, 2},
        {Qt::Key_Home, Qt::ShiftModifier, 2}, {Qt::Key_Home, {}, 2}, {Qt::Key_Home, Qt::ControlModifier, 0},
        {Qt::Key_End, {}, 0}};
    for (QWidget *w : fields) {
        const std::string name = w->objectName().toStdString();
        members().current = 1;
        fiche->LitFiche();
        for (const auto &[key, modifiers, shown] : keys) {
            QTest::keyClick(w, key, modifiers);
            EXPECT_EQ(members().current, shown) << name << " key " << key;
        }
        ModalWatcher list;
        QTest::keyClick(w, Qt::Key_F2);
        EXPECT_EQ(list.seenTitle(), "Liste des adhérents") << name;
    }
    EXPECT_EQ(storedName(0), "Nom0");
    // Home and End alone move the caret.
    edit(3)->setCursorPosition(2);
    QTest::keyClick(edit(3), Qt::Key_End);
    EXPECT_EQ(edit(3)->cursorPosition(), 4);
    QTest::keyClick(edit(3), Qt::Key_Home);
    EXPECT_EQ(edit(3)->cursorPosition(), 0);
}

// ---- Write-back moments, appending and deleting ------------------------------------------

TEST_F(MembersPageTest, TheRecordIsWrittenBackBeforeEveryMoveAndPageSwitch)
{
    loadMembers(3);
    const QList<std::function<void()>> moments{[this] { fiche->Suivant(); }, [this] { fiche->Premier(); },
                                               [this] { fiche->Partenaires(); }, [this] { fiche->Ajout(); }};
    for (int i = 0; i < moments.size(); ++i) {
        fiche->Adherents();
        members().current = 0;
        fiche->LitFiche();
        edit(8)->setFocus();
        edit(8)->selectAll();
        QTest::keyClicks(edit(8), QStringLiteral("Ville%1").arg(i));
        moments[i]();
        EXPECT_EQ(stored(Kind::Member, 0, 8), QStringLiteral("Ville%1").arg(i)) << i;
    }
    EXPECT_EQ(members().count, 4);
    EXPECT_EQ(members().current, 3);
    EXPECT_EQ(edit(1)->text(), "10004");
    EXPECT_TRUE(page->appendField()->hasFocus());
}

TEST_F(MembersPageTest, DeletingShowsTheMemberThatTookTheBlockOrANewOne)
{
    loadMembers(10);
    members().current = 3;
    fiche->LitFiche();
    fiche->Supprime();
    EXPECT_EQ(members().count, 9);
    EXPECT_EQ(edit(3)->text(), "Nom4");
    EXPECT_EQ(edit(1)->text(), "10005");

    loadMembers(1);
    fiche->Supprime();
    EXPECT_EQ(members().count, 1);
    EXPECT_EQ(page->record().fixed.mid(0, 3), (QStringList{"10001", "", ""}));
}

TEST_F(MembersPageTest, WithOneMemberLastDoesNothingAndNextStays)
{
    loadMembers(1);
    QTest::keyClicks(edit(3), "X");
    fiche->Dernier();
    EXPECT_EQ(storedName(0), "Nom0");
    fiche->Suivant();
    EXPECT_EQ(storedName(0), "Nom0X");
    EXPECT_EQ(members().current, 0);
}

TEST_F(MembersPageTest, PasteGivesTheCopiedContactANewNumber)
{
    loadMembers(2);
    fiche->Coller(); // nothing copied yet: the record stays as it is
    EXPECT_EQ(edit(3)->text(), "Nom0");
    EXPECT_FALSE(members().edited);

    fiche->Copier();
    fiche->Ajout();
    store().markSaved();
    fiche->Coller();
    EXPECT_EQ(flags(), std::make_pair(true, true));
    fiche->Premier();
    // Title and "Nom" to "Email" are copied; dates, profession and category are not.
    QStringList expected = fullFixed(10003).replaceInStrings("Lefèvre", "Nom0");
    expected[13] = expected[15] = "01/01/1900";
    expected[14] = "";
    expected[16] = "0";
    EXPECT_EQ(store().readBlock(Kind::Member, 2)->fixed, expected);
    // Pasted onto a member that exists, the contact takes a new number too.
    fiche->Coller();
    EXPECT_EQ(edit(1)->text(), "10004");
}

// ---- Files -----------------------------------------------------------------------------------

TEST_F(MembersPageTest, EveryFieldTypedIsWrittenBackAtSaving)
{
    page->titleBox()->setCurrentText("Asso");
    for (int p : {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13})
        typeInto(edit(p), QStringLiteral("Champ %1").arg(p));
    // A line break pasted into a field would split the block.
    typeInto(edit(4), "Dupont\r\nJean");
    typeInto(edit(15), "Luthier\nluthière");
    // An erased date keeps the blanks of its mask.
    for (int p : {14, 16}) {
        edit(p)->selectAll();
        QTest::keyClick(edit(p), Qt::Key_Backspace);
    }
    QTest::mouseClick(page->categoryGroup()->button(3), Qt::LeftButton);
    page->remarks()->setPlainText("Ligne 1\n\nLigne 3 € œ");

    QTemporaryDir dir;
    ASSERT_TRUE(fiche->Sauve(dir.filePath("club.adh")));
    EXPECT_FALSE(store().TestModif());
    QStringList expected{"10001", "Asso"};
    for (int p : {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13})
        expected << QStringLiteral("Champ %1").arg(p);
    expected[3] = "Dupont  Jean";
    expected << "  /  /    " << "Luthier luthière" << "  /  /    " << "3";
    const BlockData written = *store().readBlock(Kind::Member, 0);
    EXPECT_EQ(written.fixed, expected);
    EXPECT_EQ(written.memo, (QStringList{"Ligne 1", "", "Ligne 3 € œ"}));
}

} // namespace
