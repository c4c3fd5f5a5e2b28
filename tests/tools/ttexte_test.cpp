// The word processor's window: its controls, its questions around new, open,
// save and close, the ruler, printing, and its opener.

#include "fiche/tfiche.h"
#include "support/blocks.h"
#include "support/fakedialogs.h"
#include "support/fakeprinter.h"
#include "support/modal.h"
#include "tools/letterprint.h"
#include "tools/rtfwriter.h"
#include "tools/ui/ttexte.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QSpinBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>
#include <QToolButton>

namespace {

class TTexteTest : public VelmoraTest
{
protected:
    void SetUp() override
    {
        VelmoraTest::SetUp();
        texte = std::make_unique<TTexte>();
        texte->Setsoc("Club des Amis", "", "1 rue Haute", "75001 Paris");
        texte->resize(900, 600);
        texte->show();
    }
    void TearDown() override
    {
        texte->editor()->document()->setModified(false);
        texte.reset();
        VelmoraTest::TearDown();
    }
    template <typename T = QToolButton>
    T *control(const char *name)
    {
        T *w = texte->findChild<T *>(QLatin1String(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
    void click(const char *name) { control(name)->click(); }
    QTextEdit *edit() { return texte->editor(); }
    QString line(int n) { return edit()->document()->findBlockByNumber(n).text(); }
    // Typed at the caret; keyClicks knows only Latin-1.
    void type(const QString &text) { QTest::keyClicks(edit(), text); }
    void paste(const QString &text) { edit()->insertPlainText(text); }
    QString path(const char *name) { return dir.filePath(QLatin1String(name)); }

    std::unique_ptr<TTexte> texte;
    QTemporaryDir dir;
};

TEST_F(TTexteTest, ControlsAndTheNewDocument)
{
    EXPECT_TRUE(edit()->toPlainText().isEmpty());

    click("SpeedButton1");
    EXPECT_EQ(line(0), "Club des Amis");
    EXPECT_EQ(line(1), "");
    EXPECT_EQ(line(3), "75001 Paris");
    EXPECT_EQ(edit()->currentCharFormat().fontPointSize(), 12);
    EXPECT_FALSE(edit()->document()->isModified());

    type("Madame,");
    dialogs().yesNoCancelAnswers = {Dialogs::Cancel, Dialogs::No};
    click("SpeedButton1");
    EXPECT_EQ(line(4), "Madame,");
    click("SpeedButton1");
    EXPECT_EQ(line(4), "");
    EXPECT_EQ(dialogs().texts("yesNoCancel"), QStringList(2, "Enregistrer changements dans  ?"));
}

TEST_F(TTexteTest, FontControlsActOnTheSelectionOrWhatIsTypedNext)
{
    click("SpeedButton1");
    QTextCursor c = edit()->textCursor();
    c.setPosition(0);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    edit()->setTextCursor(c);
    click("SpeedButton6");
    click("SpeedButton10");
    click("SpeedButton12");
    const QTextBlock first = edit()->document()->begin();
    EXPECT_EQ(first.begin().fragment().charFormat().fontWeight(), QFont::Bold);
    EXPECT_EQ(first.blockFormat().alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_TRUE(first.textList());
    EXPECT_TRUE(control("SpeedButton6")->isChecked());
    EXPECT_EQ(control<QSpinBox>("SpinEdit1")->value(), 12);

    dialogs().fontAnswers = {QFont("Arial", 16)};
    click("SpeedButton18");
    EXPECT_EQ(first.begin().fragment().charFormat().fontPointSize(), 16);
    EXPECT_EQ(control<QComboBox>("ComboBox1")->currentText(), "Arial");

    // Nothing selected: the size goes to what is typed next.
    edit()->moveCursor(QTextCursor::End);
    control<QSpinBox>("SpinEdit1")->setValue(20);
    type("x");
    EXPECT_EQ(first.begin().fragment().charFormat().fontPointSize(), 16);
    EXPECT_EQ(edit()->document()->findBlockByNumber(2).charFormat().fontPointSize(), 12);
    EXPECT_EQ(edit()->document()->lastBlock().begin().fragment().charFormat().fontPointSize(), 20);
}

TEST_F(TTexteTest, SavingAskingAndOpening)
{
    click("SpeedButton2"); // nothing to save: no dialog
    paste("Bonjour œ ż");
    dialogs().saveAnswers = {path("a.rtf")};
    click("SpeedButton2");
    EXPECT_EQ(texte->fileName(), path("a.rtf"));
    EXPECT_FALSE(edit()->document()->isModified());
    QFile::copy(path("a.rtf"), path("b.rtf"));

    // Another existing file is replaced only after "OK"; the document's own at once.
    type("!");
    dialogs().saveAnswers = {path("b.rtf"), path("a.rtf")};
    dialogs().okCancelAnswers = {false};
    click("SpeedButton2");
    click("SpeedButton2");
    EXPECT_EQ(dialogs().texts("okCancel"), QStringList{"Ce fichier existe déjà"});

    // A failed save keeps the window and the text, with a message.
    type("?");
    QDir(dir.path()).mkdir("dossier.rtf");
    dialogs().yesNoCancelAnswers = {Dialogs::Yes};
    dialogs().saveAnswers = {path("dossier.rtf")};
    EXPECT_FALSE(texte->FormCloseQuery());
    EXPECT_EQ(dialogs().texts("error"), QStringList{"Impossible d'écrire le fichier dossier.rtf."});
    EXPECT_TRUE(edit()->document()->isModified());

    // Open asks first; Cancel opens nothing.
    dialogs().yesNoCancelAnswers = {Dialogs::Cancel, Dialogs::No};
    click("SpeedButton13");
    EXPECT_TRUE(dialogs().texts("open").isEmpty());
    dialogs().openAnswers = {writeFile(path("image.rtf"), "{\\rtf1 avant{\\pict\\pngblip 0011}apr\\'e8s\\par}")};
    click("SpeedButton13");
    EXPECT_EQ(edit()->toPlainText(), "avantaprès");
    EXPECT_EQ(texte->fileName(), path("image.rtf"));
    ASSERT_EQ(dialogs().texts("message").size(), 1);
    EXPECT_TRUE(dialogs().texts("message").constFirst().contains("des images"));

    // The saved file read back as it was written.
    dialogs().openAnswers = {path("a.rtf"), path("absent.rtf")};
    click("SpeedButton13");
    EXPECT_EQ(edit()->toPlainText(), "Bonjour œ ż!");
    click("SpeedButton13");
    EXPECT_EQ(dialogs().texts("error").last(), "Impossible de lire le fichier absent.rtf.");
    EXPECT_EQ(edit()->toPlainText(), "Bonjour œ ż!");
    EXPECT_TRUE(texte->FormCloseQuery());
}

TEST_F(TTexteTest, RulerMarkers)
{
    auto *first = texte->findChild<QWidget *>("FirstInd");
    auto *left = texte->findChild<QWidget *>("LeftInd");
    Letter::setIndents(edit()->textCursor(), {36, 0, 0});
    texte->SelectionChange();
    EXPECT_EQ(first->x(), 50);

    const auto indents = [this] { return Letter::indentsOf(edit()->textCursor().block()); };
    // Pressed off its centre and released without moving: nothing changes.
    QTest::mousePress(first, Qt::LeftButton, {}, QPoint(0, 4));
    QTest::mouseRelease(first, Qt::LeftButton, {}, QPoint(0, 4));
    EXPECT_EQ(indents().first, 36);
    EXPECT_EQ(first->x(), 50);

    // The first-line marker moved: the other lines stay where they were.
    QTest::mousePress(first, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseMove(first, QPoint(4 + 24, 4));
    QTest::mouseRelease(first, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(indents().first, 54);
    EXPECT_EQ(indents().first + indents().left, 36);

    // No line starts left of the page.
    QTest::mousePress(left, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseMove(left, QPoint(-500, 4));
    QTest::mouseRelease(left, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(indents().first + indents().left, 0);
    EXPECT_EQ(indents().first, 54);
}

TEST_F(TTexteTest, TheGutterAndTheMarkersFollowTheSizeAndTheDocument)
{
    const auto gutter = [this] { return edit()->viewport()->x() - edit()->frameWidth(); };
    auto *ruler = control<QWidget>("Ruler");
    auto *right = control<QWidget>("RightInd");
    const auto rightMark = [&] {
        return LetterRuler::marks(Letter::indentsOf(edit()->textCursor().block()), ruler->width()).right;
    };
    EXPECT_EQ(gutter(), LetterRuler::kGutter);
    const int wide = right->x();
    EXPECT_EQ(wide, rightMark());

    texte->resize(600, 400);
    QCoreApplication::processEvents();
    EXPECT_EQ(gutter(), LetterRuler::kGutter);
    EXPECT_LT(right->x(), wide);
    EXPECT_EQ(right->x(), rightMark());

    dialogs().openAnswers = {writeFile(path("lettre.rtf"), "{\\rtf1 Madame,\\par}")};
    click("SpeedButton13");
    EXPECT_EQ(edit()->toPlainText(), "Madame,");
    EXPECT_EQ(gutter(), LetterRuler::kGutter);
}

TEST_F(TTexteTest, PrintsPageByPage)
{
    QTextCursor c(edit()->document());
    for (int i = 0; i < 120; ++i)
        c.insertText(QStringLiteral("Ligne %1\n").arg(i));
    click("SpeedButton3");
    ASSERT_EQ(FakePrinter::instance().jobs.size(), 1);
    EXPECT_TRUE(FakePrinter::instance().jobs.constFirst().title.isEmpty());
    const RecordingCanvas &canvas = FakePrinter::instance().last();
    EXPECT_EQ(canvas.pageCount(), 3);
    // A4 at 600 dpi, 2 cm margins: 472 px.
    const auto *top = canvas.findText("Ligne 0");
    ASSERT_TRUE(top);
    EXPECT_NEAR(top->x, 472, 4);
    EXPECT_NEAR(top->y, 472, 4);
    for (const auto &op : canvas.texts())
        EXPECT_LT(op.y, 7016 - 472) << op.text.toStdString();
    EXPECT_EQ(canvas.texts(1).constFirst().y, top->y);

    // A page the device refuses ends the printout.
    const LetterPrint print(*edit()->document(), Letter::Page(), 4960, 7016, 210, 297);
    RecordingCanvas refusing;
    refusing.refuseNewPageFrom(1);
    EXPECT_FALSE(print.draw(refusing));
    EXPECT_EQ(refusing.pageCount(), 1);
}

using LettersOpenerTest = VelmoraTest;

TEST_F(LettersOpenerTest, OpenedFromTheRecordWindowWithTheHeader)
{
    TFiche fiche;
    fiche.settings().Header = QStringList{"L1", "L2", "L3", "L4", "L5", "L6", "L7"};
    QStringList lines;
    bool maximized = false;
    const QString title = whileOpen([&] { fiche.TrTexte(); }, [&](QWidget *w) {
        maximized = w->windowState() & Qt::WindowMaximized;
        w->findChild<QToolButton *>("SpeedButton1")->click();
        auto *doc = w->findChild<QTextEdit *>("RichEdit1")->document();
        for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
            lines << b.text();
        w->findChild<QPushButton *>("Button1")->click();
    });
    EXPECT_EQ(title, "Texte");
    EXPECT_TRUE(maximized);
    EXPECT_EQ(lines, (QStringList{"L1", "L2", "L3", "L4", ""}));
}

} // namespace
