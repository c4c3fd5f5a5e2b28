// The activities page: fields to block and back, codes, prices, the partner
// choice, browsing without writing, appending and deleting.

#include "fiche/activitiespage.h"
#include "fiche/datedgrid.h"
#include "fiche/partnerspage.h"
#include "support/recordpages.h"

#include <gtest/gtest.h>

#include <functional>

#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QPlainTextEdit>
#include <QTimeEdit>
#include <QToolButton>

namespace {

// The fourteen fixed lines of an activity, from the few that matter to a test.
QStringList fixedLines(const QString &code, const QString &title, const QString &start = "14/07/2026",
                       const QString &startTime = "20:30:00", const QString &end = "15/07/2026",
                       const QString &endTime = "01:00:00")
{
    return {code, title, "Concert", "10001", "Alpha", start, startTime, end, endTime,
            "  25,00", "  30,00", "   5,00", "120", "45"};
}

// The focus leaving a field, as the Tab key or a click elsewhere does it.
void leave(QWidget *w)
{
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w, &event);
}

QStringList items(const QComboBox *box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

class ActivitiesPageTest : public FicheTest
{
protected:
    void SetUp() override
    {
        FicheTest::SetUp();
        fiche->Activites();
        // Leaving the members page of a new store may write its member: the
        // tests start from an unchanged store.
        store().markSaved();
    }

    ActivitiesPage *page() const { return fiche->activitiesPage(); }
    template <typename W = QLineEdit>
    W *widget(const char *name) const { return page()->findChild<W *>(QLatin1String(name)); }
    QLineEdit *edit(const char *name) const { return widget(name); }
    KindState &activities() { return state(Kind::Activity); }
    // The start and end dates and times shown.
    QList<QDateTime> pickers() const
    {
        return {QDateTime(widget<QDateEdit>("DateTimePicker3")->date(), widget<QTimeEdit>("DateTimePicker5")->time()),
                QDateTime(widget<QDateEdit>("DateTimePicker4")->date(), widget<QTimeEdit>("DateTimePicker6")->time())};
    }
};

TEST_F(ActivitiesPageTest, EveryFieldGoesToTheBlockAndComesBack)
{
    const QList<std::pair<const char *, QString>> texts{{"Edit31", "Gala d'été"}, {"Edit32", "Boulangerie Lefèvre"},
                                                        {"Edit35", "25"},         {"Edit36", "30,5"},
                                                        {"Edit37", "5,5"},        {"Edit38", "120"},
                                                        {"Edit39", "45"}};
    for (const auto &[name, typed] : texts) {
        typeInto(edit(name), typed);
        leave(edit(name));
    }
    typeInto(page()->typeBox()->lineEdit(), "Spectacle");
    typeInto(page()->partnerBox()->lineEdit(), "10001");
    widget<QDateEdit>("DateTimePicker3")->setDate(QDate(2026, 7, 14));
    widget<QTimeEdit>("DateTimePicker5")->setTime(QTime(9, 5, 0));
    widget<QDateEdit>("DateTimePicker4")->setDate(QDate(2026, 7, 15));
    widget<QTimeEdit>("DateTimePicker6")->setTime(QTime(1, 0, 0));
    widget<QPlainTextEdit>("Memo3")->insertPlainText("Salle des fêtes\nParking gratuit");
    DatedGrid *grid = page()->datedGrid();
    grid->picker()->setDate(QDate(2026, 3, 1));
    typeInto(grid->labelEdit(), "Acompte");
    typeInto(grid->amountEdit(), "200,5");
    grid->okButton()->click();
    fiche->EcritActivite();

    // Prices are stored right-aligned, as shown.
    const QStringList fixed{"10001", "Gala d'été", "Spectacle", "10001", "Boulangerie Lefèvre",
                            "14/07/2026", "09:05:00", "15/07/2026", "01:00:00",
                            fiche->Rset("25,00", 110), fiche->Rset("30,50", 110), fiche->Rset("5,50", 110),
                            "120", "45"};
    EXPECT_TRUE(fixed[9].startsWith(' '));
    const QStringList written = block(0, fixed + QStringList{"MEMOSalle des fêtes", "MEMOParking gratuit",
                                                             "DATA01/03/2026\tAcompte\t200,50"});
    EXPECT_EQ(store().ActivityLines().toStringList(), written);

    // Read into an emptied page.
    load(Kind::Activity, {});
    load(Kind::Activity, written);
    const char *names[] = {"Edit30", "Edit31", nullptr, nullptr, "Edit32", nullptr, nullptr, nullptr, nullptr,
                           "Edit35", "Edit36", "Edit37", "Edit38", "Edit39"};
    for (int i = 0; i < 14; ++i)
        if (names[i]) {
            EXPECT_EQ(edit(names[i])->text(), fixed[i]) << names[i];
        }
    EXPECT_EQ(page()->typeBox()->currentText(), "Spectacle");
    EXPECT_EQ(page()->partnerBox()->currentText(), "10001");
    EXPECT_EQ(pickers(), (QList<QDateTime>{QDateTime(QDate(2026, 7, 14), QTime(9, 5)),
                                           QDateTime(QDate(2026, 7, 15), QTime(1, 0))}));
    EXPECT_EQ(widget<QPlainTextEdit>("Memo3")->toPlainText(), "Salle des fêtes\nParking gratuit");
    EXPECT_EQ(page()->datedGrid()->row(0), (QStringList{"01/03/2026", "Acompte", "200,50"}));
}

TEST_F(ActivitiesPageTest, DatesAndTimesAreReadOnlyInTheirExactFormAndAMissingCodeIsProposed)
{
    load(Kind::Activity, block(0, fixedLines("10003", "Trop court", "1/2/2026", "9:05", "", ""))
                             + block(1, fixedLines("10001", "Invalide", "31/02/2026", "25:00:00", "2026-07-15",
                                                   "20:30:00 "))
                             + block(2, fixedLines("", "Sans code")));
    // Another form leaves today and now.
    const QDateTime now(QDate(2026, 3, 15), QTime(10, 15, 30));
    EXPECT_EQ(pickers(), (QList<QDateTime>{now, now}));
    fiche->Suivant();
    EXPECT_EQ(pickers(), (QList<QDateTime>{now, now}));
    fiche->Suivant();
    EXPECT_EQ(edit("Edit30")->text(), "10004");
}

// ---- Prices, places and sales ---------------------------------------------------------------

TEST_F(ActivitiesPageTest, LeavingAPriceBringsThatPriceAloneToTwoDecimalsRightAligned)
{
    QLineEdit *ht = edit("Edit35");
    typeInto(ht, "12,5");
    leave(ht);
    EXPECT_EQ(ht->text().trimmed(), "12,50");
    // Padded until it is wider than the field minus the margin, not beyond.
    const QFontMetrics metrics = fiche->fontMetrics();
    EXPECT_GT(metrics.horizontalAdvance(ht->text()), 100);
    EXPECT_LE(metrics.horizontalAdvance(ht->text().mid(1)), 100);
    fiche->EcritActivite();
    EXPECT_EQ(stored(Kind::Activity, 0, 10), ht->text());

    for (const auto &[typed, shown] : QList<std::pair<QString, QString>>{{"12,345", "12,34"}, {"  8  ", "8,00"}}) {
        typeInto(ht, typed);
        leave(ht);
        EXPECT_EQ(ht->text().trimmed(), shown) << typed.toStdString();
    }
    typeInto(ht, "   ");
    leave(ht);
    EXPECT_TRUE(ht->text().isEmpty());

    typeInto(edit("Edit35"), "7");
    typeInto(edit("Edit36"), "8,1");
    typeInto(edit("Edit37"), "1,4");
    leave(edit("Edit37"));
    leave(edit("Edit31"));
    EXPECT_EQ(edit("Edit37")->text().trimmed(), "1,40");
    EXPECT_EQ(edit("Edit35")->text() + edit("Edit36")->text(), "78,1");
}

TEST_F(ActivitiesPageTest, MovingTheFocusOutOfAPriceOrThePartnerBoxAppliesItsRule)
{
    showFiche();
    QLineEdit *vat = edit("Edit37");
    vat->setFocus();
    QTest::keyClicks(vat, "3,3");
    QTest::keyClick(vat, Qt::Key_Tab);
    EXPECT_FALSE(vat->hasFocus());
    EXPECT_EQ(vat->text().trimmed(), "3,30");

    QComboBox *box = page()->partnerBox();
    box->setFocus();
    QTest::keyClicks(box, "20005 Mairie");
    edit("Edit31")->setFocus();
    EXPECT_EQ(box->currentText(), "20005");
    EXPECT_EQ(edit("Edit32")->text(), "Mairie");
}

TEST_F(ActivitiesPageTest, PlacesAndSalesTakeDigitsOnly)
{
    for (const char *name : {"Edit38", "Edit39"}) {
        QTest::keyClicks(edit(name), "1a2-");
        edit(name)->insert("3b"); // a pasted text with anything but digits is refused whole
        EXPECT_EQ(edit(name)->text(), "12") << name;
    }
}

// ---- Edited flag ---------------------------------------------------------------------

TEST_F(ActivitiesPageTest, OnlyTheUsersChangesMarkTheActivity)
{
    const QStringList lines = block(0, fixedLines("10001", "Stage")) + block(1, fixedLines("10002", "Sans heures",
                                                                                        "01/08/2026", "", "", ""));
    const QList<std::function<void()>> changes{
        [this] { widget<QDateEdit>("DateTimePicker4")->setDate(QDate(2026, 8, 1)); },
        [this] { widget<QTimeEdit>("DateTimePicker5")->setTime(QTime(9, 0, 0)); },
        [this] { typeInto(page()->typeBox()->lineEdit(), "Sortie"); },
        [this] { typeInto(page()->partnerBox()->lineEdit(), "10002"); },
        [this] { typeInto(edit("Edit31"), "Stage d'été"); },
        [this] { typeInto(edit("Edit33"), "Libellé"); },
        [this] { typeInto(edit("Edit39"), "50"); },
        [this] { widget<QPlainTextEdit>("Memo3")->insertPlainText("note"); },
    };
    for (int i = 0; i < changes.size(); ++i) {
        load(Kind::Activity, lines);
        ASSERT_FALSE(activities().edited) << i;
        changes[i]();
        EXPECT_TRUE(activities().edited && store().TestModif()) << i;
    }

    // Browsing, which sets the pickers, writes nothing.
    load(Kind::Activity, lines);
    QTest::keyClick(edit("Edit31"), Qt::Key_PageDown);
    EXPECT_EQ(edit("Edit31")->text(), "Sans heures");
    QTest::keyClick(edit("Edit31"), Qt::Key_Home, Qt::ControlModifier);
    fiche->Adherents();
    fiche->Activites();
    EXPECT_FALSE(store().TestModif() || activities().edited);
    EXPECT_EQ(store().ActivityLines().toStringList(), lines);
}

// ---- Partner choice ----------------------------------------------------------------

TEST_F(ActivitiesPageTest, TheChoiceListHoldsEveryPartnerInBlockOrder)
{
    setLines(Kind::Partner, QStringList{"ligne hors bloc"} + partnerBlock(2, "10003", "Gamma")
                                + partnerBlock(0, "10001", "Alpha") + partnerBlock(1, "10002", "Beta SA"));
    fiche->activityTypes() = QStringList{"Concert", "Sortie"};
    fiche->Adherents();
    fiche->Activites();
    EXPECT_EQ(items(page()->partnerBox()), (QStringList{"10003 Gamma", "10001 Alpha", "10002 Beta SA"}));
    EXPECT_EQ(items(page()->typeBox()), (QStringList{"Concert", "Sortie"}));
    // Filling the lists chooses nothing.
    EXPECT_EQ(page()->partnerBox()->currentText() + page()->typeBox()->currentText(), "");
    EXPECT_FALSE(activities().edited);

    // A partner typed on the partners page is in the list the next time.
    fiche->Partenaires();
    fiche->Ajout();
    typeInto(fiche->partnersPage()->field(2), "Delta");
    fiche->activityTypes() << "Stage";
    fiche->Activites();
    EXPECT_EQ(items(page()->partnerBox()).value(3), "10004 Delta");
    EXPECT_EQ(items(page()->typeBox()).size(), 3);
}

TEST_F(ActivitiesPageTest, ThePartnerTextIsSplitOnlyAtASpaceFromPositionFive)
{
    const QString old = "Ancien nom";
    const QList<QStringList> cases{// typed, code kept, name
                                   {"1234 X", "1234", "X"},
                                   {"10001 Club de foot", "10001", "Club de foot"},
                                   {"123 Alpha", "123 Alpha", old},
                                   {"ab cdefgh ij", "ab cdefgh ij", old},
                                   {"10001", "10001", old},
                                   {"", "", old}};
    for (const QStringList &c : cases) {
        typeInto(edit("Edit32"), old);
        typeInto(page()->partnerBox()->lineEdit(), c[0]);
        page()->ComboBox3Exit();
        EXPECT_EQ(page()->partnerBox()->currentText(), c[1]) << c[0].toStdString();
        EXPECT_EQ(edit("Edit32")->text(), c[2]) << c[0].toStdString();
    }
}

// ---- Appending and deleting -------------------------------------------------------------

TEST_F(ActivitiesPageTest, DeletingAnActivityRemovesItsBlockOnly)
{
    setLines(Kind::Partner, partnerBlock(0, "10001", "Alpha") + partnerBlock(1, "10002", "Beta"));
    const QStringList partners = store().PartnerLines().toStringList();
    load(Kind::Activity, block(0, fixedLines("10001", "A")) + block(1, fixedLines("10002", "B") << "MEMOb")
                             + block(2, fixedLines("10003", "C")));
    fiche->Suivant();
    fiche->Supprime();
    EXPECT_EQ(store().PartnerLines().toStringList(), partners);
    EXPECT_EQ(store().ActivityLines().toStringList(),
              block(0, fixedLines("10001", "A")) + block(1, fixedLines("10003", "C")));
    EXPECT_EQ(activities().current, 1);
    EXPECT_EQ(edit("Edit31")->text(), "C");
    EXPECT_TRUE(store().TestModif());
}

TEST_F(ActivitiesPageTest, AppendingShowsANewActivityWrittenOnceTypedInto)
{
    load(Kind::Activity, block(0, fixedLines("10001", "A")));
    showFiche();
    typeInto(edit("Edit38"), "80");
    fiche->Ajout();
    EXPECT_EQ(activities().count, 2);
    EXPECT_TRUE(edit("Edit31")->hasFocus());
    EXPECT_EQ(edit("Edit30")->text(), "10002");
    for (const char *name : {"Edit31", "Edit32", "Edit35", "Edit38"})
        EXPECT_TRUE(edit(name)->text().isEmpty()) << name;
    EXPECT_FALSE(activities().edited);

    QTest::keyClicks(edit("Edit31"), "Rando");
    fiche->Premier();
    EXPECT_EQ(stored(Kind::Activity, 0, 13), "80");
    // Written with the pickers at today and now, as shown.
    EXPECT_EQ(store().readBlock(Kind::Activity, 1)->fixed.mid(0, 7),
              (QStringList{"10002", "Rando", "", "", "", "15/03/2026", "10:15:30"}));
}

} // namespace
