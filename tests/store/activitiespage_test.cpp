// The activities page: fields to block and back through the store files,
// codes, prices, the partner choice, browsing without writing, appending and
// deleting.

#include "core/cp1252.h"
#include "core/textfile.h"
#include "store/ui/activitiespage.h"
#include "store/ui/datedgrid.h"
#include "store/ui/tfiche.h"
#include "support/fakedialogs.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTableWidget>
#include <QTimeEdit>
#include <QToolButton>

namespace {

QString open(int n) { return QStringLiteral("<BLOC%1>").arg(n, 4, 10, QLatin1Char('0')); }
QString close(int n) { return QStringLiteral("</BLOC%1>").arg(n, 4, 10, QLatin1Char('0')); }

// The fourteen fixed lines of an activity, from a few that matter to a test.
QStringList fixedLines(const QString &code, const QString &title, const QString &start = QStringLiteral("14/07/2026"),
                       const QString &startTime = QStringLiteral("20:30:00"),
                       const QString &end = QStringLiteral("15/07/2026"),
                       const QString &endTime = QStringLiteral("01:00:00"))
{
    return {code,      title,   QStringLiteral("Concert"), QStringLiteral("10001"), QStringLiteral("Alpha"),
            start,     startTime, end,                     endTime,                 QStringLiteral("  25,00"),
            QStringLiteral("  30,00"), QStringLiteral("   5,00"), QStringLiteral("120"), QStringLiteral("45")};
}

QStringList block(int n, const QStringList &fixed, const QStringList &extra = {})
{
    return QStringList{open(n)} + fixed + extra + QStringList{close(n)};
}

QStringList partnerBlock(int n, const QString &code, const QString &company)
{
    QStringList l{open(n), code, company};
    for (int p = 3; p <= 12; ++p)
        l << QString();
    return l << close(n);
}

QByteArray fileBytes(const QStringList &lines)
{
    QByteArray out;
    for (const QString &l : lines)
        out += Cp1252::encode(l) + "\r\n";
    return out;
}

void typeInto(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    edit->insert(text);
}

// The focus leaving a field, as the Tab key or a click elsewhere does it.
void leave(QWidget *w)
{
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(w, &event);
}

class ActivitiesPageTest : public VelmoraTest
{
protected:
    void SetUp() override
    {
        VelmoraTest::SetUp();
        fiche = std::make_unique<TFiche>();
        fiche->Activites();
        // Leaving the members page of a new store may write its member: the
        // tests start from an unchanged store.
        fiche->store().StoreModified = false;
    }
    void TearDown() override
    {
        fiche.reset();
        VelmoraTest::TearDown();
    }

    ActivitiesPage *page() const { return fiche->activitiesPage(); }
    template <typename W = QLineEdit>
    W *widget(const char *name) const
    {
        auto *w = page()->findChild<W *>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit *edit(const char *name) const { return widget<QLineEdit>(name); }
    QDateEdit *datePicker(const char *name) const { return widget<QDateEdit>(name); }
    QTimeEdit *timePicker(const char *name) const { return widget<QTimeEdit>(name); }
    RecordStore &store() { return fiche->store(); }
    KindState &activities() { return store().state(Kind::Activity); }

    void setActivities(const QStringList &lines)
    {
        store().ActivityLines().setStringList(lines);
        activities().count = store().countTags(Kind::Activity);
        activities().current = 0;
        fiche->LitActivite();
    }
    void setPartners(const QStringList &lines)
    {
        store().PartnerLines().setStringList(lines);
        store().state(Kind::Partner).count = store().countTags(Kind::Partner);
    }
    QString titleOf(int n) const
    {
        const auto data = fiche->store().readBlock(Kind::Activity, n);
        return data ? data->fixed.value(1) : QStringLiteral("<none>");
    }
    QStringList items(const QComboBox *box) const
    {
        QStringList out;
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    }

    std::unique_ptr<TFiche> fiche;
};

// ---- Round trip ------------------------------------------------------------------

TEST_F(ActivitiesPageTest, EveryFieldGoesToTheActivityFileAndComesBack)
{
    // Text fields in block order: position, name, what is typed.
    const std::vector<std::tuple<int, const char *, QString>> texts{
        {2, "Edit31", QStringLiteral("Gala d'été")},   {5, "Edit32", QStringLiteral("Boulangerie Lefèvre")},
        {10, "Edit35", QStringLiteral("25")},          {11, "Edit36", QStringLiteral("30,5")},
        {12, "Edit37", QStringLiteral("5,5")},         {13, "Edit38", QStringLiteral("120")},
        {14, "Edit39", QStringLiteral("45")}};
    EXPECT_EQ(edit("Edit30")->text(), QStringLiteral("10001"));
    for (const auto &[position, name, typed] : texts) {
        typeInto(edit(name), typed);
        leave(edit(name));
    }
    typeInto(page()->typeBox()->lineEdit(), QStringLiteral("Spectacle"));
    typeInto(page()->partnerBox()->lineEdit(), QStringLiteral("10001"));
    datePicker("DateTimePicker3")->setDate(QDate(2026, 7, 14));
    timePicker("DateTimePicker5")->setTime(QTime(20, 30, 0));
    datePicker("DateTimePicker4")->setDate(QDate(2026, 7, 15));
    timePicker("DateTimePicker6")->setTime(QTime(1, 0, 0));
    widget<QPlainTextEdit>("Memo3")->insertPlainText(QStringLiteral("Salle des fêtes\nParking gratuit"));
    DatedGrid *grid = page()->datedGrid();
    grid->picker()->setDate(QDate(2026, 3, 1));
    typeInto(grid->labelEdit(), QStringLiteral("Acompte"));
    typeInto(grid->amountEdit(), QStringLiteral("200,5"));
    grid->okButton()->click();

    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("club.adh"));
    ASSERT_TRUE(fiche->Sauve(name));

    // Prices are stored right-aligned, as shown.
    const QStringList expected{
        open(0),
        QStringLiteral("10001"),
        QStringLiteral("Gala d'été"),
        QStringLiteral("Spectacle"),
        QStringLiteral("10001"),
        QStringLiteral("Boulangerie Lefèvre"),
        QStringLiteral("14/07/2026"),
        QStringLiteral("20:30:00"),
        QStringLiteral("15/07/2026"),
        QStringLiteral("01:00:00"),
        fiche->Rset(QStringLiteral("25,00"), 110),
        fiche->Rset(QStringLiteral("30,50"), 110),
        fiche->Rset(QStringLiteral("5,50"), 110),
        QStringLiteral("120"),
        QStringLiteral("45"),
        QStringLiteral("MEMOSalle des fêtes"),
        QStringLiteral("MEMOParking gratuit"),
        QStringLiteral("DATA01/03/2026\tAcompte\t200,50"),
        close(0)};
    EXPECT_TRUE(expected[10].startsWith(QLatin1Char(' ')));
    QByteArray bytes;
    ASSERT_TRUE(TextFile::readBytes(dir.filePath(QStringLiteral("club.atv")), &bytes));
    EXPECT_EQ(bytes, fileBytes(expected));

    TFiche other;
    ASSERT_TRUE(other.Charge(name));
    other.Activites();
    ActivitiesPage *reread = other.activitiesPage();
    auto text = [reread](const char *n) { return reread->findChild<QLineEdit *>(QLatin1String(n))->text(); };
    EXPECT_EQ(text("Edit30"), QStringLiteral("10001"));
    for (const auto &[position, name, typed] : texts)
        EXPECT_EQ(text(name), expected[position]) << name;
    EXPECT_EQ(reread->typeBox()->currentText(), QStringLiteral("Spectacle"));
    EXPECT_EQ(reread->partnerBox()->currentText(), QStringLiteral("10001"));
    EXPECT_EQ(reread->findChild<QDateEdit *>(QStringLiteral("DateTimePicker3"))->date(), QDate(2026, 7, 14));
    EXPECT_EQ(reread->findChild<QTimeEdit *>(QStringLiteral("DateTimePicker5"))->time(), QTime(20, 30, 0));
    EXPECT_EQ(reread->findChild<QDateEdit *>(QStringLiteral("DateTimePicker4"))->date(), QDate(2026, 7, 15));
    EXPECT_EQ(reread->findChild<QTimeEdit *>(QStringLiteral("DateTimePicker6"))->time(), QTime(1, 0, 0));
    EXPECT_EQ(reread->findChild<QPlainTextEdit *>(QStringLiteral("Memo3"))->toPlainText(),
              QStringLiteral("Salle des fêtes\nParking gratuit"));
    EXPECT_EQ(reread->datedGrid()->row(0),
              (QStringList{QStringLiteral("01/03/2026"), QStringLiteral("Acompte"), QStringLiteral("200,50")}));
    EXPECT_FALSE(other.store().StoreModified);
    EXPECT_FALSE(other.store().state(Kind::Activity).edited);
}

TEST_F(ActivitiesPageTest, DatesAndTimesAreReadOnlyInTheirExactForm)
{
    const QDate today(2026, 3, 15);
    const QTime now(10, 15, 30);
    setActivities(block(0, fixedLines(QStringLiteral("10001"), QStringLiteral("Bonne forme"))) // shown as stored
                  + block(1, fixedLines(QStringLiteral("10002"), QStringLiteral("Trop court"), QStringLiteral("1/2/2026"),
                                        QStringLiteral("9:05"), QString(), QString()))
                  + block(2, fixedLines(QStringLiteral("10003"), QStringLiteral("Invalide"), QStringLiteral("31/02/2026"),
                                        QStringLiteral("25:00:00"), QStringLiteral("2026-07-15"),
                                        QStringLiteral("20:30:00 "))));
    EXPECT_EQ(datePicker("DateTimePicker3")->date(), QDate(2026, 7, 14));
    EXPECT_EQ(timePicker("DateTimePicker5")->time(), QTime(20, 30, 0));
    EXPECT_EQ(datePicker("DateTimePicker4")->date(), QDate(2026, 7, 15));
    EXPECT_EQ(timePicker("DateTimePicker6")->time(), QTime(1, 0, 0));

    for (int n = 1; n <= 2; ++n) {
        fiche->Suivant();
        EXPECT_EQ(activities().current, n);
        EXPECT_EQ(datePicker("DateTimePicker3")->date(), today) << n;
        EXPECT_EQ(timePicker("DateTimePicker5")->time(), now) << n;
        EXPECT_EQ(datePicker("DateTimePicker4")->date(), today) << n;
        EXPECT_EQ(timePicker("DateTimePicker6")->time(), now) << n;
    }
}

// ---- Codes -----------------------------------------------------------------------

TEST_F(ActivitiesPageTest, CodesAreIndependentOfMembersAndPartners)
{
    store().MemberLines().setStringList({open(0), QStringLiteral("10050"), close(0)});
    store().state(Kind::Member).count = 1;
    setPartners(partnerBlock(0, QStringLiteral("10020"), QStringLiteral("Alpha")));
    fiche->LitActivite();
    EXPECT_EQ(edit("Edit30")->text(), QStringLiteral("10001"));

    setActivities(block(0, fixedLines(QStringLiteral("10001"), QStringLiteral("A")))
                  + block(1, fixedLines(QStringLiteral("10003"), QStringLiteral("B")))
                  + block(2, fixedLines(QString(), QStringLiteral("Sans code"))));
    EXPECT_EQ(edit("Edit30")->text(), QStringLiteral("10001"));
    fiche->Dernier();
    EXPECT_EQ(edit("Edit31")->text(), QStringLiteral("Sans code"));
    EXPECT_EQ(edit("Edit30")->text(), QStringLiteral("10004"));
}

// ---- Prices ------------------------------------------------------------------------

TEST_F(ActivitiesPageTest, APriceIsBroughtToTwoDecimalsAndRightAligned)
{
    QLineEdit *ht = edit("Edit35");
    typeInto(ht, QStringLiteral("12,5"));
    leave(ht);
    EXPECT_EQ(ht->text().trimmed(), QStringLiteral("12,50"));
    EXPECT_TRUE(ht->text().startsWith(QLatin1Char(' ')));
    // Padded until it is wider than the field minus the margin, not beyond.
    const QFontMetrics metrics = fiche->fontMetrics();
    EXPECT_GT(metrics.horizontalAdvance(ht->text()), 100);
    EXPECT_LE(metrics.horizontalAdvance(ht->text().mid(1)), 100);

    fiche->EcritActivite();
    const auto stored = store().readBlock(Kind::Activity, 0);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->fixed.value(9), ht->text());

    typeInto(ht, QStringLiteral("12,345"));
    leave(ht);
    EXPECT_EQ(ht->text().trimmed(), QStringLiteral("12,34"));
    typeInto(ht, QStringLiteral("  8  "));
    leave(ht);
    EXPECT_EQ(ht->text().trimmed(), QStringLiteral("8,00"));
    typeInto(ht, QStringLiteral("   "));
    leave(ht);
    EXPECT_EQ(ht->text(), QString());
}

TEST_F(ActivitiesPageTest, LeavingOnePriceFormatsThatPriceOnly)
{
    typeInto(edit("Edit35"), QStringLiteral("7"));
    typeInto(edit("Edit36"), QStringLiteral("8,1"));
    typeInto(edit("Edit37"), QStringLiteral("1,4"));
    leave(edit("Edit37"));
    EXPECT_EQ(edit("Edit37")->text().trimmed(), QStringLiteral("1,40"));
    EXPECT_EQ(edit("Edit35")->text(), QStringLiteral("7"));
    EXPECT_EQ(edit("Edit36")->text(), QStringLiteral("8,1"));
    // Leaving another field formats nothing.
    leave(edit("Edit31"));
    EXPECT_EQ(edit("Edit35")->text(), QStringLiteral("7"));
}

TEST_F(ActivitiesPageTest, MovingTheFocusOutOfAPriceFormatsIt)
{
    fiche->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fiche.get()));
    QLineEdit *vat = edit("Edit37");
    vat->setFocus();
    QTest::keyClicks(vat, QStringLiteral("3,3"));
    QTest::keyClick(vat, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), vat);
    EXPECT_EQ(vat->text().trimmed(), QStringLiteral("3,30"));
    EXPECT_TRUE(activities().edited);
}

// ---- Places and sales ------------------------------------------------------------------

TEST_F(ActivitiesPageTest, PlacesAndSalesTakeDigitsOnly)
{
    for (const char *name : {"Edit38", "Edit39"}) {
        QLineEdit *e = edit(name);
        QTest::keyClicks(e, QStringLiteral("1a2-"));
        EXPECT_EQ(e->text(), QStringLiteral("12")) << name;
        // A pasted text with anything but digits is refused whole.
        e->end(false);
        e->insert(QStringLiteral("3b"));
        EXPECT_EQ(e->text(), QStringLiteral("12")) << name;
        QTest::keyClick(e, Qt::Key_Backspace);
        EXPECT_EQ(e->text(), QStringLiteral("1")) << name;
    }
    EXPECT_TRUE(activities().edited);
}

// ---- Edited flag ---------------------------------------------------------------------

TEST_F(ActivitiesPageTest, OnlyTheUsersChangesMarkTheActivity)
{
    setActivities(block(0, fixedLines(QStringLiteral("10001"), QStringLiteral("Stage"))));
    EXPECT_FALSE(activities().edited);
    EXPECT_FALSE(store().StoreModified);

    // Each change made by the user, one at a time.
    const std::vector<std::function<void()>> changes{
        [this] { datePicker("DateTimePicker4")->setDate(QDate(2026, 8, 1)); },
        [this] { timePicker("DateTimePicker5")->setTime(QTime(9, 0, 0)); },
        [this] { typeInto(page()->typeBox()->lineEdit(), QStringLiteral("Sortie")); },
        [this] { typeInto(page()->partnerBox()->lineEdit(), QStringLiteral("10002")); },
        [this] { typeInto(edit("Edit31"), QStringLiteral("Stage d'été")); },
        [this] { typeInto(edit("Edit33"), QStringLiteral("Libellé")); },
        [this] { typeInto(edit("Edit39"), QStringLiteral("50")); },
        [this] { widget<QPlainTextEdit>("Memo3")->insertPlainText(QStringLiteral("note")); },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        fiche->LitActivite();
        store().StoreModified = false;
        ASSERT_FALSE(activities().edited) << i;
        changes[i]();
        EXPECT_TRUE(activities().edited) << i;
        EXPECT_TRUE(store().StoreModified) << i;
    }
}

TEST_F(ActivitiesPageTest, BrowsingStoredActivitiesChangesNothing)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("club.adh"));
    const QStringList lines =
        block(0, fixedLines(QStringLiteral("10001"), QStringLiteral("Complet")),
              {QStringLiteral("MEMOune note"), QStringLiteral("DATA01/03/2026\tAcompte\t200,50")})
        + block(1, fixedLines(QStringLiteral("10002"), QStringLiteral("Sans heures"), QStringLiteral("01/08/2026"),
                              QString(), QStringLiteral("02/08/2026"), QString()))
        + block(2, fixedLines(QStringLiteral("10003"), QStringLiteral("Sans rien"), QString(), QString(), QString(),
                              QString()))
        + block(3, {QStringLiteral("10004"), QStringLiteral("Court")});
    ASSERT_TRUE(TextFile::writeBytes(name, QByteArray()));
    ASSERT_TRUE(TextFile::writeBytes(dir.filePath(QStringLiteral("club.atv")), fileBytes(lines)));
    setPartners({});
    ASSERT_TRUE(fiche->Charge(name));
    fiche->Activites();
    const QByteArray before = store().ActivityLines().toBytes();
    ASSERT_EQ(before, fileBytes(lines));
    ASSERT_EQ(activities().count, 4);

    EXPECT_EQ(edit("Edit31")->text(), QStringLiteral("Complet"));
    fiche->Premier();
    fiche->Suivant();
    EXPECT_EQ(edit("Edit31")->text(), QStringLiteral("Sans heures"));
    QTest::keyClick(edit("Edit31"), Qt::Key_PageDown);
    EXPECT_EQ(edit("Edit31")->text(), QStringLiteral("Sans rien"));
    fiche->Dernier();
    EXPECT_EQ(edit("Edit31")->text(), QStringLiteral("Court"));
    fiche->Precedent();
    QTest::keyClick(edit("Edit31"), Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(activities().current, 0);
    fiche->Adherents();
    fiche->Activites();

    EXPECT_FALSE(store().StoreModified);
    EXPECT_FALSE(activities().edited);
    EXPECT_EQ(store().ActivityLines().toBytes(), before);
}

// ---- Partner choice ----------------------------------------------------------------

TEST_F(ActivitiesPageTest, TheChoiceListHoldsEveryPartnerInBlockOrder)
{
    setPartners(QStringList{QStringLiteral("ligne hors bloc")} + partnerBlock(2, QStringLiteral("10003"), QStringLiteral("Gamma"))
                + partnerBlock(0, QStringLiteral("10001"), QStringLiteral("Alpha"))
                + partnerBlock(1, QStringLiteral("10002"), QStringLiteral("Beta SA")));
    fiche->activityTypes() = QStringList{QStringLiteral("Concert"), QStringLiteral("Sortie")};
    fiche->Adherents();
    fiche->Activites();
    EXPECT_EQ(items(page()->partnerBox()), (QStringList{QStringLiteral("10003 Gamma"), QStringLiteral("10001 Alpha"),
                                                         QStringLiteral("10002 Beta SA")}));
    EXPECT_EQ(items(page()->typeBox()), (QStringList{QStringLiteral("Concert"), QStringLiteral("Sortie")}));
    // Filling the lists chooses nothing.
    EXPECT_TRUE(page()->partnerBox()->currentText().isEmpty());
    EXPECT_TRUE(page()->typeBox()->currentText().isEmpty());
    EXPECT_FALSE(activities().edited);

    // A partner typed on the partners page is in the list the next time.
    fiche->Partenaires();
    fiche->Ajout();
    typeInto(fiche->page(Kind::Partner)->findChild<QLineEdit *>(QStringLiteral("Edit17")), QStringLiteral("Delta"));
    fiche->activityTypes() << QStringLiteral("Stage");
    fiche->Activites();
    EXPECT_EQ(items(page()->partnerBox()).value(3), QStringLiteral("10004 Delta"));
    EXPECT_EQ(items(page()->typeBox()).size(), 3);
}

TEST_F(ActivitiesPageTest, AChosenPartnerIsSplitIntoCodeAndName)
{
    setPartners(partnerBlock(0, QStringLiteral("10001"), QStringLiteral("Alpha")) +
                partnerBlock(1, QStringLiteral("10002"), QStringLiteral("Boulangerie Lefèvre")));
    fiche->Activites();
    QComboBox *box = page()->partnerBox();
    box->setCurrentIndex(1);
    EXPECT_TRUE(activities().edited);
    leave(box);
    EXPECT_EQ(box->currentText(), QStringLiteral("10002"));
    EXPECT_EQ(edit("Edit32")->text(), QStringLiteral("Boulangerie Lefèvre"));

    fiche->EcritActivite();
    const auto stored = store().readBlock(Kind::Activity, 0);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->fixed.value(3), QStringLiteral("10002"));
    EXPECT_EQ(stored->fixed.value(4), QStringLiteral("Boulangerie Lefèvre"));
}

TEST_F(ActivitiesPageTest, ThePartnerTextIsSplitOnlyAtASpaceFromPositionFive)
{
    struct Case
    {
        QString typed;
        QString code;
        QString name;
    };
    const QString old = QStringLiteral("Ancien nom");
    const std::vector<Case> cases{
        {QStringLiteral("1234 X"), QStringLiteral("1234"), QStringLiteral("X")},
        {QStringLiteral("10001 Club de foot"), QStringLiteral("10001"), QStringLiteral("Club de foot")},
        {QStringLiteral("123 Alpha"), QStringLiteral("123 Alpha"), old},
        {QStringLiteral("ab cdefgh ij"), QStringLiteral("ab cdefgh ij"), old},
        {QStringLiteral("10001"), QStringLiteral("10001"), old},
        {QString(), QString(), old},
    };
    for (const Case &c : cases) {
        typeInto(edit("Edit32"), old);
        typeInto(page()->partnerBox()->lineEdit(), c.typed);
        page()->ComboBox3Exit();
        EXPECT_EQ(page()->partnerBox()->currentText(), c.code) << c.typed.toStdString();
        EXPECT_EQ(edit("Edit32")->text(), c.name) << c.typed.toStdString();
    }
}

TEST_F(ActivitiesPageTest, TheSplitHappensWhenTheFocusLeavesThePartnerBox)
{
    fiche->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fiche.get()));
    QComboBox *box = page()->partnerBox();
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("20005 Mairie"));
    edit("Edit31")->setFocus();
    EXPECT_EQ(box->currentText(), QStringLiteral("20005"));
    EXPECT_EQ(edit("Edit32")->text(), QStringLiteral("Mairie"));
}

// ---- Appending and deleting -------------------------------------------------------------

TEST_F(ActivitiesPageTest, DeletingAnActivityRemovesItsBlockOnly)
{
    setPartners(partnerBlock(0, QStringLiteral("10001"), QStringLiteral("Alpha"))
                + partnerBlock(1, QStringLiteral("10002"), QStringLiteral("Beta")));
    const QByteArray partnersBefore = store().PartnerLines().toBytes();
    setActivities(block(0, fixedLines(QStringLiteral("10001"), QStringLiteral("A")))
                  + block(1, fixedLines(QStringLiteral("10002"), QStringLiteral("B")), {QStringLiteral("MEMOb")})
                  + block(2, fixedLines(QStringLiteral("10003"), QStringLiteral("C"))));
    fiche->Suivant();
    fiche->Supprime();

    EXPECT_EQ(store().PartnerLines().toBytes(), partnersBefore);
    EXPECT_EQ(store().ActivityLines().toStringList(),
              block(0, fixedLines(QStringLiteral("10001"), QStringLiteral("A")))
                  + block(1, fixedLines(QStringLiteral("10003"), QStringLiteral("C"))));
    EXPECT_EQ(activities().count, 2);
    EXPECT_EQ(activities().current, 1);
    EXPECT_EQ(edit("Edit31")->text(), QStringLiteral("C"));
    EXPECT_TRUE(store().StoreModified);
}

TEST_F(ActivitiesPageTest, AppendingShowsANewActivityWrittenOnceTypedInto)
{
    setActivities(block(0, fixedLines(QStringLiteral("10001"), QStringLiteral("A"))));
    fiche->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fiche.get()));
    typeInto(edit("Edit38"), QStringLiteral("80"));
    fiche->Ajout();
    EXPECT_EQ(activities().count, 2);
    EXPECT_EQ(activities().current, 1);
    EXPECT_EQ(QApplication::focusWidget(), edit("Edit31"));
    // An empty page with the next code.
    EXPECT_EQ(edit("Edit30")->text(), QStringLiteral("10002"));
    for (const char *name : {"Edit31", "Edit32", "Edit35", "Edit38"})
        EXPECT_TRUE(edit(name)->text().isEmpty()) << name;
    EXPECT_TRUE(page()->typeBox()->currentText().isEmpty());
    EXPECT_TRUE(page()->partnerBox()->currentText().isEmpty());
    EXPECT_FALSE(activities().edited);
    QTest::keyClicks(edit("Edit31"), QStringLiteral("Rando"));
    fiche->Premier();
    EXPECT_EQ(edit("Edit31")->text(), QStringLiteral("A"));
    EXPECT_EQ(QApplication::focusWidget(), edit("Edit31"));
    EXPECT_EQ(titleOf(1), QStringLiteral("Rando"));
    EXPECT_EQ(store().readBlock(Kind::Activity, 0)->fixed.value(12), QStringLiteral("80"));
    const auto stored = store().readBlock(Kind::Activity, 1);
    EXPECT_EQ(stored->fixed.value(0), QStringLiteral("10002"));
    // Its pickers held today and now when it was written.
    EXPECT_EQ(stored->fixed.value(5), QStringLiteral("15/03/2026"));
    EXPECT_EQ(stored->fixed.value(6), QStringLiteral("10:15:30"));
}

} // namespace
