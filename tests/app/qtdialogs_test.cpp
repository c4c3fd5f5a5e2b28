// The real dialogs, answered as a person would by clicking their buttons.

#include "app/apptest.h"
#include "app/ui/qtdialogs.h"
#include "app/ui/startup.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace {

class QtDialogsTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        Startup::installFrenchTranslation(*static_cast<QApplication *>(QCoreApplication::instance()));
    }

    // Clicks the box's button of that role; returns what the box showed.
    QStringList answer(QMessageBox::StandardButton which, const std::function<void()> &ask)
    {
        QStringList seen;
        ModalWatcher watcher([&](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            ASSERT_NE(box, nullptr);
            seen = {box->windowTitle(), box->text(), QString::number(box->icon()),
                    QString::number(box->standardButtons().toInt())};
            box->button(which)->click();
        });
        ask();
        EXPECT_TRUE(watcher.fired());
        return seen;
    }

    static QStringList box(const QString &text, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)
    {
        return {"Velmora", text, QString::number(icon), QString::number(buttons.toInt())};
    }

    QtDialogs real;
};

TEST_F(QtDialogsTest, QuestionsAndNoticesShowTheirButtonsAndReturnTheChoice)
{
    const QString save = "Enregistrer changements dans club.adh ?";
    const QString exists = "Ce fichier existe déjà";
    Dialogs::Answer a = Dialogs::Yes;
    EXPECT_EQ(answer(QMessageBox::No, [&] { a = real.yesNoCancel(save); }),
              box(save, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel));
    EXPECT_EQ(a, Dialogs::No);
    answer(QMessageBox::Cancel, [&] { a = real.yesNoCancel(save); });
    EXPECT_EQ(a, Dialogs::Cancel);

    bool ok = true;
    EXPECT_EQ(answer(QMessageBox::Cancel, [&] { ok = real.okCancel(exists); }),
              box(exists, QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel));
    EXPECT_FALSE(ok);
    answer(QMessageBox::Ok, [&] { ok = real.okCancel(exists); });
    EXPECT_TRUE(ok);

    const QStringList notice = answer(QMessageBox::Ok, [&] { real.message("Type de fichier non valide"); });
    EXPECT_EQ(notice.value(1), "Type de fichier non valide");
    EXPECT_EQ(notice.value(3), QString::number(QMessageBox::Ok));
}

TEST_F(QtDialogsTest, InputBoxShowsCaptionPromptAndDefault)
{
    QStringList seen;
    QString text = "75001";
    {
        ModalWatcher watcher([&](QWidget *w) {
            auto *dialog = qobject_cast<QInputDialog *>(w);
            ASSERT_NE(dialog, nullptr);
            seen = {dialog->windowTitle(), dialog->labelText(), dialog->textValue()};
            dialog->setTextValue("75002");
            dialog->accept();
        });
        EXPECT_TRUE(real.input("Filtre Code postal", "Code postal", &text));
    }
    EXPECT_EQ(seen, (QStringList{"Filtre Code postal", "Code postal", "75001"}));
    EXPECT_EQ(text, "75002");

    ModalWatcher cancel([](QWidget *w) { static_cast<QDialog *>(w)->reject(); });
    EXPECT_FALSE(real.input("Filtre Ville", "Ville", &text));
    EXPECT_EQ(text, "75002");
}

TEST_F(QtDialogsTest, SaveDialogAddsTheDefaultSuffix)
{
    QString filter;
    ModalWatcher watcher([&](QWidget *w) {
        auto *dialog = qobject_cast<QFileDialog *>(w);
        ASSERT_NE(dialog, nullptr);
        filter = dialog->nameFilters().value(0);
        dialog->findChild<QLineEdit *>("fileNameEdit")->setText(path("nouveau"));
        static_cast<QDialog *>(dialog)->accept();
    });
    EXPECT_EQ(real.saveFile("Fichiers adhérents (*.adh)", "adh", "*.adh"), path("nouveau.adh"));
    EXPECT_EQ(filter, "Fichiers adhérents (*.adh)");
}

} // namespace
