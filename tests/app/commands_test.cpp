// The frame's commands: menus and tool bar built from their tables; which
// commands each state offers; the ticks of the selections and the routing of
// page commands.

#include "app/apptest.h"

#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QToolBar>

#include <functional>

namespace {

// "name=caption|hint|checkable checked" of an item or a button.
QString line(const QString &name, const QString &caption, const QString &hint, bool checkable, bool checked)
{
    return QStringLiteral("%1=%2|%3|%4%5").arg(name, caption, hint).arg(checkable).arg(checked);
}

// Every item and button the tables describe, submenus' items included.
QStringList described()
{
    QStringList out;
    const std::function<void(const QList<MenuItemDef> &)> add = [&](const QList<MenuItemDef> &defs) {
        for (const MenuItemDef &d : defs)
            if (!d.isSeparator()) {
                out << line(d.name, d.caption, d.hint, d.checkable, d.checked);
                add(d.items);
            }
    };
    for (const MenuDef &m : Menus::mainMenus())
        add(m.items);
    for (const ToolDef &t : Menus::toolButtons())
        if (!t.isSeparator())
            out << line(t.name, t.hint, t.hint, false, false);
    return out;
}

QStringList allNames()
{
    QStringList names;
    for (const QString &item : described())
        names << item.section('=', 0, 0);
    return names;
}

using CommandsTest = AppTest;

TEST_F(CommandsTest, MenusAndToolBarAreBuiltFromTheirTables)
{
    TMainForm form;
    for (const QString &item : described()) {
        const QAction *a = form.action(item.section('=', 0, 0));
        ASSERT_NE(a, nullptr) << qPrintable(item);
        EXPECT_EQ(line(a->objectName(), a->text(), a->statusTip(), a->isCheckable(), a->isChecked()), item);
    }
    // No two commands share a name: the frame would lose one of them.
    const QStringList names = allNames();
    EXPECT_EQ(QSet<QString>(names.begin(), names.end()).size(), names.size());
    // Each menu holds its items in order, separators included; each button has its picture.
    const QList<QAction *> bar = form.menuBar()->actions();
    ASSERT_EQ(bar.size(), Menus::mainMenus().size());
    for (int i = 0; i < bar.size(); ++i) {
        QStringList shown, listed;
        for (const QAction *a : bar[i]->menu()->actions())
            shown << a->objectName();
        for (const MenuItemDef &d : Menus::mainMenus().value(i).items)
            listed << d.name;
        EXPECT_EQ(shown, listed) << i;
        EXPECT_EQ(bar[i]->text(), Menus::mainMenus().value(i).caption) << i;
    }
    const QList<QAction *> tools = form.findChild<QToolBar *>("ToolBar1")->actions();
    EXPECT_EQ(tools.size(), Menus::toolButtons().size());
    for (const QAction *a : tools)
        EXPECT_TRUE(a->isSeparator() || !a->icon().isNull()) << qPrintable(a->objectName());
}

TEST_F(CommandsTest, HintsGoToTheFirstPanelAndOnlyAltXClosesTheFrame)
{
    TMainForm form;
    for (QAction *a : form.findChildren<QAction *>())
        EXPECT_EQ(a->shortcut(), QKeySequence(a->objectName() == "ExitItem" ? "Alt+X" : "")) << qPrintable(a->objectName());
    form.show();
    for (const auto &[name, hint] : {std::pair{"Bureau1", "Le bureau"}, std::pair{"Premier1Tool", "Premier"}}) {
        form.action(name)->showStatusText(&form);
        EXPECT_EQ(form.hintPanel()->text(), hint);
    }
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    // The record window cannot be closed on its own.
    QTest::keyClick(form.fiche(), Qt::Key_F4, Qt::ControlModifier);
    form.ficheWindow()->close();
    EXPECT_TRUE(form.ficheWindow()->isVisible());
    QTest::keyClick(&form, Qt::Key_X, Qt::AltModifier);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(CommandsTest, EachColumnSetsTheCommandsItNamesAndLeavesTheOthers)
{
    TMainForm form;
    const QStringList names = allNames();
    for (const Enabling::Row &row : Enabling::table())
        ASSERT_NE(form.action(row.name), nullptr) << qPrintable(row.name) << " is no command of the frame";
    // Column 0 on a new frame; each other column over every command on, then
    // every command off, so that an untouched command is seen to keep both.
    void (TMainForm::*const columns[])() = {nullptr, &TMainForm::Valide, &TMainForm::Valide1, &TMainForm::Valide2,
                                            &TMainForm::Valide3, &TMainForm::Valide4};
    for (int c = 0; c < Enabling::ColumnCount; ++c)
        for (bool before : {true, false}) {
            if (c > 0) {
                for (const Enabling::Row &row : Enabling::table())
                    form.action(row.name)->setEnabled(before);
                (form.*columns[c])();
            }
            for (const QString &name : names) {
                const QChar v = Enabling::value(name, Enabling::Column(c));
                const bool inTable = Enabling::value(name, Enabling::AtStart) != Enabling::kUntouched;
                EXPECT_EQ(form.action(name)->isEnabled(), v == '1' || (v == Enabling::kUntouched && (before || !inTable)))
                    << qPrintable(name) << " column " << c << " from " << before;
            }
        }
    // The table at chosen points: column, then commands on, off and untouched.
    const std::tuple<int, const char *> points[] = {
        {0, "Nouvellefiche1Tool Adhrents1 Reus1|SaveItem Rechercher1 Recherchernom2|Reus1Tool"},
        {1, "SaveItem Trer1 Cartedadhrent1 Emprunts1|Adhrents1 Recherchernom1|Prcdent1R Recherchernom2 Reus1"},
        {2, "Partenaires1 Rechercher1|Adhrents1Tool Recherchernom1 Touteslesfiches2|Copier1 Nouvellefiche1Tool"},
        {3, "Recherchernom1 Trier1 Adhrents1|Partenaires1Tool Rechercher1 Codepostal1|"},
        {4, "Prcdent1 Partenaires1|Activits1 Activits1Tool Cartedadhrent2|"},
        {5, "Prcdent1R Supprimerligne1 Nouveaureu1 Activits1|Reus1 Activits1Tool Prcdent1|SaveItem"}};
    for (const auto &[c, names] : points)
        for (int v = 0; v < 3; ++v)
            for (const QString &name : QString(names).section('|', v, v).split(' ', Qt::SkipEmptyParts))
                EXPECT_TRUE(Enabling::value(name, Enabling::Column(c)) == QString("10·")[v]) << qPrintable(name) << c;
}

TEST_F(CommandsTest, PageCommandsAndOpeningGiveTheCommandsOfThePageShown)
{
    writeMembers(path("club.adh"), {"Martin"});
    TMainForm form;
    trigger(form, "Nouvellefiche1Tool");
    EXPECT_EQ(form.fiche()->store().state(Kind::Member).count, 1);
    EXPECT_TRUE(form.action("SaveItem")->isEnabled() && form.action("Rechercher1")->isEnabled());
    // The command, the page it shows, and the menu item its column disables.
    const std::tuple<const char *, Kind, const char *> pages[] = {
        {"Reus1Tool", Kind::Receipt, "Reus1"}, {"Activits1", Kind::Activity, "Activits1"},
        {"Adhrents1Tool", Kind::Member, "Adhrents1"}, {"Partenaires1", Kind::Partner, "Partenaires1"}};
    for (const auto &[command, kind, own] : pages) {
        trigger(form, command);
        EXPECT_EQ(form.fiche()->shownKind(), kind) << command;
        EXPECT_FALSE(form.action(own)->isEnabled()) << command;
    }
    // Opened on the partner page: that page stays, with its commands.
    form.fiche()->store().markSaved();
    open(form, path("club.adh"));
    EXPECT_EQ(form.fiche()->shownKind(), Kind::Partner);
    EXPECT_TRUE(form.action("Adhrents1")->isEnabled() && form.action("Recherchernom1")->isEnabled());
    EXPECT_FALSE(form.action("Rechercher1")->isEnabled());
    // Deleting a receipt line is offered while the receipt grid is being edited.
    emit form.fiche()->receiptGridActiveChanged(true);
    EXPECT_TRUE(form.action("Supprimerligne1")->isEnabled());
    emit form.fiche()->receiptGridActiveChanged(false);
    EXPECT_FALSE(form.action("Supprimerligne1")->isEnabled());
}

TEST_F(CommandsTest, EachSelectionItemTicksAloneInItsMenuAndSelectsItsMode)
{
    TMainForm form;
    const RecordStore &store = form.fiche()->store();
    const QStringList all{"touteslesfiches1", "Codepostal1", "Ville1", "Rappeldecotisaiton1",
                          "Touteslesfiches2", "Codepostal2", "Ville2"};
    // The item, its selection mode, whether it selects members. Choosing the
    // ticked item again keeps it ticked.
    const std::tuple<const char *, int, bool> items[] = {
        {"Codepostal1", 2, true},      {"Ville1", 3, true},      {"Rappeldecotisaiton1", 4, true},
        {"touteslesfiches1", 1, true}, {"touteslesfiches1", 1, true}, {"Codepostal2", 2, false},
        {"Ville2", 3, false},          {"Touteslesfiches2", 1, false}, {"Touteslesfiches2", 1, false}};
    dialogs().inputAnswers = {"75001", "paris", "30", "33000", "lyon"};
    for (const auto &[item, mode, members] : items) {
        members ? form.Valide1() : form.Valide2();
        trigger(form, item);
        EXPECT_EQ(members ? store.MemberSelection : store.PartnerSelection, mode) << item;
        QStringList ticked;
        for (const QString &name : all)
            if (form.action(name)->isChecked())
                ticked << name;
        EXPECT_EQ(ticked, (members ? QStringList{item, "Touteslesfiches2"} : QStringList{"touteslesfiches1", item}))
            << item;
    }
}

TEST_F(CommandsTest, AutomaticOpeningTogglesAndDeletingAsksFirst)
{
    writeMembers(path("club.adh"), {"Martin", "Durand"});
    TMainForm form;
    QAction *a = form.action("Ouvrirautomatiquemrnt1");
    QString name;
    for (bool expected : {true, false}) {
        a->trigger();
        EXPECT_EQ(a->isChecked(), expected);
        bool autoOpen = !expected;
        form.fiche()->GetIni(&autoOpen, &name);
        EXPECT_EQ(autoOpen, expected);
    }

    open(form, path("club.adh"));
    dialogs().okCancelAnswers = {false, true, false};
    trigger(form, "Supprimerfiche1");
    EXPECT_EQ(form.fiche()->store().state(Kind::Member).count, 2);
    trigger(form, "Supprimerfiche1");
    EXPECT_EQ(form.fiche()->store().state(Kind::Member).count, 1);
    trigger(form, "Reus1");
    trigger(form, "Supprimerreu1");
    EXPECT_EQ(dialogs().texts("okCancel"),
              (QStringList{"Confirmer suppression de la fiche ?", "Confirmer suppression de la fiche ?",
                           "Confirmer suppression du reçu ?"}));
}

} // namespace
