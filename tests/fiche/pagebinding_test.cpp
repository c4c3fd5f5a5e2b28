// Each page bound to its records: a stored line shows in its widget, typing
// there marks the record and the store and writes back that line alone; the
// remarks and dated rows of each page; the record window's keys from every
// field.

#include "support/recordpages.h"

namespace {

struct Bound
{
    QString name;
    int position;
    QString typed; // empty: "L<position>", then a pasted line break
};

QString textOf(QWidget *w)
{
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->currentText();
    if (auto *d = qobject_cast<QDateTimeEdit *>(w))
        return d->text();
    return static_cast<QLineEdit *>(w)->displayText();
}

// As the user types or picks it.
void typeIn(QWidget *w, const QString &text)
{
    if (auto *c = qobject_cast<QComboBox *>(w))
        typeInto(c->lineEdit(), text);
    else if (auto *t = qobject_cast<QTimeEdit *>(w))
        t->setTime(QTime::fromString(text, "HH:mm:ss"));
    else if (auto *d = qobject_cast<QDateEdit *>(w))
        d->setDate(QDate::fromString(text, "dd/MM/yyyy"));
    else
        typeInto(static_cast<QLineEdit *>(w), text);
}

// Widgets Edit<first> to Edit<first + count - 1> on positions from `position`.
QList<Bound> edits(int first, int count, int position)
{
    QList<Bound> out;
    for (int i = 0; i < count; ++i)
        out.append({QStringLiteral("Edit%1").arg(first + i), position + i, {}});
    return out;
}

class PageBindingTest : public FicheTest
{
protected:
    void checkBinding(Kind kind, const QStringList &stored, const QList<Bound> &bound)
    {
        for (const Bound &b : bound) {
            // Reading clears the edited flag and marks nothing.
            state(kind).edited = true;
            load(kind, block(0, stored));
            ASSERT_FALSE(state(kind).edited || store().TestModif()) << b.name.toStdString();
            QWidget *w = fiche->page(kind)->findChild<QWidget *>(b.name);
            ASSERT_NE(w, nullptr) << b.name.toStdString();
            EXPECT_EQ(textOf(w), stored[b.position - 1]) << b.name.toStdString();
            const QString typed = b.typed.isEmpty() ? QStringLiteral("L%1\nsuite").arg(b.position) : b.typed;
            typeIn(w, typed);
            EXPECT_TRUE(state(kind).edited && store().TestModif()) << b.name.toStdString();
            fiche->writeBack(kind);
            QStringList expected = stored;
            expected[b.position - 1] = QString(typed).replace('\n', ' ');
            EXPECT_EQ(store().readBlock(kind, 0)->fixed, expected) << b.name.toStdString();
        }
    }
};

TEST_F(PageBindingTest, EveryFieldShowsItsLineAndWritesBackWhatIsTypedThere)
{
    const QStringList member{"A12", "Mlle", "Lefèvre", "Hélène", "3 rue des Écoles", "Bât. B", "75005", "Paris",
                             "01 43 00 00 01", "01 43 00 00 02", "06 00 00 00 03", "www.exemple.fr", "h@exemple.fr",
                             "12/07/1985", "Œnologue", "31/12/2026", "2"};
    checkBinding(Kind::Member, member,
                 edits(2, 11, MemberField::Nom)
                     + QList<Bound>{{"Edit1", 1, "10042"}, {"ComboBox1", 2, "Asso"}, {"MaskEdit1", 14, "05/06/1970"},
                                    {"Edit14", 15, {}}, {"MaskEdit2", 16, "01/01/2027"}});
    checkBinding(Kind::Partner,
                 {"A-12", "Boulangerie Lefèvre", "Lefèvre", "Hélène", "12 rue des Ormes", "Bât. B", "44000", "Nantes",
                  "02 40 00 00 00", "02 40 00 00 01", "www.lefevre.fr", "h@lefevre.fr"},
                 edits(16, 12, 1));
    checkBinding(Kind::Activity,
                 {"10001", "Gala", "Concert", "10001", "Alpha", "14/07/2026", "20:30:00", "15/07/2026", "01:00:00",
                  "  25,00", "  30,00", "   5,00", "120", "45"},
                 {{"Edit30", 1, {}}, {"Edit31", 2, {}}, {"ComboBox2", 3, "Spectacle"}, {"ComboBox3", 4, "10002"},
                  {"Edit32", 5, {}}, {"DateTimePicker3", 6, "01/08/2026"}, {"DateTimePicker5", 7, "09:05:00"},
                  {"DateTimePicker4", 8, "02/08/2026"}, {"DateTimePicker6", 9, "23:00:00"}, {"Edit35", 10, "12,5"},
                  {"Edit36", 11, "13"}, {"Edit37", 12, "1"}, {"Edit38", 13, "80"}, {"Edit39", 14, "50"}});
    checkBinding(Kind::Receipt, {"NUMR202603001", "10/03/2026", "Espèces", "Reçu", "Dupont", "Rue", "", "Paris"},
                 edits(40, 4, ReceiptField::Payer1)
                     + QList<Bound>{{"DateTimePicker8", 2, "11/03/2026"}, {"ComboBox4", 3, "Virement"}});

    // A title chosen from the list marks the record too; the category is the
    // index of its button; an erased date keeps the blanks of its mask.
    load(Kind::Member, block(0, member));
    MembersPage *page = fiche->membersPage();
    QTest::keyClick(page->titleBox(), Qt::Key_Down);
    EXPECT_EQ(page->titleBox()->currentText(), "Sté");
    EXPECT_TRUE(state(Kind::Member).edited && store().TestModif());
    load(Kind::Member, block(0, member));
    EXPECT_TRUE(page->categoryGroup()->button(2)->isChecked());
    page->categoryGroup()->button(3)->click();
    EXPECT_TRUE(state(Kind::Member).edited && store().TestModif());
    auto *birth = page->findChild<QLineEdit *>("MaskEdit1");
    birth->selectAll();
    QTest::keyClick(birth, Qt::Key_Backspace);
    fiche->EcritFiche();
    EXPECT_EQ(stored(Kind::Member, 0, MemberField::Categorie), "3");
    EXPECT_EQ(stored(Kind::Member, 0, MemberField::Naissance), "  /  /    ");
}

TEST_F(PageBindingTest, RemarksAndDatedRowsOfEachPage)
{
    for (const Kind kind : {Kind::Member, Kind::Partner, Kind::Activity}) {
        load(kind, block(0, QStringList(Layouts::of(kind).fixedCount)
                                + QStringList{"MEMOavant", "DATA01/01/2026\tDon\t5,00"}));
        auto *memo = fiche->page(kind)->findChild<QPlainTextEdit *>();
        auto *grid = fiche->page(kind)->findChild<DatedGrid *>();
        EXPECT_EQ(memo->toPlainText(), "avant");
        EXPECT_EQ(grid->row(0), (QStringList{"01/01/2026", "Don", "5,00"}));
        memo->moveCursor(QTextCursor::End);
        memo->insertPlainText("\nsuite");
        EXPECT_TRUE(state(kind).edited && store().TestModif());
        state(kind).edited = false;
        store().markSaved();
        typeInto(grid->labelEdit(), "Acompte");
        typeInto(grid->amountEdit(), "200,5");
        grid->okButton()->click();
        EXPECT_TRUE(state(kind).edited && store().TestModif());
        fiche->writeBack(kind);
        const BlockData written = *store().readBlock(kind, 0);
        EXPECT_EQ(written.memo, (QStringList{"avant", "suite"}));
        EXPECT_EQ(written.rows.value(1), (QStringList{"15/03/2026", "Acompte", "200,50"}));
    }
}

TEST_F(PageBindingTest, TheRecordWindowsKeysWorkFromEveryFieldOfEveryPage)
{
    void (TFiche::*const bringForward[])() = {&TFiche::Adherents, &TFiche::Partenaires, &TFiche::Activites,
                                              &TFiche::Recus};
    for (int k = 0; k < 4; ++k) {
        const Kind kind = Kind(k);
        QStringList lines;
        for (int n = 0; n < 3; ++n)
            lines += block(n, QStringList(Layouts::of(kind).fixedCount, QString::number(n)));
        ((*fiche).*bringForward[k])();
        int fields = 0;
        for (QWidget *w : fiche->page(kind)->findChildren<QWidget *>()) {
            if (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled())
                continue;
            load(kind, lines);
            ++fields;
            QTest::keyClick(w, Qt::Key_PageDown);
            EXPECT_EQ(state(kind).current, 1) << w->metaObject()->className() << ' ' << w->objectName().toStdString();
        }
        EXPECT_GT(fields, 10) << k;
    }
}

} // namespace
