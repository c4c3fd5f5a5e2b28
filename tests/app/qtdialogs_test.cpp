// The real dialogs, answered as a person would by clicking their buttons.

#include "app/apptest.h"
#include "app/ui/qtdialogs.h"
#include "app/ui/startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <functional>

namespace {

// Answers the next modal dialog that shows up, once.
class NextModal
{
public:
    explicit NextModal(std::function<void(QWidget *)> answer) : m_answer(std::move(answer))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget *w = QApplication::activeModalWidget();
            if (!w || !w->isVisible())
                return;
            m_timer.stop();
            m_fired = true;
            m_answer(w);
        });
        m_timer.start();
    }
    ~NextModal() { m_timer.stop(); }
    bool fired() const { return m_fired; }

private:
    std::function<void(QWidget *)> m_answer;
    QTimer m_timer;
    bool m_fired = false;
};

class QtDialogsTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        Startup::installFrenchTranslation(*static_cast<QApplication *>(QCoreApplication::instance()));
    }

    // Clicks the box's button of that role and records what the box showed.
    std::function<void(QWidget *)> click(QMessageBox::StandardButton which)
    {
        return [this, which](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            ASSERT_NE(box, nullptr);
            m_title = box->windowTitle();
            m_text = box->text();
            m_icon = box->icon();
            m_buttons.clear();
            for (QAbstractButton *b : box->buttons())
                m_buttons << box->standardButton(b);
            box->button(which)->click();
        };
    }

    QtDialogs real;
    QString m_title;
    QString m_text;
    QMessageBox::Icon m_icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> m_buttons;
};

TEST_F(QtDialogsTest, SaveQuestionHasYesNoCancel)
{
    NextModal answer(click(QMessageBox::No));
    EXPECT_EQ(real.yesNoCancel(QStringLiteral("Enregistrer changements dans club.adh ?")), Dialogs::No);
    ASSERT_TRUE(answer.fired());
    EXPECT_EQ(m_title, QStringLiteral("Velmora"));
    EXPECT_EQ(m_text, QStringLiteral("Enregistrer changements dans club.adh ?"));
    EXPECT_EQ(m_icon, QMessageBox::Warning);
    EXPECT_EQ(m_buttons.size(), 3);
    EXPECT_TRUE(m_buttons.contains(QMessageBox::Yes));
    EXPECT_TRUE(m_buttons.contains(QMessageBox::Cancel));

    NextModal cancel(click(QMessageBox::Cancel));
    EXPECT_EQ(real.yesNoCancel(QStringLiteral("?")), Dialogs::Cancel);
}

TEST_F(QtDialogsTest, ConfirmationHasOkAndCancel)
{
    NextModal answer(click(QMessageBox::Cancel));
    EXPECT_FALSE(real.okCancel(QStringLiteral("Ce fichier existe déjà")));
    EXPECT_EQ(m_buttons.size(), 2);
    EXPECT_TRUE(m_buttons.contains(QMessageBox::Ok));
    EXPECT_EQ(m_icon, QMessageBox::Warning);

    NextModal ok(click(QMessageBox::Ok));
    EXPECT_TRUE(real.okCancel(QStringLiteral("Ce fichier existe déjà")));
}

TEST_F(QtDialogsTest, NoticeHasOnlyOk)
{
    NextModal answer(click(QMessageBox::Ok));
    real.message(QStringLiteral("Type de fichier non valide"));
    ASSERT_TRUE(answer.fired());
    EXPECT_EQ(m_text, QStringLiteral("Type de fichier non valide"));
    EXPECT_EQ(m_buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
}

TEST_F(QtDialogsTest, InputBoxShowsCaptionPromptAndDefault)
{
    QString caption;
    QString prompt;
    QString shown;
    NextModal answer([&](QWidget *w) {
        auto *dialog = qobject_cast<QInputDialog *>(w);
        ASSERT_NE(dialog, nullptr);
        caption = dialog->windowTitle();
        prompt = dialog->labelText();
        shown = dialog->textValue();
        dialog->setTextValue(QStringLiteral("75002"));
        dialog->accept();
    });
    QString text = QStringLiteral("75001");
    EXPECT_TRUE(real.input(QStringLiteral("Filtre Code postal"), QStringLiteral("Code postal"), &text));
    EXPECT_EQ(caption, QStringLiteral("Filtre Code postal"));
    EXPECT_EQ(prompt, QStringLiteral("Code postal"));
    EXPECT_EQ(shown, QStringLiteral("75001"));
    EXPECT_EQ(text, QStringLiteral("75002"));

    NextModal cancel([](QWidget *w) { static_cast<QDialog *>(w)->reject(); });
    EXPECT_FALSE(real.input(QStringLiteral("Filtre Ville"), QStringLiteral("Ville"), &text));
    EXPECT_EQ(text, QStringLiteral("75002"));
}

TEST_F(QtDialogsTest, SaveDialogAddsTheDefaultSuffix)
{
    QString filter;
    NextModal answer([&](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        ASSERT_NE(dialog, nullptr);
        filter = dialog->nameFilters().value(0);
        auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(edit, nullptr);
        edit->setText(path("nouveau"));
        static_cast<QDialog *>(dialog)->accept();
    });
    const QString chosen = real.saveFile(QStringLiteral("Fichiers adhérents (*.adh)"), QStringLiteral("adh"),
                                         QStringLiteral("*.adh"));
    EXPECT_EQ(chosen, path("nouveau.adh"));
    EXPECT_EQ(filter, QStringLiteral("Fichiers adhérents (*.adh)"));
}

} // namespace
