// What a page keeps of pasted and typed text: one line per field, only
// Windows-1252 characters, and nothing else of the user's text lost.

#include "support/recordpages.h"

#include <QClipboard>
#include <QKeyEvent>

class PageTextTest : public VelmoraTest
{
protected:
    TFiche fiche;
};

TEST_F(PageTextTest, TheMemoDropsOnlyWhatTheCodePageCannotHold)
{
    QPlainTextEdit *memo = fiche.membersPage()->remarks();
    memo->setPlainText(QString::fromUtf8("x\u00a0y\nsecond"));
    QTextCursor c = memo->textCursor();
    c.setPosition(1);
    memo->setTextCursor(c);
    memo->insertPlainText(QString::fromUtf8("\u0101\U0001F600\u0101"));
    // The no-break space stays, the caret does not jump to the end.
    EXPECT_EQ(memo->document()->toRawText(), QString::fromUtf8("x\u00a0y\u2029second"));
    EXPECT_EQ(memo->textCursor().position(), 1);
    for (const QString &t : {QString::fromUtf8("é"), QString::fromUtf8("\u0101"), QStringLiteral("z")}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, t);
        QApplication::sendEvent(memo, &press);
    }
    EXPECT_EQ(memo->document()->toRawText(), QString::fromUtf8("xéz\u00a0y\u2029second"));

    memo->setPlainText(QString());
    memo->insertPlainText(QString::fromUtf8("a\u0101b\nc\u2028d\u0101"));
    EXPECT_EQ(PageText::memoLines(memo), (QStringList{"ab", "c", "d"}));
    memo->undo();
    EXPECT_TRUE(memo->document()->toRawText().isEmpty());
}

TEST_F(PageTextTest, PastedLineBreaksAndTabsNeverSplitAReceiptBlock)
{
    fiche.Recus();
    ReceiptsPage *page = fiche.receiptsPage();
    page->readRecord();
    QGuiApplication::clipboard()->setText(QStringLiteral("Jean\nDupont"));
    page->payerEdit(0)->setFocus();
    page->payerEdit(0)->paste();
    page->setCellText(0, 0, QStringLiteral("Don\tgros"));
    page->setCellText(0, 1, QStringLiteral("10,00"));
    page->setReceiptLineCount(1);
    fiche.store().state(Kind::Receipt).edited = true;
    page->writeRecord();
    const QStringList lines = fiche.store().ReceiptLines().toStringList();
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[5], QStringLiteral("Jean Dupont"));
    EXPECT_EQ(lines[9], QStringLiteral("FACTDon gros\t10,00"));
}
