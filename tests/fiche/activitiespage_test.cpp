// The activities page's own rules: prices brought to two decimals when the
// focus leaves them, counts in digits, the partner choice and its split.

#include "support/recordpages.h"

#include <QFocusEvent>

namespace {

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
    }
    ActivitiesPage *page() const { return fiche->activitiesPage(); }
    QLineEdit *edit(const char *name) const { return page()->findChild<QLineEdit *>(QLatin1String(name)); }
};

TEST_F(ActivitiesPageTest, LeavingAPriceBringsThatPriceAloneToTwoDecimalsRightAligned)
{
    QLineEdit *ht = edit("Edit35");
    // Typed, then shown once the focus left.
    for (const auto &[typed, shown] :
         QList<std::pair<QString, QString>>{{"12,5", "12,50"}, {"12.5", "12,50"}, {"12,345", "12,34"}, {"  8  ", "8,00"}}) {
        typeInto(ht, typed);
        leave(ht);
        EXPECT_EQ(ht->text(), fiche->Rset(shown, 110)) << typed.toStdString();
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

    // Places and sales take digits only, pasted text too.
    for (const char *name : {"Edit38", "Edit39"}) {
        QTest::keyClicks(edit(name), "1a2-");
        edit(name)->insert("3b");
        EXPECT_EQ(edit(name)->text(), "12") << name;
    }
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
    EXPECT_EQ(box->currentText() + '|' + edit("Edit32")->text(), "20005|Mairie");
}

TEST_F(ActivitiesPageTest, TheChoiceListsHoldEveryPartnerInBlockOrderAndTheTypes)
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
    EXPECT_FALSE(state(Kind::Activity).edited);

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
                                   {"10001", "10001", old}};
    for (const QStringList &c : cases) {
        typeInto(edit("Edit32"), old);
        typeInto(page()->partnerBox()->lineEdit(), c[0]);
        page()->ComboBox3Exit();
        EXPECT_EQ(page()->partnerBox()->currentText() + '|' + edit("Edit32")->text(), c[1] + '|' + c[2]);
    }
}

} // namespace
