// The note pad's file and its printout: lines kept byte for byte, nothing
// written for an empty note, long lines wrapped on the page.

#include "tools/notepad.h"

#include "core/textfile.h"
#include "print/recordingcanvas.h"

#include "toolstest.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

TEST(Notepad, TheFileLivesInTheStartFolderAndKeepsTheLines)
{
    for (const auto &[folder, file] : {std::pair{"/home/club", "/home/club/Velmora.nte"},
                                       {"/home/club/", "/home/club/Velmora.nte"}, {"/", "/Velmora.nte"},
                                       {"C:\\", "C:\\Velmora.nte"}, {"C:\\Club", "C:\\Club\\Velmora.nte"}})
        EXPECT_EQ(Notepad::fileName(folder), file) << folder;

    QTemporaryDir dir;
    const QString path = Notepad::fileName(dir.path());
    QString text = "x";
    ASSERT_TRUE(Notepad::load(path, &text));
    EXPECT_EQ(text, "") << "no file yet: an empty note";

    ASSERT_TRUE(Notepad::save(path, QString::fromUtf8("Réunion jeudi\n\n\tà 20 h 😀\n")));
    QByteArray bytes;
    ASSERT_TRUE(TextFile::readBytes(path, &bytes));
    EXPECT_EQ(bytes, QByteArray("R\xe9union jeudi\r\n\r\n\t\xe0 20 h \r\n\r\n"));
    ASSERT_TRUE(Notepad::load(path, &text));
    EXPECT_EQ(text, QString::fromUtf8("Réunion jeudi\n\n\tà 20 h \n"));
    ASSERT_TRUE(Notepad::save(path, ""));
    ASSERT_TRUE(TextFile::readBytes(path, &bytes));
    EXPECT_TRUE(bytes.isEmpty());
}

TEST(Notepad, LongLinesWrapAndPagesFollow)
{
    RecordingCanvas canvas;
    QString text;
    const QString longLine = QString("mot ").repeated(200).trimmed();
    text = "Titre\n\n" + longLine + "\n" + QString(300, 'z');
    for (int i = 0; i < 200; ++i)
        text += QString("\nligne %1").arg(i);
    ASSERT_TRUE(Notepad::draw(canvas, text, {"Arial", 10}));
    const int left = 23 * Notepad::kMarginMm;
    const int right = canvas.widthPx() - left;
    int words = 0, zs = 0, lines = 0;
    for (const RecordingCanvas::Op &op : canvas.ops()) {
        ASSERT_EQ(op.type, RecordingCanvas::Op::Text);
        EXPECT_EQ(op.x, left);
        EXPECT_LE(op.x + canvas.textWidth(op.text), right) << qPrintable(op.text);
        EXPECT_LE(op.y + canvas.textHeight(op.text), canvas.heightPx() - 23 * Notepad::kMarginMm + 23);
        EXPECT_FALSE(op.text.startsWith(' '));
        words += op.text.count("mot");
        zs += op.text.count('z');
        lines += op.text.startsWith("ligne");
    }
    EXPECT_EQ(words, 200) << "no word lost in wrapping";
    EXPECT_EQ(zs, 300) << "a word wider than the page is cut";
    EXPECT_EQ(lines, 200);
    EXPECT_GE(canvas.pageCount(), 2);
    EXPECT_EQ(canvas.texts(0).first().text, "Titre");

    RecordingCanvas refusing;
    refusing.refuseNewPageFrom(1);
    EXPECT_FALSE(Notepad::draw(refusing, text, {"Arial", 10}));
}
