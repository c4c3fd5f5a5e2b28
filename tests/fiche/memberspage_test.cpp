// The record window on the members page: a new record, the number's digits,
// the payment entry line, the keys, the moments a record is written back,
// deleting, and each page's own copy and paste.

#include "support/recordpages.h"

namespace {

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
            lines += member(i, QString::number(10001 + i), QStringLiteral("Nom%1").arg(i),
                            {{8, "Brest"}, {12, "x@y.fr"}, {14, "12/07/1985"}, {15, "Luthier"}, {17, "2"}});
        load(Kind::Member, lines);
    }
    QString storedName(int n) { return stored(Kind::Member, n, MemberField::Nom); }
    std::pair<bool, bool> flags() { return {members().edited, store().TestModif()}; }

    MembersPage *page = nullptr;
};

TEST_F(MembersPageTest, ANewRecordIsShownEmptyAndWrittenOnlyOnceTypedInto)
{
    // Showing the first, empty, member of a new store is not an edit.
    EXPECT_FALSE(members().edited);

    loadMembers(2);
    fiche->Dernier();
    fiche->Ajout();
    fiche->Ajout(); // twice without typing: the same new record
    EXPECT_EQ(std::make_pair(members().count, members().current), std::make_pair(3, 2));
    EXPECT_EQ(page->record().fixed, Members::shown(std::nullopt, 10003).fixed);
    EXPECT_EQ(flags(), std::make_pair(false, false));
    // Tab from "Echéance" reaches the checked category.
    edit(MemberField::Echeance)->setFocus();
    QTest::keyClick(edit(MemberField::Echeance), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), page->categoryGroup()->button(0));

    fiche->Precedent();
    EXPECT_EQ(store().countTags(Kind::Member), 2);
    fiche->Ajout();
    QTest::keyClicks(edit(MemberField::Nom), "Neuf");
    fiche->Premier();
    EXPECT_EQ(storedName(2), "Neuf");
}

TEST_F(MembersPageTest, NumberTakesDigitsAndBackspaceOnlyAlsoWhenPasted)
{
    edit(1)->clear();
    QTest::keyClicks(edit(1), "12ab.3");
    EXPECT_EQ(edit(1)->text(), "123");
    QTest::keyClick(edit(1), Qt::Key_Backspace);
    edit(1)->insert("4x");
    EXPECT_EQ(edit(1)->text(), "12");
}

TEST_F(MembersPageTest, PaymentEntryGoesToTheFirstFreeRowUntilTheGridIsFull)
{
    QLineEdit *label = named("Edit13"), *amount = named("Edit15");
    label->setText("   "); // nothing without a label
    QTest::keyClicks(amount, "5");
    QTest::keyClick(amount, Qt::Key_Return);
    EXPECT_TRUE(grid()->row(0).value(0).isEmpty());
    EXPECT_FALSE(members().edited);
    amount->clear();
    // Typed, shown, stored; the TAB of a label would shift the cells.
    const QList<QStringList> entries{{"12.5", "12,5", "12,50"}, {"1x,2,3", "1,23", "1,23"}};
    for (int i = 0; i < entries.size(); ++i) {
        label->setText(QStringLiteral("Ligne\t%1").arg(i));
        QTest::keyClicks(amount, entries[i][0]);
        EXPECT_EQ(amount->text(), entries[i][1]);
        i ? QTest::mouseClick(grid()->okButton(), Qt::LeftButton) : QTest::keyClick(amount, Qt::Key_Return);
        EXPECT_EQ(grid()->row(i), (QStringList{"15/03/2026", QStringLiteral("Ligne %1").arg(i), entries[i][2]}));
        EXPECT_TRUE(label->text().isEmpty() && amount->text().isEmpty());
    }
    EXPECT_EQ(flags(), std::make_pair(true, true));

    QList<QStringList> rows;
    for (int r = 0; r < DatedGrid::kRows; ++r)
        rows << QStringList{"01/01/2026", QStringLiteral("L%1").arg(r), "1,00"};
    grid()->setRows(rows);
    label->setText("En trop");
    amount->setText("2");
    QTest::mouseClick(grid()->okButton(), Qt::LeftButton);
    EXPECT_EQ(grid()->rows(), rows);
    // Delete empties the row of the cursor; the rows below move up.
    store().markSaved();
    grid()->grid()->setCurrentCell(1, 0);
    QTest::keyClick(grid()->grid(), Qt::Key_Delete);
    rows.removeAt(1);
    EXPECT_EQ(grid()->rows(), rows + QList<QStringList>({{"", "", ""}}));
    EXPECT_TRUE(store().TestModif());
}

TEST_F(MembersPageTest, KeysMoveWithCtrlForHomeAndEndAndF2ListsTheKindShown)
{
    loadMembers(3);
    members().current = 1;
    fiche->LitFiche();
    // Key, modifiers, member shown after it.
    const QList<std::tuple<Qt::Key, Qt::KeyboardModifiers, int>> keys{
        {Qt::Key_PageDown, {}, 2},            {Qt::Key_PageUp, {}, 1}, {Qt::Key_End, Qt::ControlModifier, 2},
        {Qt::Key_Home, Qt::ShiftModifier, 2}, {Qt::Key_Home, {}, 2},   {Qt::Key_Home, Qt::ControlModifier, 0},
        {Qt::Key_End, {}, 0}};
    QLineEdit *name = edit(MemberField::Nom);
    for (const auto &[key, modifiers, shown] : keys) {
        QTest::keyClick(name, key, modifiers);
        EXPECT_EQ(members().current, shown) << key;
    }
    // Home and End alone move the caret.
    name->setCursorPosition(2);
    QTest::keyClick(name, Qt::Key_End);
    EXPECT_EQ(name->cursorPosition(), 4);
    QTest::keyClick(name, Qt::Key_Home);
    EXPECT_EQ(name->cursorPosition(), 0);

    for (const auto &[kind, title] : {std::pair{Kind::Member, "Liste des adhérents"}, {Kind::Receipt, "Liste des Reçus"}}) {
        kind == Kind::Member ? fiche->Adherents() : fiche->Recus();
        ModalWatcher list;
        QTest::keyClick(fiche->page(kind)->firstField(), Qt::Key_F2);
        EXPECT_EQ(list.seenTitle(), title);
    }
}

TEST_F(MembersPageTest, TheRecordIsWrittenBackBeforeEveryMoveAndPageSwitchAndDeletingShowsTheNext)
{
    loadMembers(3);
    const QList<std::function<void()>> moments{[this] { fiche->Suivant(); }, [this] { fiche->Premier(); },
                                               [this] { fiche->Partenaires(); }, [this] { fiche->Ajout(); }};
    for (int i = 0; i < moments.size(); ++i) {
        fiche->Adherents();
        members().current = 0;
        fiche->LitFiche();
        typeInto(edit(MemberField::Ville), QStringLiteral("Ville%1").arg(i));
        moments[i]();
        EXPECT_EQ(stored(Kind::Member, 0, MemberField::Ville), QStringLiteral("Ville%1").arg(i)) << i;
    }
    EXPECT_EQ(members().count, 4);
    EXPECT_TRUE(edit(1)->text() == "10004" && page->appendField()->hasFocus());

    // With one member, "Dernier" does nothing and "Suivant" stays on it.
    loadMembers(1);
    QTest::keyClicks(edit(MemberField::Nom), "X");
    fiche->Dernier();
    EXPECT_EQ(storedName(0), "Nom0");
    fiche->Suivant();
    EXPECT_EQ(storedName(0) + QString::number(members().current), "Nom0X0");

    // Deleting shows the member that took the block, or a new one.
    loadMembers(5);
    members().current = 3;
    fiche->LitFiche();
    fiche->Supprime();
    EXPECT_EQ(members().count, 4);
    EXPECT_EQ(edit(MemberField::Nom)->text() + edit(1)->text(), "Nom410005");
    loadMembers(1);
    fiche->Supprime();
    EXPECT_EQ(members().count, 1);
    EXPECT_EQ(page->record().fixed.mid(0, 3), (QStringList{"10001", "", ""}));
}

TEST_F(MembersPageTest, EachPagePastesWhatItsOwnCopyTookWithTheNextNumber)
{
    loadMembers(2);
    fiche->Coller(); // nothing copied yet: the record stays as it is
    EXPECT_EQ(edit(MemberField::Nom)->text(), "Nom0");
    EXPECT_FALSE(members().edited);
    page->titleBox()->setCurrentText("Mme");
    fiche->Copier();

    // A partner copied meanwhile goes to the partners' own copy.
    fiche->Partenaires();
    load(Kind::Partner, block(Kind::Partner, 0, {{1, "10001"}, {2, "Alpha"}, {8, "Brest"}, {12, "x@y.fr"}}));
    fiche->Copier();
    fiche->Ajout();
    EXPECT_EQ(fiche->partnersPage()->field(1)->text(), "10002");
    store().markSaved();
    fiche->Coller();
    EXPECT_TRUE(state(Kind::Partner).edited && store().TestModif());
    fiche->Premier();
    EXPECT_EQ(store().readBlock(Kind::Partner, 1)->fixed, record(Kind::Partner, {{1, "10002"}, {2, "Alpha"}, {8, "Brest"},
                                                                                 {12, "x@y.fr"}}).fixed);

    fiche->Adherents();
    fiche->Ajout();
    store().markSaved();
    fiche->Coller();
    EXPECT_EQ(flags(), std::make_pair(true, true));
    fiche->Premier();
    // Title and "Nom" to "Email" are copied; dates, profession and category are not.
    BlockData expected = Members::shown(std::nullopt, 10003);
    for (const auto &[p, text] : Fields{{2, "Mme"}, {3, "Nom0"}, {8, "Brest"}, {12, "x@y.fr"}})
        expected.setField(p, text);
    EXPECT_EQ(store().readBlock(Kind::Member, 2)->fixed, expected.fixed);
    // Pasted onto a member that exists, the contact takes a new number too.
    fiche->Coller();
    EXPECT_EQ(edit(1)->text(), "10004");
}

} // namespace
