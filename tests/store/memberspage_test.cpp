// The members page driven as the user drives it: fields, input rules, edited
// flags, the payment entry line, the keys, and the moments the record is
// written back into the store and the files.

#include "core/cp1252.h"
#include "store/ui/datedgrid.h"
#include "store/ui/memberspage.h"
#include "store/ui/tfiche.h"
#include "support/fakedialogs.h"
#include "support/modal.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <functional>
#include <memory>

namespace {

QString open(int n) { return QStringLiteral("<BLOC%1>").arg(n, 4, 10, QLatin1Char('0')); }
QString close(int n) { return QStringLiteral("</BLOC%1>").arg(n, 4, 10, QLatin1Char('0')); }

// Fixed lines 1 to 17 of a member with every field filled.
QStringList fullFixed(int number)
{
    return {QString::number(number), QStringLiteral("Mlle"), QStringLiteral("Lefèvre"), QStringLiteral("Hélène"),
            QStringLiteral("3 rue des Écoles"), QStringLiteral("Bât. B"), QStringLiteral("75005"),
            QStringLiteral("Paris"), QStringLiteral("01 43 00 00 01"), QStringLiteral("01 43 00 00 02"),
            QStringLiteral("06 00 00 00 03"), QStringLiteral("www.exemple.fr"), QStringLiteral("h@exemple.fr"),
            QStringLiteral("12/07/1985"), QStringLiteral("Œnologue"), QStringLiteral("31/12/2026"),
            QStringLiteral("2")};
}

QStringList block(int n, const QStringList &fixed, const QStringList &extra = {})
{
    return QStringList{open(n)} + fixed + extra + QStringList{close(n)};
}

class MembersPageTest : public VelmoraTest
{
protected:
    void SetUp() override
    {
        VelmoraTest::SetUp();
        fiche = std::make_unique<TFiche>();
        fiche->resize(1000, 800);
        fiche->show();
        QApplication::setActiveWindow(fiche.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(fiche.get()));
        page = fiche->membersPage();
    }
    void TearDown() override
    {
        fiche.reset();
        VelmoraTest::TearDown();
    }

    RecordStore &store() { return fiche->store(); }
    KindState &members() { return store().state(Kind::Member); }
    QLineEdit *edit(int position) { return page->field(position); }
    QLineEdit *named(const char *name) { return fiche->findChild<QLineEdit *>(QLatin1String(name)); }
    DatedGrid *grid() { return page->payments(); }

    // n members, block i named "Nom<i>" and numbered 10001 + i, shown from block 0.
    void loadMembers(int n)
    {
        QStringList lines;
        for (int i = 0; i < n; ++i) {
            QStringList fixed = fullFixed(10001 + i);
            fixed[2] = QStringLiteral("Nom%1").arg(i);
            lines += block(i, fixed);
        }
        loadLines(lines);
    }
    void loadLines(const QStringList &lines)
    {
        store().MemberLines().setStringList(lines);
        members().count = store().countTags(Kind::Member);
        members().current = 0;
        store().StoreModified = false;
        fiche->LitFiche();
    }
    QString storedName(int n) { return store().readBlock(Kind::Member, n).value_or(BlockData()).fixed.value(2); }
    void typeInto(QWidget *w, const QString &text) { QTest::keyClicks(w, text); }

    std::unique_ptr<TFiche> fiche;
    MembersPage *page = nullptr;
};

// ---- The page's components ---------------------------------------------------------

TEST_F(MembersPageTest, ComponentsCarryTheirNamesOnceInTheWindow)
{
    const char *names[] = {"TabSheet1", "Edit1",  "ComboBox1", "Edit2",  "Edit3",     "Edit4",   "Edit5",
                           "Edit6",     "Edit7",  "Edit8",     "Edit9",  "Edit10",    "Edit11",  "Edit12",
                           "MaskEdit1", "Edit14", "MaskEdit2", "RadioGroup1", "Memo1", "StringGrid1", "Panel1",
                           "DateTimePicker2", "Edit13", "Edit15", "SpeedButton1"};
    for (const char *name : names)
        EXPECT_EQ(fiche->findChildren<QWidget *>(QLatin1String(name)).size(), 1) << name;

    QStringList items;
    for (int i = 0; i < page->titleBox()->count(); ++i)
        items << page->titleBox()->itemText(i);
    EXPECT_EQ(items, (QStringList{QStringLiteral("M."), QStringLiteral("Mme"), QStringLiteral("Mlle"),
                                  QStringLiteral("Sté"), QStringLiteral("Asso")}));
    EXPECT_TRUE(page->titleBox()->isEditable());
    QStringList captions;
    for (QAbstractButton *b : page->categoryGroup()->buttons())
        captions << b->text();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Membre actif"), QStringLiteral("Membre bienfaiteur"),
                                     QStringLiteral("Membre honoraire"), QStringLiteral("Ancien membre")}));

    // An empty store shows a new member.
    EXPECT_EQ(edit(1)->text(), QStringLiteral("10001"));
    EXPECT_EQ(page->titleBox()->currentText(), QStringLiteral("M."));
    EXPECT_EQ(named("MaskEdit1")->displayText(), QStringLiteral("01/01/1900"));
    EXPECT_EQ(named("MaskEdit2")->displayText(), QStringLiteral("01/01/1900"));
    EXPECT_EQ(page->category(), 0);
    EXPECT_EQ(grid()->picker()->date(), QDate(2026, 3, 15));
    EXPECT_FALSE(members().edited);
}

// ---- Reading -----------------------------------------------------------------------

TEST_F(MembersPageTest, ReadingFillsEveryFieldAndClearsTheEditedFlag)
{
    const QStringList memo{QStringLiteral("Première ligne"), QString(), QString(600, QLatin1Char('r'))};
    const QList<QStringList> rows{{QStringLiteral("01/02/2026"), QStringLiteral("Cotisation"), QStringLiteral("30,00")},
                                  {QStringLiteral("02/02/2026"), QStringLiteral("Don"), QStringLiteral("15,50")}};
    QStringList extra;
    for (const QString &m : memo)
        extra << QStringLiteral("MEMO") + m;
    for (const QStringList &r : rows)
        extra << QStringLiteral("DATA") + r.join(QLatin1Char('\t'));
    members().edited = true;
    loadLines(block(0, fullFixed(10042), extra));

    EXPECT_FALSE(members().edited);
    const BlockData shown = page->record();
    EXPECT_EQ(shown.fixed, fullFixed(10042));
    EXPECT_EQ(shown.memo, memo);
    EXPECT_EQ(shown.rows.mid(0, 2), rows);
    EXPECT_EQ(page->remarks()->toPlainText(), memo.join(QLatin1Char('\n')));
    EXPECT_EQ(page->categoryGroup()->checkedButton()->text(), QStringLiteral("Membre honoraire"));
}

TEST_F(MembersPageTest, DatesAndCategoryAreReadOnlyWhenTheirLineIsUsable)
{
    struct Case
    {
        QString birth, renewal, category;
        QString shownBirth, shownRenewal;
        int shownCategory;
    };
    const QString blank = QStringLiteral("  /  /    ");
    const QString newDate = QStringLiteral("01/01/1900");
    const QList<Case> cases{
        {QString(), QStringLiteral("1/1/202"), QStringLiteral("12"), newDate, newDate, 0},
        {blank, QStringLiteral("01/01/20"), QString(), blank, QStringLiteral("01/01/20  "), 0},
        {QStringLiteral("05/06/1970"), blank, QStringLiteral("3"), QStringLiteral("05/06/1970"), blank, 3},
        {QStringLiteral("05/06/1970"), QStringLiteral("02/02/2027"), QStringLiteral("7"), QStringLiteral("05/06/1970"),
         QStringLiteral("02/02/2027"), 0},
    };
    for (const Case &c : cases) {
        QStringList fixed = fullFixed(10001);
        fixed[13] = c.birth;
        fixed[15] = c.renewal;
        fixed[16] = c.category;
        loadLines(block(0, fixed));
        EXPECT_EQ(named("MaskEdit1")->displayText(), c.shownBirth) << c.birth.toStdString();
        EXPECT_EQ(named("MaskEdit2")->displayText(), c.shownRenewal) << c.renewal.toStdString();
        EXPECT_EQ(page->category(), c.shownCategory) << c.category.toStdString();
    }
}

TEST_F(MembersPageTest, DamagedBlocksAreShownAndWrittenBackWithoutHarmToOthers)
{
    const QString oddRow = QStringLiteral("DATA01/01/2026\tA\tB\t3,00");
    const QStringList cut{open(0), QStringLiteral("A12"), QStringLiteral("Sté"), QStringLiteral("Court"), close(0)};
    const QStringList odd = block(1, fullFixed(10002), {oddRow, QStringLiteral("MEMO") + QString(3000, QLatin1Char('m'))});
    loadLines(cut + odd);

    // A stored number that is not digits is shown as it is, not replaced.
    EXPECT_EQ(edit(1)->text(), QStringLiteral("A12"));
    EXPECT_EQ(edit(3)->text(), QStringLiteral("Court"));
    typeInto(edit(4), QStringLiteral("x"));
    fiche->Suivant();
    EXPECT_EQ(store().lines(Kind::Member).toStringList().mid(19), odd);
    EXPECT_EQ(store().readBlock(Kind::Member, 0)->fixed.mid(0, 4),
              (QStringList{QStringLiteral("A12"), QStringLiteral("Sté"), QStringLiteral("Court"), QStringLiteral("x")}));

    typeInto(edit(4), QStringLiteral("y"));
    fiche->Precedent();
    const QStringList l = store().lines(Kind::Member).toStringList();
    EXPECT_EQ(l.mid(20, 17), fullFixed(10002).replaceInStrings(QStringLiteral("Hélène"), QStringLiteral("Hélèney")));
    EXPECT_EQ(l.at(37), QStringLiteral("MEMO") + QString(3000, QLatin1Char('m')));
    EXPECT_EQ(l.at(38), oddRow);
}

TEST_F(MembersPageTest, AnErasedDateIsStoredAsTheEmptyMask)
{
    loadMembers(1);
    QLineEdit *birth = named("MaskEdit1");
    birth->selectAll();
    QTest::keyClick(birth, Qt::Key_Backspace);
    EXPECT_TRUE(members().edited);
    fiche->EcritFiche();
    EXPECT_EQ(store().readBlock(Kind::Member, 0)->fixed[13], QStringLiteral("  /  /    "));
    fiche->LitFiche();
    EXPECT_TRUE(birth->text().remove(QLatin1Char('/')).trimmed().isEmpty());
}

TEST_F(MembersPageTest, ANewRecordIsMarkedEditedOnlyWhenItsDefaultsChangedTheShownValues)
{
    QStringList plain = fullFixed(10001);
    plain[1] = QStringLiteral("M.");
    plain[13] = plain[15] = QStringLiteral("01/01/1900");
    plain[16] = QStringLiteral("0");
    loadLines(block(0, plain));
    fiche->Ajout();
    EXPECT_FALSE(members().edited);
    fiche->Precedent();
    EXPECT_EQ(store().countTags(Kind::Member), 1);

    // Here the title, dates and category of member 0 differ from a new record's.
    loadMembers(1);
    fiche->Ajout();
    EXPECT_TRUE(members().edited);
    EXPECT_FALSE(store().StoreModified);
    fiche->Precedent();
    EXPECT_EQ(store().countTags(Kind::Member), 2);
    EXPECT_EQ(store().readBlock(Kind::Member, 1)->fixed[1], QStringLiteral("M."));
}

// ---- Edited flags and input rules ---------------------------------------------------

TEST_F(MembersPageTest, TypingMarksTheRecordAndTheStoreChoosingMarksTheRecord)
{
    loadMembers(2);
    const auto flags = [this] { return std::make_pair(members().edited, store().StoreModified); };
    const auto reset = [this] {
        fiche->LitFiche();
        store().StoreModified = false;
    };
    for (QWidget *w : {static_cast<QWidget *>(edit(7)), static_cast<QWidget *>(edit(2)),
                       static_cast<QWidget *>(named("MaskEdit1")), static_cast<QWidget *>(page->remarks())}) {
        reset();
        w->setFocus();
        if (auto *line = qobject_cast<QLineEdit *>(w))
            line->setCursorPosition(0);
        typeInto(w, QStringLiteral("1"));
        EXPECT_EQ(flags(), std::make_pair(true, true)) << w->objectName().toStdString();
    }

    reset();
    QTest::keyClick(page->titleBox(), Qt::Key_Down);
    EXPECT_EQ(page->titleBox()->currentText(), QStringLiteral("Sté"));
    EXPECT_EQ(flags(), std::make_pair(true, false));

    reset();
    QTest::mouseClick(page->categoryGroup()->button(1), Qt::LeftButton);
    EXPECT_EQ(page->category(), 1);
    EXPECT_EQ(flags(), std::make_pair(true, false));

    // Filling the page is not the user's typing.
    reset();
    fiche->Suivant();
    EXPECT_EQ(flags(), std::make_pair(false, false));
}

TEST_F(MembersPageTest, NumberTakesDigitsAndBackspaceOnly)
{
    QLineEdit *number = edit(1);
    number->clear();
    typeInto(number, QStringLiteral("12ab.3"));
    EXPECT_EQ(number->text(), QStringLiteral("123"));
    QTest::keyClick(number, Qt::Key_Backspace);
    EXPECT_EQ(number->text(), QStringLiteral("12"));
    number->insert(QStringLiteral("4x"));
    EXPECT_EQ(number->text(), QStringLiteral("12"));
    number->insert(QStringLiteral("45"));
    EXPECT_EQ(number->text(), QStringLiteral("1245"));
}

TEST_F(MembersPageTest, ALineBreakPastedIntoAFieldCannotSplitTheBlock)
{
    loadMembers(2);
    edit(3)->selectAll();
    edit(3)->insert(QStringLiteral("Dupont\r\nJean"));
    EXPECT_TRUE(members().edited);
    fiche->Suivant();
    RecordStore copy;
    copy.MemberLines().setBytes(store().lines(Kind::Member).toBytes());
    const auto data = copy.readBlock(Kind::Member, 0);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->fixed[2], QStringLiteral("Dupont  Jean"));
    EXPECT_EQ(data->fixed[3], QStringLiteral("Hélène"));
    EXPECT_EQ(copy.countTags(Kind::Member), 2);
}

// ---- Payments ----------------------------------------------------------------------------

TEST_F(MembersPageTest, PaymentEntryNormalisesTheAmountIntoTheFirstFreeRow)
{
    QLineEdit *label = named("Edit13");
    QLineEdit *amount = named("Edit15");
    struct Entry
    {
        QString typed, shown, stored;
    };
    const QList<Entry> entries{{QStringLiteral("12.5"), QStringLiteral("12,5"), QStringLiteral("12,50")},
                               {QStringLiteral("7"), QStringLiteral("7"), QStringLiteral("7,00")},
                               {QStringLiteral("12,345"), QStringLiteral("12,345"), QStringLiteral("12,34")},
                               {QStringLiteral("1x,2,3"), QStringLiteral("1,23"), QStringLiteral("1,23")}};
    for (int i = 0; i < entries.size(); ++i) {
        label->setText(QStringLiteral("Ligne\t%1").arg(i));
        typeInto(amount, entries[i].typed);
        EXPECT_EQ(amount->text(), entries[i].shown);
        if (i % 2)
            QTest::mouseClick(grid()->okButton(), Qt::LeftButton);
        else
            QTest::keyClick(amount, Qt::Key_Return);
        EXPECT_EQ(grid()->row(i), (QStringList{QStringLiteral("15/03/2026"), QStringLiteral("Ligne %1").arg(i),
                                               entries[i].stored}));
        EXPECT_TRUE(label->text().isEmpty());
        EXPECT_TRUE(amount->text().isEmpty());
    }
    EXPECT_TRUE(members().edited);
    EXPECT_TRUE(store().StoreModified);
}

TEST_F(MembersPageTest, PaymentEntryNeedsALabelAndAnAmount)
{
    named("Edit13")->setText(QStringLiteral("   "));
    typeInto(named("Edit15"), QStringLiteral("5"));
    QTest::keyClick(named("Edit15"), Qt::Key_Return);
    EXPECT_TRUE(grid()->row(0).value(0).isEmpty());
    EXPECT_FALSE(members().edited);
    EXPECT_EQ(named("Edit15")->text(), QStringLiteral("5"));
}

TEST_F(MembersPageTest, AFullGridTakesNoMoreRowsButMarksTheRecord)
{
    QList<QStringList> rows;
    for (int r = 0; r < DatedGrid::kRows; ++r)
        rows << QStringList{QStringLiteral("01/01/2026"), QStringLiteral("L%1").arg(r), QStringLiteral("1,00")};
    QStringList extra;
    for (const QStringList &r : rows)
        extra << QStringLiteral("DATA") + r.join(QLatin1Char('\t'));
    loadLines(block(0, fullFixed(10001), extra));
    EXPECT_EQ(grid()->rows(), rows);

    named("Edit13")->setText(QStringLiteral("En trop"));
    named("Edit15")->setText(QStringLiteral("2"));
    QTest::mouseClick(grid()->okButton(), Qt::LeftButton);
    EXPECT_EQ(grid()->rows(), rows);
    EXPECT_TRUE(members().edited);
    fiche->EcritFiche();
    EXPECT_EQ(store().readBlock(Kind::Member, 0)->rows, rows);
}

TEST_F(MembersPageTest, DeleteInTheGridRemovesTheSelectedRow)
{
    const QList<QStringList> rows{{QStringLiteral("01/01/2026"), QStringLiteral("A"), QStringLiteral("1,00")},
                                  {QStringLiteral("02/01/2026"), QStringLiteral("B"), QStringLiteral("2,00")},
                                  {QStringLiteral("03/01/2026"), QStringLiteral("C"), QStringLiteral("3,00")}};
    QStringList extra;
    for (const QStringList &r : rows)
        extra << QStringLiteral("DATA") + r.join(QLatin1Char('\t'));
    loadLines(block(0, fullFixed(10001), extra));
    grid()->grid()->setCurrentCell(1, 0);
    grid()->grid()->selectRow(1);
    QTest::keyClick(grid()->grid(), Qt::Key_Delete);
    EXPECT_EQ(grid()->row(0), rows[0]);
    EXPECT_EQ(grid()->row(1), rows[2]);
    EXPECT_TRUE(grid()->row(2).join(QString()).isEmpty());
    EXPECT_TRUE(members().edited);
    EXPECT_TRUE(store().StoreModified);
    fiche->EcritFiche();
    EXPECT_EQ(store().readBlock(Kind::Member, 0)->rows, (QList<QStringList>{rows[0], rows[2]}));
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
    for (QWidget *w : fields) {
        const std::string name = w->objectName().toStdString();
        members().current = 1;
        fiche->LitFiche();
        QTest::keyClick(w, Qt::Key_PageDown);
        EXPECT_EQ(members().current, 2) << name;
        QTest::keyClick(w, Qt::Key_PageUp);
        EXPECT_EQ(members().current, 1) << name;
        QTest::keyClick(w, Qt::Key_End, Qt::ControlModifier);
        EXPECT_EQ(members().current, 2) << name;
        QTest::keyClick(w, Qt::Key_Home, Qt::ControlModifier);
        EXPECT_EQ(members().current, 0) << name;
        {
            ModalWatcher list;
            QTest::keyClick(w, Qt::Key_F2);
            EXPECT_EQ(list.seenTitle(), QStringLiteral("Liste des adhérents")) << name;
        }
        QTest::keyClick(w, Qt::Key_End);
        QTest::keyClick(w, Qt::Key_Home, Qt::ShiftModifier);
        EXPECT_EQ(members().current, 0) << name;
        EXPECT_EQ(storedName(0), QStringLiteral("Nom0")) << name;
    }
    // Home and End alone move the caret.
    edit(3)->setCursorPosition(2);
    QTest::keyClick(edit(3), Qt::Key_End);
    EXPECT_EQ(edit(3)->cursorPosition(), 4);
    QTest::keyClick(edit(3), Qt::Key_Home);
    EXPECT_EQ(edit(3)->cursorPosition(), 0);
}

// ---- Write-back moments ---------------------------------------------------------------

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
        typeInto(edit(8), QStringLiteral("Ville%1").arg(i));
        moments[i]();
        EXPECT_EQ(store().readBlock(Kind::Member, 0)->fixed[7], QStringLiteral("Ville%1").arg(i)) << i;
    }
    EXPECT_EQ(members().count, 4);
    EXPECT_EQ(members().current, 3);
    EXPECT_EQ(edit(1)->text(), QStringLiteral("10004"));
    EXPECT_TRUE(page->appendField()->hasFocus());
}

TEST_F(MembersPageTest, LastDoesNothingWithFewerThanTwoMembers)
{
    loadMembers(1);
    typeInto(edit(3), QStringLiteral("X"));
    fiche->Dernier();
    EXPECT_EQ(storedName(0), QStringLiteral("Nom0"));
    EXPECT_EQ(edit(3)->text(), QStringLiteral("Nom0X"));
    fiche->Suivant();
    EXPECT_EQ(storedName(0), QStringLiteral("Nom0X"));
    EXPECT_EQ(members().current, 0);
}

TEST_F(MembersPageTest, TheFirstMemberOfANewStoreIsCountedWhenWritten)
{
    EXPECT_EQ(members().count, 0);
    typeInto(edit(3), QStringLiteral("Premier"));
    fiche->Ajout();
    EXPECT_EQ(members().count, 2);
    EXPECT_EQ(members().current, 1);
    EXPECT_EQ(storedName(0), QStringLiteral("Premier"));
    EXPECT_EQ(store().readBlock(Kind::Member, 0)->fixed[0], QStringLiteral("10001"));
    EXPECT_EQ(edit(1)->text(), QStringLiteral("10002"));
}

TEST_F(MembersPageTest, DeletingShowsTheMemberThatTookTheBlock)
{
    loadMembers(10);
    members().current = 3;
    fiche->LitFiche();
    fiche->Supprime();
    EXPECT_EQ(members().count, 9);
    EXPECT_EQ(edit(3)->text(), QStringLiteral("Nom4"));
    EXPECT_EQ(edit(1)->text(), QStringLiteral("10005"));

    loadMembers(1);
    fiche->Supprime();
    EXPECT_EQ(members().count, 1);
    EXPECT_TRUE(edit(3)->text().isEmpty());
    EXPECT_EQ(edit(1)->text(), QStringLiteral("10001"));
}

TEST_F(MembersPageTest, SelectionsChosenThroughTheWindowDriveTheMoves)
{
    QStringList lines;
    const QStringList codes{QStringLiteral("69001"), QStringLiteral("13001"), QStringLiteral("69001")};
    for (int i = 0; i < 3; ++i) {
        QStringList fixed = fullFixed(10001 + i);
        fixed[2] = QStringLiteral("Nom%1").arg(i);
        fixed[6] = codes[i];
        lines += block(i, fixed);
    }
    loadLines(lines);
    members().current = 1;
    dialogs().inputAnswers = {QStringLiteral("69001")};
    fiche->SetSel(2);
    fiche->Premier();
    EXPECT_EQ(edit(3)->text(), QStringLiteral("Nom0"));
    QTest::keyClick(edit(3), Qt::Key_PageDown);
    EXPECT_EQ(edit(3)->text(), QStringLiteral("Nom2"));
    QTest::keyClick(edit(3), Qt::Key_PageDown);
    EXPECT_EQ(edit(3)->text(), QStringLiteral("Nom2"));
}

// ---- Copy and paste ------------------------------------------------------------------------

TEST_F(MembersPageTest, PasteGivesTheCopiedContactANewNumber)
{
    loadMembers(2);
    fiche->Coller(); // nothing copied yet: the record stays as it is
    EXPECT_EQ(edit(3)->text(), QStringLiteral("Nom0"));
    EXPECT_EQ(edit(1)->text(), QStringLiteral("10001"));

    fiche->Copier();
    fiche->Ajout();
    store().StoreModified = false;
    fiche->Coller();
    EXPECT_EQ(edit(1)->text(), QStringLiteral("10003"));
    EXPECT_TRUE(members().edited);
    EXPECT_TRUE(store().StoreModified);
    fiche->Premier();

    const QStringList expected = fullFixed(10001);
    const BlockData pasted = *store().readBlock(Kind::Member, 2);
    EXPECT_EQ(pasted.fixed[0], QStringLiteral("10003"));
    EXPECT_EQ(pasted.fixed[2], QStringLiteral("Nom0"));
    EXPECT_EQ(pasted.fixed.mid(3, 10), expected.mid(3, 10));
    EXPECT_EQ(pasted.fixed[1], expected[1]);
    // Dates, profession and category are not copied.
    EXPECT_EQ(pasted.fixed.mid(13), (QStringList{QStringLiteral("01/01/1900"), QString(),
                                                 QStringLiteral("01/01/1900"), QStringLiteral("0")}));
}

// ---- Files -----------------------------------------------------------------------------------

TEST_F(MembersPageTest, AMemberWithEveryFieldSurvivesSaveAndLoad)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("club.adh"));

    page->titleBox()->setCurrentText(QStringLiteral("Asso"));
    for (int p = 3; p <= 16; ++p) {
        if (p == 14 || p == 16)
            continue;
        edit(p)->setFocus();
        typeInto(edit(p), QStringLiteral("Champ %1 ").arg(p));
        edit(p)->insert(QStringLiteral("é"));
    }
    edit(14)->selectAll();
    typeInto(edit(14), QStringLiteral("24121999"));
    edit(16)->selectAll();
    typeInto(edit(16), QStringLiteral("01042026"));
    QTest::mouseClick(page->categoryGroup()->button(3), Qt::LeftButton);
    page->remarks()->setPlainText(QStringLiteral("Ligne 1\n\nLigne 3 € œ ") + QString(400, QLatin1Char('z')));
    for (int i = 0; i < 3; ++i) {
        named("Edit13")->setText(QStringLiteral("Paiement %1").arg(i));
        named("Edit15")->setText(QStringLiteral("%1,5").arg(i));
        QTest::mouseClick(grid()->okButton(), Qt::LeftButton);
    }
    const BlockData typed = page->record();
    EXPECT_EQ(typed.fixed[13], QStringLiteral("24/12/1999"));
    EXPECT_EQ(typed.fixed[16], QStringLiteral("3"));

    ASSERT_TRUE(fiche->Sauve(file));
    EXPECT_FALSE(store().StoreModified);
    for (const char *ext : {"adh", "par", "atv", "jnl", "rcu"})
        EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("club.") + QLatin1String(ext)))) << ext;
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_TRUE(bytes.startsWith("<BLOC0000>\r\n10001\r\nAsso\r\nChamp 3 \xE9\r\n"));
    EXPECT_TRUE(bytes.contains("MEMOLigne 3 \x80 \x9C"));

    TFiche other;
    ASSERT_TRUE(other.Charge(file));
    const BlockData loaded = other.membersPage()->record();
    EXPECT_EQ(loaded.fixed, typed.fixed);
    EXPECT_EQ(loaded.memo, typed.memo);
    EXPECT_EQ(loaded.rows, typed.rows);
    EXPECT_EQ(loaded.rows[2], (QStringList{QStringLiteral("15/03/2026"), QStringLiteral("Paiement 2"),
                                           QStringLiteral("2,50")}));
    EXPECT_FALSE(other.store().state(Kind::Member).edited);
}

} // namespace
