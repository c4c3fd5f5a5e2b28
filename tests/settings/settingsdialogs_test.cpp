#include "settings/ui/settingsdialogs.h"
#include "settings/ui/tbureau.h"
#include "settings/ui/tcombo.h"
#include "settings/ui/tsociete.h"

#include "support/fakedialogs.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {

// Acts on the next modal window as soon as it shows, from the event loop of
// its exec().
class OnNextModal
{
public:
    explicit OnNextModal(std::function<void(QWidget *)> act) : m_act(std::move(act))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget *w = QApplication::activeModalWidget();
            if (!w || !w->isVisible())
                return;
            m_timer.stop();
            m_fired = true;
            m_act(w);
        });
        m_timer.start(10);
    }
    ~OnNextModal() { m_timer.stop(); }
    bool fired() const { return m_fired; }

private:
    std::function<void(QWidget *)> m_act;
    QTimer m_timer;
    bool m_fired = false;
};

template <typename T>
T *child(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
}

void click(QWidget *w, const char *buttonName)
{
    QTest::mouseClick(child<QAbstractButton>(w, buttonName), Qt::LeftButton);
}

QStringList lines(int n, const QString &text = QString())
{
    return QStringList(n, text);
}

} // namespace

class SettingsDialogsTest : public VelmoraTest
{
};

// ---- Letterhead -------------------------------------------------------------

TEST_F(SettingsDialogsTest, SocieteShowsAndReturnsTheSevenLines)
{
    TSociete d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Société"));
    auto *title = child<QLabel>(&d, "titleLabel");
    EXPECT_EQ(title->text(), QStringLiteral("Lignes constituant l'en-tête de l'association"));
    EXPECT_TRUE(title->font().bold());
    EXPECT_EQ(child<QPushButton>(&d, "Button1")->text(), QStringLiteral("Annuler"));
    EXPECT_EQ(child<QPushButton>(&d, "Button2")->text(), QStringLiteral("OK"));

    const QStringList header = {QStringLiteral("Les Amis"), QStringLiteral("2"), QStringLiteral("3"),
                                QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                                QStringLiteral("7")};
    d.Init(header);
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(child<QLineEdit>(&d, qPrintable(QStringLiteral("Edit%1").arg(k)))->text(), header[k - 1]);

    d.show();
    child<QLineEdit>(&d, "Edit4")->setText(QStringLiteral("Cœur"));
    click(&d, "Button2");
    EXPECT_FALSE(d.isVisible());
    QStringList back = lines(3, QStringLiteral("x"));
    d.Result(back);
    QStringList expected = header;
    expected[3] = QStringLiteral("Cœur");
    EXPECT_EQ(back, expected);
}

TEST_F(SettingsDialogsTest, SocieteCancelAndEscapeReturnAnEmptyFirstLine)
{
    for (const bool escape : {false, true}) {
        TSociete d;
        d.Init(lines(7, QStringLiteral("old")));
        d.show();
        child<QLineEdit>(&d, "Edit1")->setText(QStringLiteral("changed"));
        if (escape)
            QTest::keyClick(child<QLineEdit>(&d, "Edit1"), Qt::Key_Escape);
        else
            click(&d, "Button1");
        EXPECT_FALSE(d.isVisible());
        EXPECT_FALSE(d.isAccepted());
        QStringList back = lines(7, QStringLiteral("old"));
        d.Result(back);
        EXPECT_TRUE(back[0].isEmpty());
        EXPECT_EQ(back[1], QStringLiteral("old"));
    }
}

TEST_F(SettingsDialogsTest, OpenSocieteReplacesOnlyWithAFirstLine)
{
    QStringList header = lines(7, QStringLiteral("old"));
    {
        OnNextModal answer([](QWidget *w) {
            child<QLineEdit>(w, "Edit1")->clear();
            child<QLineEdit>(w, "Edit2")->setText(QStringLiteral("new"));
            click(w, "Button2");
        });
        EXPECT_FALSE(openSociete(nullptr, header));
        EXPECT_TRUE(answer.fired());
    }
    EXPECT_EQ(header, lines(7, QStringLiteral("old")));
    {
        OnNextModal answer([](QWidget *w) {
            child<QLineEdit>(w, "Edit7")->setText(QStringLiteral("Tél. 01 02"));
            QTest::keyClick(child<QLineEdit>(w, "Edit7"), Qt::Key_Return);
        });
        EXPECT_TRUE(openSociete(nullptr, header));
        EXPECT_TRUE(answer.fired());
    }
    QStringList expected = lines(7, QStringLiteral("old"));
    expected[6] = QStringLiteral("Tél. 01 02");
    EXPECT_EQ(header, expected);
}

TEST_F(SettingsDialogsTest, SettingsFieldsKeepOnlyWhatTheFileLineHolds)
{
    TSociete d;
    QLineEdit *e = child<QLineEdit>(&d, "Edit1");
    e->insert(QStringLiteral("Cœur\t€\u6771"));
    EXPECT_EQ(e->text(), QStringLiteral("Cœur€"));
    TCombo c;
    c.edit()->insert(QStringLiteral("a\nb"));
    EXPECT_EQ(c.edit()->text(), QStringLiteral("ab"));
}

// ---- Bureau ---------------------------------------------------------------

TEST_F(SettingsDialogsTest, BureauWithoutFileShowsTodayAndOkWritesLoneTabs)
{
    TBureau d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Le Bureau"));
    d.Init(lines(9));
    auto *start = child<QDateEdit>(&d, "DateTimePicker1");
    auto *end = child<QDateEdit>(&d, "DateTimePicker2");
    EXPECT_EQ(start->date(), QDate(2026, 3, 15));
    EXPECT_EQ(end->date(), QDate(2026, 3, 15));
    EXPECT_TRUE(start->calendarPopup());
    EXPECT_EQ(start->text(), QStringLiteral("15/03/2026"));
    for (int k = 1; k <= 16; ++k)
        EXPECT_TRUE(child<QLineEdit>(&d, qPrintable(QStringLiteral("Edit%1").arg(k)))->text().isEmpty()) << k;

    d.show();
    click(&d, "Button2");
    QStringList back = lines(9);
    d.Result(back);
    QStringList expected = lines(9, QStringLiteral("\t"));
    expected[0] = QStringLiteral("15/03/2026\t15/03/2026");
    EXPECT_EQ(back, expected);
}

TEST_F(SettingsDialogsTest, BureauLinesFillTheirEdits)
{
    QStringList bureau = lines(9);
    bureau[0] = QStringLiteral("01/09/2025\t31/08/2026");
    bureau[1] = QStringLiteral("Dupont\t01 02 03 04 05");
    bureau[3] = QStringLiteral("Martin sans tabulation");
    bureau[8] = QStringLiteral("\t06 00");
    TBureau d;
    d.Init(bureau);
    EXPECT_EQ(d.startPicker()->date(), QDate(2025, 9, 1));
    EXPECT_EQ(d.endPicker()->date(), QDate(2026, 8, 31));
    EXPECT_EQ(child<QLineEdit>(&d, "Edit1")->text(), QStringLiteral("Dupont"));
    EXPECT_EQ(child<QLineEdit>(&d, "Edit9")->text(), QStringLiteral("01 02 03 04 05"));
    EXPECT_TRUE(child<QLineEdit>(&d, "Edit3")->text().isEmpty());
    EXPECT_TRUE(child<QLineEdit>(&d, "Edit11")->text().isEmpty());
    EXPECT_EQ(child<QLineEdit>(&d, "Edit16")->text(), QStringLiteral("06 00"));

    d.show();
    click(&d, "Button2");
    QStringList back = lines(9);
    d.Result(back);
    EXPECT_EQ(back[0], bureau[0]);
    EXPECT_EQ(back[1], bureau[1]);
    EXPECT_EQ(back[3], QStringLiteral("\t")) << "the name without TAB is not kept";
    EXPECT_EQ(back[8], bureau[8]);
}

TEST_F(SettingsDialogsTest, BureauMalformedDateIsIgnoredThenRepaired)
{
    QStringList bureau = lines(9);
    bureau[0] = QStringLiteral("1er septembre\t31/08/2026");
    QStringList before = bureau;
    {
        OnNextModal answer([](QWidget *w) {
            // Nothing is said about the bad date.
            EXPECT_TRUE(FakeDialogs::instance().calls.isEmpty());
            click(w, "Button2");
        });
        EXPECT_TRUE(openBureau(nullptr, bureau));
        EXPECT_TRUE(answer.fired());
    }
    EXPECT_EQ(bureau[0], QStringLiteral("15/03/2026\t15/03/2026"));
    EXPECT_NE(bureau, before);
}

TEST_F(SettingsDialogsTest, BureauCancelChangesNothing)
{
    QStringList bureau = lines(9);
    bureau[2] = QStringLiteral("Durand\t07");
    const QStringList before = bureau;
    for (const char *button : {"Button1", ""}) {
        OnNextModal answer([button](QWidget *w) {
            child<QLineEdit>(w, "Edit2")->setText(QStringLiteral("Autre"));
            if (*button)
                click(w, button);
            else
                QTest::keyClick(w, Qt::Key_Escape);
        });
        EXPECT_FALSE(openBureau(nullptr, bureau));
        EXPECT_TRUE(answer.fired());
        EXPECT_EQ(bureau, before);
    }
}

// ---- Activity types ---------------------------------------------------------

namespace {

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

// Counts the Enter keys that reach the window around the edit.
class EnterSpy : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(e)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Delete)
                ++count;
        }
        return false;
    }
};

} // namespace

TEST_F(SettingsDialogsTest, ComboEnterSendsTheEditAndIsSwallowed)
{
    TCombo c;
    c.Init({QStringLiteral("Stage")});
    c.show();
    EXPECT_EQ(c.focusWidget(), c.edit());
    EnterSpy spy;
    c.installEventFilter(&spy);
    c.edit()->parentWidget()->installEventFilter(&spy);

    QTest::keyClick(c.edit(), Qt::Key_Return);
    EXPECT_EQ(itemsOf(c), (QStringList{QStringLiteral("Stage"), QString()})) << "an empty type is appended";
    QTest::keyClicks(c.edit(), QStringLiteral("Stage"));
    QTest::keyClick(c.edit(), Qt::Key_Enter);
    EXPECT_EQ(itemsOf(c), (QStringList{QStringLiteral("Stage"), QString(), QStringLiteral("Stage")}));
    EXPECT_TRUE(c.edit()->text().isEmpty());
    EXPECT_EQ(spy.count, 0);
    EXPECT_TRUE(c.isVisible());
}

TEST_F(SettingsDialogsTest, ComboPickEditAndSendReplacesInPlace)
{
    TCombo c;
    c.Init({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    c.show();
    EXPECT_TRUE(c.edit()->text().isEmpty());
    pick(c, 1);
    EXPECT_EQ(c.edit()->text(), QStringLiteral("b"));
    c.edit()->setText(QStringLiteral("Sortie"));
    QTest::keyClick(c.edit(), Qt::Key_Return);
    EXPECT_EQ(itemsOf(c), (QStringList{QStringLiteral("a"), QStringLiteral("Sortie"), QStringLiteral("c")}));
    EXPECT_TRUE(c.list()->selectedItems().isEmpty());

    // Nothing selected any more: the next text is appended.
    c.edit()->setText(QStringLiteral("d"));
    QTest::mouseClick(c.sendButton(), Qt::LeftButton);
    EXPECT_EQ(itemsOf(c).last(), QStringLiteral("d"));
    EXPECT_EQ(c.sendButton()->toolTip(), QStringLiteral("Valider"));
}

TEST_F(SettingsDialogsTest, ComboDeleteRemovesTheSelectedItem)
{
    TCombo c;
    c.Init({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("b")});
    c.show();
    EnterSpy spy;
    c.installEventFilter(&spy);
    pick(c, 1);
    QTest::keyClick(c.list(), Qt::Key_Delete);
    EXPECT_EQ(itemsOf(c), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_TRUE(c.edit()->text().isEmpty());
    EXPECT_TRUE(c.list()->selectedItems().isEmpty());
    QTest::keyClick(c.list(), Qt::Key_Delete);
    EXPECT_EQ(itemsOf(c).size(), 2) << "Delete without a selection removes nothing";
    EXPECT_EQ(spy.count, 0);
}

TEST_F(SettingsDialogsTest, OpenTypesKeepsEveryChangeAtClosing)
{
    for (const bool escape : {false, true}) {
        QStringList types = {QStringLiteral("Stage"), QStringLiteral("Sortie")};
        QString caption;
        QString label;
        OnNextModal answer([&](QWidget *w) {
            caption = w->windowTitle();
            label = child<QLabel>(w, "Label1")->text();
            auto &c = *static_cast<TCombo *>(w);
            pick(c, 0);
            QTest::keyClick(c.list(), Qt::Key_Delete);
            QTest::keyClicks(c.edit(), QStringLiteral("Repas"));
            QTest::keyClick(c.edit(), Qt::Key_Return);
            if (escape)
                QTest::keyClick(c.list(), Qt::Key_Escape);
            else
                click(w, "Button1");
        });
        openTypes(nullptr, types);
        EXPECT_TRUE(answer.fired());
        EXPECT_EQ(caption, QStringLiteral("Les types d'activités"));
        EXPECT_EQ(label, QStringLiteral("Type"));
        EXPECT_EQ(types, (QStringList{QStringLiteral("Sortie"), QStringLiteral("Repas")}));
    }
}
