#include "settings/ui/settingsdialogs.h"
#include "settings/ui/tbureau.h"
#include "settings/ui/tcombo.h"
#include "settings/ui/tsociete.h"

#include "support/fakedialogs.h"
#include "support/modal.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <tuple>

namespace {

template <typename T = QLineEdit>
T *child(QWidget *w, const QString &name)
{
    T *c = w->findChild<T *>(name);
    EXPECT_NE(c, nullptr) << qPrintable(name);
    return c;
}

// Closes a dialog by a button's name, or by the key "Escape" or "Return"
// pressed in the given field.
void finish(QWidget *w, const QString &how, const QString &field = "Edit1")
{
    if (how.startsWith("Button"))
        QTest::mouseClick(child<QAbstractButton>(w, how), Qt::LeftButton);
    else
        QTest::keyClick(child(w, field), how == "Escape" ? Qt::Key_Escape : Qt::Key_Return);
}

void pick(TCombo &c, int row)
{
    QListWidget *list = c.list();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

QStringList itemsOf(const TCombo &c)
{
    QStringList out;
    c.Result(out);
    return out;
}

using SettingsDialogsTest = VelmoraTest;

TEST_F(SettingsDialogsTest, SocieteReplacesTheHeaderOnlyWhenConfirmedWithAFirstLine)
{
    const QStringList old{"1", "2", "3", "4", "5", "6", "7"};
    // The first line typed, how the dialog closes, whether the header is replaced.
    const std::tuple<const char *, const char *, bool> cases[] = {
        {"", "Button2", false}, {"x", "Button1", false}, {"x", "Escape", false}, {"x", "Return", true}};
    for (const auto &[first, how, replaced] : cases) {
        QStringList header = old;
        QStringList captions;
        bool result = false;
        whileOpen([&] { result = openSociete(nullptr, header); }, [&](QWidget *w) {
            auto *title = child<QLabel>(w, "titleLabel");
            captions << w->windowTitle() << title->text() << child<QPushButton>(w, "Button1")->text()
                     << child<QPushButton>(w, "Button2")->text();
            EXPECT_TRUE(title->font().bold());
            child(w, "Edit1")->setText(first);
            child(w, "Edit7")->setText("Tél. 01 02");
            finish(w, how, "Edit7");
        });
        EXPECT_EQ(result, replaced) << how;
        EXPECT_EQ(header, (replaced ? QStringList{"x", "2", "3", "4", "5", "6", "Tél. 01 02"} : old)) << how;
        EXPECT_EQ(captions, (QStringList{"Société", "Lignes constituant l'en-tête de l'association", "Annuler", "OK"}));
    }
}

TEST_F(SettingsDialogsTest, SettingsFieldsKeepOnlyWhatTheFileLineHolds)
{
    TSociete d;
    QLineEdit *e = child(&d, "Edit1");
    e->insert("Cœur\t€\u6771");
    EXPECT_EQ(e->text(), "Cœur€");
    TCombo c;
    c.edit()->insert("a\nb");
    EXPECT_EQ(c.edit()->text(), "ab");
}

TEST_F(SettingsDialogsTest, BureauShowsItsLinesAndOnlyOkRebuildsThem)
{
    QStringList filled(9);
    filled[0] = "01/09/2025\t31/08/2026";
    filled[1] = "Dupont\t01 02";
    filled[3] = "Martin sans tabulation";
    filled[8] = "\t06 00";
    const QString today = "15/03/2026";
    // The lines, how the dialog closes after "Autre" is typed as vice president,
    // the dates and sixteen edits shown, the lines kept (empty: unchanged).
    const struct
    {
        QStringList lines;
        const char *how;
        QStringList shown, kept;
    } cases[] = {
        {QStringList(9), "Button2", QStringList{today, today} + QStringList(16),
         QStringList{today + "\t" + today, "\t", "Autre\t"} + QStringList(6, "\t")},
        {filled, "Button2",
         {"01/09/2025", "31/08/2026", "Dupont", "", "", "", "", "", "", "", "01 02", "", "", "", "", "", "", "06 00"},
         QStringList{filled[0], filled[1], "Autre\t"} + QStringList(5, "\t") + QStringList{filled[8]}},
        {filled, "Button1",
         {"01/09/2025", "31/08/2026", "Dupont", "", "", "", "", "", "", "", "01 02", "", "", "", "", "", "", "06 00"},
         {}}};
    for (const auto &c : cases) {
        QStringList bureau = c.lines;
        QStringList shown;
        bool replaced = false;
        const QString title = whileOpen([&] { replaced = openBureau(nullptr, bureau); }, [&](QWidget *w) {
            for (const char *name : {"DateTimePicker1", "DateTimePicker2"}) {
                shown << child<QDateEdit>(w, name)->text();
                EXPECT_TRUE(child<QDateEdit>(w, name)->calendarPopup());
            }
            for (int k = 1; k <= 16; ++k)
                shown << child(w, QString("Edit%1").arg(k))->text();
            child(w, "Edit2")->setText("Autre");
            finish(w, c.how, "Edit2");
        });
        EXPECT_EQ(title, "Le Bureau");
        EXPECT_EQ(shown, c.shown) << c.how;
        EXPECT_EQ(replaced, !c.kept.isEmpty()) << c.how;
        EXPECT_EQ(bureau, c.kept.isEmpty() ? c.lines : c.kept) << c.how;
    }
    EXPECT_TRUE(dialogs().calls.isEmpty());
}

TEST_F(SettingsDialogsTest, ComboEnterSendsTheEditToAppendOrReplaceAndDeleteRemoves)
{
    TCombo c;
    c.Init({"a", "b"});
    c.show();
    EXPECT_EQ(c.focusWidget(), c.edit());

    QTest::keyClick(c.edit(), Qt::Key_Return);
    EXPECT_EQ(itemsOf(c), (QStringList{"a", "b", ""})) << "an empty type is appended";
    QTest::keyClicks(c.edit(), "a");
    QTest::keyClick(c.edit(), Qt::Key_Enter);
    EXPECT_EQ(itemsOf(c), (QStringList{"a", "b", "", "a"})) << "duplicates are kept";
    EXPECT_TRUE(c.edit()->text().isEmpty());

    pick(c, 1);
    EXPECT_EQ(c.edit()->text(), "b");
    c.edit()->setText("Sortie");
    QTest::keyClick(c.edit(), Qt::Key_Return);
    EXPECT_EQ(itemsOf(c), (QStringList{"a", "Sortie", "", "a"}));
    // Nothing selected any more: the next text is appended.
    c.edit()->setText("d");
    QTest::mouseClick(c.sendButton(), Qt::LeftButton);
    EXPECT_EQ(itemsOf(c).last(), "d");
    EXPECT_EQ(c.sendButton()->toolTip(), "Valider");

    pick(c, 0);
    QTest::keyClick(c.list(), Qt::Key_Delete);
    EXPECT_EQ(itemsOf(c), (QStringList{"Sortie", "", "a", "d"}));
    EXPECT_TRUE(c.edit()->text().isEmpty());
    EXPECT_TRUE(c.list()->selectedItems().isEmpty());
    QTest::keyClick(c.list(), Qt::Key_Delete);
    EXPECT_EQ(itemsOf(c).size(), 4) << "Delete without a selection removes nothing";
    EXPECT_TRUE(c.isVisible());
}

TEST_F(SettingsDialogsTest, OpenTypesKeepsEveryChangeAtClosing)
{
    for (const char *how : {"Button1", "Escape"}) {
        QStringList types{"Stage", "Sortie"};
        QString label;
        ModalWatcher watcher([&](QWidget *w) {
            label = child<QLabel>(w, "Label1")->text();
            auto &c = *static_cast<TCombo *>(w);
            QTest::keyClicks(c.edit(), "Repas");
            QTest::keyClick(c.edit(), Qt::Key_Return);
            finish(w, how);
        });
        openTypes(nullptr, types);
        EXPECT_EQ(watcher.seenTitle(), "Les types d'activités");
        EXPECT_EQ(label, "Type");
        EXPECT_EQ(types, (QStringList{"Stage", "Sortie", "Repas"})) << how;
    }
}

} // namespace
